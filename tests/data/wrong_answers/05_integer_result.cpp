// The value is stored in an int, which drops its fractional part.
#include <cmath>
#include <iomanip>
#include <iostream>
using namespace std;

int main() {
    int x;
    cin >> x;
    if (x > 4) {
        cout << "ROOT ERROR" << endl;
    } else if (x == -1) {
        cout << "DIVISION BY ZERO" << endl;
    } else {
        int y = sqrt(4.0 - x) / (x + 1);
        cout << fixed << setprecision(3) << (double)y << endl;
    }
    return 0;
}
