// Every number below k is tried as a divisor: five billion divisions for N = 100000.
#include <iostream>
using namespace std;

int main() {
    int n;
    cin >> n;
    bool found = false;
    for (int k = 2; k <= n; k++) {
        int s = 0;
        for (int d = 1; d < k; d++) {
            if (k % d == 0) {
                s += d;
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
