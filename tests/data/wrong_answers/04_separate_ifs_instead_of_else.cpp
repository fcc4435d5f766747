// Two separate if statements: a negative x also passes the test x <= 3 and prints a second value.
#include <iostream>
using namespace std;

int main() {
    int x;
    cin >> x;
    if (x < 0) {
        cout << 2 * x + 1 << endl;
    }
    if (x <= 3) {
        cout << x * x << endl;
    } else {
        cout << 10 - x << endl;
    }
    return 0;
}
