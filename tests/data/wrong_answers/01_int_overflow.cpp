// x fits in int, but 2x + 3 does not when x is near the bounds of the range.
#include <iostream>
using namespace std;

int main() {
    int x;
    cin >> x;
    cout << 2 * x + 3 << endl;
    return 0;
}
