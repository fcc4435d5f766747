// x^2 is written as x * 2.
#include <iostream>
using namespace std;

int main() {
    long long x;
    cin >> x;
    cout << x * 2 - 4 * x + 3 << endl;
    return 0;
}
