// Divisors are tried up to n / 2: still a billion divisions for a large prime.
#include <iostream>
using namespace std;

int main() {
    long long n;
    cin >> n;
    bool prime = n >= 2;
    for (long long d = 2; d <= n / 2; d++) {
        if (n % d == 0) {
            prime = false;
            break;
        }
    }
    cout << (prime ? "YES" : "NO") << endl;
    return 0;
}
