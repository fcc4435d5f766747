// Only the root is checked; x = -1 divides by zero and prints inf.
#include <cmath>
#include <iomanip>
#include <iostream>
using namespace std;

int main() {
    int x;
    cin >> x;
    if (x > 4) {
        cout << "ROOT ERROR" << endl;
    } else {
        cout << fixed << setprecision(3) << sqrt(4.0 - x) / (x + 1) << endl;
    }
    return 0;
}
