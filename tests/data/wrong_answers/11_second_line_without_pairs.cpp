// The second line is printed even when there is no pair.
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
    int count = 0, last = 0;
    for (int p = 2; p + 2 <= n; p++) {
        if (prime[p] && prime[p + 2]) {
            count++;
            last = p;
        }
    }
    cout << count << endl;
    cout << last << ' ' << last + 2 << endl;
    return 0;
}
