// The squares are printed in the order of the input.
#include <iostream>
using namespace std;

int main() {
    int n;
    cin >> n;
    for (int i = 0; i < n; i++) {
        int x;
        cin >> x;
        if (i > 0) {
            cout << ' ';
        }
        cout << x * x;
    }
    cout << endl;
    return 0;
}
