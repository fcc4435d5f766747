// cin >> s stops at the first blank, so the rest of the line is lost.
#include <iostream>
#include <string>
using namespace std;

int main() {
    string s;
    cin >> s;
    for (size_t i = 0; i < s.size(); i++) {
        if (i > 0) {
            cout << ' ';
        }
        cout << (int)s[i];
    }
    cout << endl;
    return 0;
}
