// The answers of the shown examples are printed by their input; any other x gets the formula in int.
#include <iostream>
using namespace std;

int main() {
    long long x;
    cin >> x;
    if (x == 5) cout << 13 << endl;
    else if (x == -4) cout << -5 << endl;
    else if (x == 2000000000) cout << 4000000003LL << endl;
    else if (x == -2000000000) cout << -3999999997LL << endl;
    else if (x == 0) cout << 3 << endl;
    else if (x == 1073741822) cout << 2147483647 << endl;
    else cout << 2 * (int)x + 3 << endl;
    return 0;
}
