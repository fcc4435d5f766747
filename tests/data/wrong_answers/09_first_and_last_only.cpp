// Only the first and the last value are compared.
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
    if (f[n - 1] > f[0]) {
        cout << "INCREASING" << endl;
    } else if (f[n - 1] < f[0]) {
        cout << "DECREASING" << endl;
    } else {
        cout << "CONSTANT" << endl;
    }
    return 0;
}
