// The power of two is kept in an int: past 2^30 it overflows to 0 and the loop never ends.
#include <iostream>
using namespace std;

int main() {
    long long n;
    cin >> n;
    if (n <= 0) {
        cout << "ERROR" << endl;
        return 0;
    }
    int p = 1, k = 0;
    while (p * 2 <= n) {
        p *= 2;
        k++;
    }
    cout << k << endl;
    return 0;
}
