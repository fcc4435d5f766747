// The answer is printed as Yes and No, not as YES and NO.
#include <iostream>
using namespace std;

int main() {
    long long n;
    cin >> n;
    bool prime = n >= 2;
    for (long long d = 2; d * d <= n; d++) {
        if (n % d == 0) {
            prime = false;
        }
    }
    cout << (prime ? "Yes" : "No") << endl;
    return 0;
}
