// Every number from the smaller one down is tried as the gcd: a billion tries for two large coprime numbers.
#include <iostream>
using namespace std;

int main() {
    long long a, b;
    cin >> a >> b;
    long long g = a < b ? a : b;
    while (a % g != 0 || b % g != 0) {
        g--;
    }
    cout << g << ' ' << a / g * b << endl;
    return 0;
}
