// The loop stops before n, so (n - 1)! is printed.
#include <iostream>
using namespace std;

int main() {
    int n;
    cin >> n;
    if (n < 0) {
        cout << "ERROR" << endl;
        return 0;
    }
    long long f = 1;
    for (int i = 1; i < n; i++) {
        f *= i;
    }
    cout << f << endl;
    return 0;
}
