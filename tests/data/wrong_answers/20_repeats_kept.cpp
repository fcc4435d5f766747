// The values are sorted but repeated ones are not removed.
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
    cout << v.size() << endl;
    for (int i = 0; i < n; i++) {
        cout << (i > 0 ? " " : "") << v[i];
    }
    cout << endl;
    return 0;
}
