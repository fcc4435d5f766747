// The sum of the proper divisors starts at 1 for every number, so 1 comes out perfect.
#include <iostream>
using namespace std;

int main() {
    int n;
    cin >> n;
    bool found = false;
    for (int k = 1; k <= n; k++) {
        int s = 1;
        for (int d = 2; d * d <= k; d++) {
            if (k % d == 0) {
                s += d;
                if (d != k / d) {
                    s += k / d;
                }
            }
        }
        if (s == k) {
            cout << (found ? " " : "") << k;
            found = true;
        }
    }
    if (!found) {
        cout << "NONE";
    }
    cout << endl;
    return 0;
}
