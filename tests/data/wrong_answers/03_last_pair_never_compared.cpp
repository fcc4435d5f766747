// The inner loop stops one pair too early, so the last pair is never compared.
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
        for (int j = i + 1; j < n - 1; j++) {
            if (x[i] == x[j] && y[i] != y[j]) {
                functional = false;
            }
        }
    }
    cout << (functional ? "YES" : "NO") << endl;
    return 0;
}
