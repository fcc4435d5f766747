// getline right after cin >> k reads the rest of k's line, not the text.
#include <iostream>
#include <string>
using namespace std;

int main() {
    int k;
    cin >> k;
    string s;
    getline(cin, s);
    for (char &c : s) {
        if (c >= 'a' && c <= 'z') {
            c = (char)('a' + (c - 'a' + k) % 26);
        } else if (c >= 'A' && c <= 'Z') {
            c = (char)('A' + (c - 'A' + k) % 26);
        }
    }
    cout << s << endl;
    return 0;
}
