// The kind is decided by the first two values; equal ones end the search at once.
#include <iostream>
#include <vector>
using namespace std;

int main() {
    int n;
    cin >> n;
    vector<long long> f(n);
    for (int i = 0; i < n; i++) {
        cin >> f[i];
    }
    if (f[1] == f[0]) {
        cout << "CONSTANT" << endl;
        return 0;
    }
    bool up = f[1] > f[0];
    for (int i = 2; i < n; i++) {
        if ((up && f[i] <= f[i - 1]) || (!up && f[i] >= f[i - 1])) {
            cout << "NONE" << endl;
            return 0;
        }
    }
    cout << (up ? "INCREASING" : "DECREASING") << endl;
    return 0;
}
