// In int the least common multiple overflows although it divides before multiplying.
#include <iostream>
using namespace std;

int main() {
    int a, b;
    cin >> a >> b;
    int x = a, y = b;
    while (y != 0) {
        int r = x % y;
        x = y;
        y = r;
    }
    cout << x << ' ' << a / x * b << endl;
    return 0;
}
