// The search stops before N, so a perfect N itself is not listed.
#include <iostream>
using namespace std;

int main() {
    int n;
    cin >> n;
    bool found = false;
    for (int k = 2; k < n; k++) {
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
