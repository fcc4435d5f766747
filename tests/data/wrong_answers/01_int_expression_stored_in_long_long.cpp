// The result is stored in long long, but 2 * x + 3 is still computed in int.
#include <iostream>
using namespace std;

int main() {
    int x;
    cin >> x;
    long long y = 2 * x + 3;
    cout << y << endl;
    return 0;
}
