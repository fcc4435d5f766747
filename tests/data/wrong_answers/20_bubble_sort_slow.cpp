// A bubble sort of n = 100000 values makes five billion comparisons.
#include <iostream>
#include <vector>
using namespace std;

int main() {
    int n;
    cin >> n;
    vector<int> v(n);
    for (int i = 0; i < n; i++) {
        cin >> v[i];
    }
    for (int i = 0; i < n; i++) {
        for (int j = 0; j + 1 < n - i; j++) {
            if (v[j] > v[j + 1]) {
                int t = v[j];
                v[j] = v[j + 1];
                v[j + 1] = t;
            }
        }
    }
    vector<int> distinct;
    for (int i = 0; i < n; i++) {
        if (i == 0 || v[i] != v[i - 1]) {
            distinct.push_back(v[i]);
        }
    }
    cout << distinct.size() << endl;
    for (size_t i = 0; i < distinct.size(); i++) {
        cout << (i > 0 ? " " : "") << distinct[i];
    }
    cout << endl;
    return 0;
}
