// Two decimals instead of three.
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
        cout << fixed << setprecision(2) << sqrt(4.0 - x) / (x + 1) << endl;
    }
    return 0;
}
