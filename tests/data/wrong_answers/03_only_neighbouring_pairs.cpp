// Only neighbouring pairs are compared, as if the pairs came sorted by x.
#include <iostream>
using namespace std;

int main() {
    int n;
    cin >> n;
    long long px = 0, py = 0;
    bool functional = true;
    for (int i = 0; i < n; i++) {
        long long x, y;
        cin >> x >> y;
        if (i > 0 && x == px && y != py) {
            functional = false;
        }
        px = x;
        py = y;
    }
    cout << (functional ? "YES" : "NO") << endl;
    return 0;
}
