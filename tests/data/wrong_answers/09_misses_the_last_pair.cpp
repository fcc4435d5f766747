// The loop stops one step early, so the last two values are never compared.
#include <iostream>
#include <vector>
using namespace std;

int main() {
    int n;
    cin >> n;
    vector<long long> f(n);
    for (int i = 0; i < n; i++) {
        cin >> f[i];
    }
    bool up = true, down = true, same = true;
    for (int i = 1; i < n - 1; i++) {
        if (f[i] <= f[i - 1]) up = false;
        if (f[i] >= f[i - 1]) down = false;
        if (f[i] != f[i - 1]) same = false;
    }
    if (up) {
        cout << "INCREASING" << endl;
    } else if (down) {
        cout << "DECREASING" << endl;
    } else if (same) {
        cout << "CONSTANT" << endl;
    } else {
        cout << "NONE" << endl;
    }
    return 0;
}
