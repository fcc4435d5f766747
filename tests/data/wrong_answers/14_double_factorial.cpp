// A double holds 20!, but cout prints it with six significant digits.
#include <iostream>
using namespace std;

int main() {
    int n;
    cin >> n;
    if (n < 0) {
        cout << "ERROR" << endl;
        return 0;
    }
    double f = 1;
    for (int i = 2; i <= n; i++) {
        f *= i;
    }
    cout << f << endl;
    return 0;
}
