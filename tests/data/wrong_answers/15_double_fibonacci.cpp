// A double holds F(90), but cout prints it with six significant digits.
#include <iostream>
using namespace std;

int main() {
    int n;
    cin >> n;
    double a = 0, b = 1;
    for (int i = 0; i < n; i++) {
        double c = a + b;
        a = b;
        b = c;
    }
    cout << a << endl;
    return 0;
}
