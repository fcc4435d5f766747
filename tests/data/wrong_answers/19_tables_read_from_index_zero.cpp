// The tables are read from index 0 but looked up by the values 1 to n, one place too far.
#include <iostream>
#include <vector>
using namespace std;

int main() {
    int n;
    cin >> n;
    vector<int> f(n + 1, 0), g(n + 1, 0);
    for (int x = 0; x < n; x++) {
        cin >> f[x];
    }
    for (int x = 0; x < n; x++) {
        cin >> g[x];
    }
    for (int x = 0; x < n; x++) {
        cout << (x > 0 ? " " : "") << g[f[x]];
    }
    cout << endl;
    return 0;
}
