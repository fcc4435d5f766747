// The smallest pair is printed instead of the largest.
#include <iostream>
#include <vector>
using namespace std;

int main() {
    int n;
    cin >> n;
    vector<bool> prime(n + 3, true);
    prime[0] = prime[1] = false;
    for (int i = 2; (long long)i * i <= n; i++) {
        if (prime[i]) {
            for (int j = i * i; j <= n; j += i) {
                prime[j] = false;
            }
        }
    }
    int count = 0, first = 0;
    for (int p = 2; p + 2 <= n; p++) {
        if (prime[p] && prime[p + 2]) {
            count++;
            if (first == 0) {
                first = p;
            }
        }
    }
    cout << count << endl;
    if (count > 0) {
        cout << first << ' ' << first + 2 << endl;
    }
    return 0;
}
