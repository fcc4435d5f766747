// The loop divides until n is 0, one division more than the logarithm has.
#include <iostream>
using namespace std;

int main() {
    long long n;
    cin >> n;
    if (n <= 0) {
        cout << "ERROR" << endl;
        return 0;
    }
    int k = 0;
    while (n > 0) {
        n /= 2;
        k++;
    }
    cout << k << endl;
    return 0;
}
