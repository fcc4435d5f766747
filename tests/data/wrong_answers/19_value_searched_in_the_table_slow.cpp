// g(f(x)) is found by searching the table of g for the argument f(x) instead of indexing it.
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
    for (int x = 1; x <= n; x++) {
        cin >> g[x];
    }
    for (int x = 1; x <= n; x++) {
        int h = 0;
        for (int y = 1; y <= n; y++) {
            if (y == f[x]) {
                h = g[y];
            }
        }
        cout << (x > 1 ? " " : "") << h;
    }
    cout << endl;
    return 0;
}
