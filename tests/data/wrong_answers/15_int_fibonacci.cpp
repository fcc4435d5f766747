// F(47) and the later members do not fit in int.
#include <iostream>
using namespace std;

int main() {
    int n;
    cin >> n;
    int f[91];
    f[0] = 0;
    f[1] = 1;
    for (int i = 2; i <= n; i++) {
        f[i] = f[i - 1] + f[i - 2];
    }
    cout << f[n] << endl;
    return 0;
}
