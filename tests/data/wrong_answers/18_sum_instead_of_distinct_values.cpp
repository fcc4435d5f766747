// The values are taken to be distinct when their sum is 1 + 2 + ... + n.
#include <iostream>
#include <vector>
using namespace std;

int main() {
    int n;
    cin >> n;
    vector<int> g(n + 1, 0);
    long long sum = 0;
    for (int x = 1; x <= n; x++) {
        int y;
        cin >> y;
        sum += y;
        g[y] = x;
    }
    if (sum != (long long)n * (n + 1) / 2) {
        cout << "NO" << endl;
        return 0;
    }
    for (int y = 1; y <= n; y++) {
        cout << (y > 1 ? " " : "") << g[y];
    }
    cout << endl;
    return 0;
}
