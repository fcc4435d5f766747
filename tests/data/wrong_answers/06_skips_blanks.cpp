// cin >> c skips blanks, so the code 32 of a space never appears.
#include <iostream>
using namespace std;

int main() {
    char c;
    bool first = true;
    while (cin >> c) {
        if (!first) {
            cout << ' ';
        }
        cout << (int)c;
        first = false;
    }
    cout << endl;
    return 0;
}
