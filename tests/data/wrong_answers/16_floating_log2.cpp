// log2 of a double: 2^59 - 1 becomes 2^59 when converted, and the answer is one too big.
#include <cmath>
#include <iostream>
using namespace std;

int main() {
    long long n;
    cin >> n;
    if (n <= 0) {
        cout << "ERROR" << endl;
        return 0;
    }
    cout << (int)log2((double)n) << endl;
    return 0;
}
