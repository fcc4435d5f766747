// A double holds f(x), but cout prints it with six significant digits.
#include <iostream>
using namespace std;

int main() {
    double x;
    cin >> x;
    cout << 2 * x + 3 << endl;
    return 0;
}
