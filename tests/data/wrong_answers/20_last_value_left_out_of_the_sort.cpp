// sort gets v.end() - 1, so the last value stays where it was.
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
    sort(v.begin(), v.end() - 1);
    v.erase(unique(v.begin(), v.end()), v.end());
    cout << v.size() << endl;
    for (size_t i = 0; i < v.size(); i++) {
        cout << (i > 0 ? " " : "") << v[i];
    }
    cout << endl;
    return 0;
}
