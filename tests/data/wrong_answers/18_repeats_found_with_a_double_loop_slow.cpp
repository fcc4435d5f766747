// Each value is compared with all the earlier ones: five billion comparisons for n = 100000.
#include <iostream>
#include <vector>
using namespace std;

int main() {
    int n;
    cin >> n;
    vector<int> f(n + 1), g(n + 1);
    for (int x = 1; x <= n; x++) {
        cin >> f[x];
    }
    bool ok = true;
    for (int x = 1; x <= n; x++) {
        for (int z = 1; z < x; z++) {
            if (f[z] == f[x]) {
                ok = false;
            }
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
