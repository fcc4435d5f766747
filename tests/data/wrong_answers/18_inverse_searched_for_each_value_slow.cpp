// For each y the whole table is searched for the x with f(x) = y.
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
    for (int y = 1; y <= n; y++) {
        int found = 0;
        for (int x = 1; x <= n; x++) {
            if (f[x] == y) {
                found++;
                g[y] = x;
            }
        }
        if (found != 1) {
            cout << "NO" << endl;
            return 0;
        }
    }
    for (int y = 1; y <= n; y++) {
        cout << (y > 1 ? " " : "") << g[y];
    }
    cout << endl;
    return 0;
}
