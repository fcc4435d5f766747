// Every pair is compared with the first pair only.
#include <iostream>
using namespace std;

int main() {
    int n;
    cin >> n;
    long long x0, y0;
    cin >> x0 >> y0;
    bool functional = true;
    for (int i = 1; i < n; i++) {
        long long x, y;
        cin >> x >> y;
        if (x == x0 && y != y0) {
            functional = false;
        }
    }
    cout << (functional ? "YES" : "NO") << endl;
    return 0;
}
