// Only negative n gives ERROR; for n = 0 the loop does not run and 0 is printed.
#include <iostream>
using namespace std;

int main() {
    long long n;
    cin >> n;
    if (n < 0) {
        cout << "ERROR" << endl;
        return 0;
    }
    int k = 0;
    while (n > 1) {
        n /= 2;
        k++;
    }
    cout << k << endl;
    return 0;
}
