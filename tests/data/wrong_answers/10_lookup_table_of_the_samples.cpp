// The answers of the shown examples are printed by their input; any other n is called prime when it is odd.
#include <iostream>
using namespace std;

int main() {
    long long n;
    cin >> n;
    const long long primes[] = {17, 2, 1000000007, 3, 1999999973};
    const long long others[] = {91, 1, 999999999, 4, 49, 1999073521, 2000000000};
    for (long long p : primes) {
        if (n == p) {
            cout << "YES" << endl;
            return 0;
        }
    }
    for (long long c : others) {
        if (n == c) {
            cout << "NO" << endl;
            return 0;
        }
    }
    cout << (n % 2 == 1 ? "YES" : "NO") << endl;
    return 0;
}
