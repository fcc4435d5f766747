// The last piece is computed as x - 10 instead of 10 - x.
#include <iostream>
using namespace std;

int main() {
    int x;
    cin >> x;
    if (x < 0) {
        cout << 2 * x + 1 << endl;
    } else if (x <= 3) {
        cout << x * x << endl;
    } else {
        cout << x - 10 << endl;
    }
    return 0;
}
