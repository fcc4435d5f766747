// x < 3 instead of x <= 3: the boundary 3 falls into the wrong piece.
#include <iostream>
using namespace std;

int main() {
    int x;
    cin >> x;
    if (x < 0) {
        cout << 2 * x + 1 << endl;
    } else if (x < 3) {
        cout << x * x << endl;
    } else {
        cout << 10 - x << endl;
    }
    return 0;
}
