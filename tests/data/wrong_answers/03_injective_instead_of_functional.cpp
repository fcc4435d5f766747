// Two pairs with the same y and different x are taken to break the relation.
#include <iostream>
using namespace std;

int main() {
    int n;
    cin >> n;
    long long x[1000], y[1000];
    for (int i = 0; i < n; i++) {
        cin >> x[i] >> y[i];
    }
    bool functional = true;
    for (int i = 0; i < n; i++) {
        for (int j = i + 1; j < n; j++) {
            if (y[i] == y[j] && x[i] != x[j]) {
                functional = false;
            }
        }
    }
    cout << (functional ? "YES" : "NO") << endl;
    return 0;
}
