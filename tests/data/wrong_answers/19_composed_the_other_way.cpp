// f(g(x)) is computed instead of g(f(x)).
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
        cout << (x > 1 ? " " : "") << f[g[x]];
    }
    cout << endl;
    return 0;
}
