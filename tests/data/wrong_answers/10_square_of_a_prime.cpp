// Trial division up to d * d < n misses the divisor of the square of a prime.
#include <iostream>
using namespace std;

int main() {
    long long n;
    cin >> n;
    bool prime = n >= 2;
    for (long long d = 2; d * d < n; d++) {
        if (n % d == 0) {
            prime = false;
        }
    }
    cout << (prime ? "YES" : "NO") << endl;
    return 0;
}
