// Each pass of the bubble sort stops one comparison too early.
#include <iostream>
using namespace std;

int main() {
    int n;
    cin >> n;
    int v[1000];
    for (int i = 0; i < n; i++) {
        int x;
        cin >> x;
        v[i] = x * x;
    }
    for (int i = 0; i < n; i++) {
        for (int j = 0; j < n - i - 2; j++) {
            if (v[j] > v[j + 1]) {
                int t = v[j];
                v[j] = v[j + 1];
                v[j + 1] = t;
            }
        }
    }
    for (int i = 0; i < n; i++) {
        if (i > 0) {
            cout << ' ';
        }
        cout << v[i];
    }
    cout << endl;
    return 0;
}
