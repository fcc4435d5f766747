// Divisors are tried up to n itself: a prime near two billion takes two billion divisions.
#include <iostream>
using namespace std;

int main() {
    long long n;
    cin >> n;
    bool prime = n >= 2;
    for (long long d = 2; d < n; d++) {
        if (n % d == 0) {
            prime = false;
            break;
        }
    }
    cout << (prime ? "YES" : "NO") << endl;
    return 0;
}
