// Each value is searched among the distinct values found so far: billions of comparisons when they are all different.
#include <algorithm>
#include <iostream>
#include <vector>
using namespace std;

int main() {
    int n;
    cin >> n;
    vector<int> found;
    for (int i = 0; i < n; i++) {
        int v;
        cin >> v;
        bool seen = false;
        for (int w : found) {
            if (w == v) {
                seen = true;
            }
        }
        if (!seen) {
            found.push_back(v);
        }
    }
    sort(found.begin(), found.end());
    cout << found.size() << endl;
    for (size_t i = 0; i < found.size(); i++) {
        cout << (i > 0 ? " " : "") << found[i];
    }
    cout << endl;
    return 0;
}
