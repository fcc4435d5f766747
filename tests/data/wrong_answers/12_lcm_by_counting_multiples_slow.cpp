// The lcm is found by going through the multiples of a: up to b steps.
#include <iostream>
using namespace std;

int main() {
    long long a, b;
    cin >> a >> b;
    long long x = a, y = b;
    while (y != 0) {
        long long r = x % y;
        x = y;
        y = r;
    }
    long long m = a;
    while (m % b != 0) {
        m += a;
    }
    cout << x << ' ' << m << endl;
    return 0;
}
