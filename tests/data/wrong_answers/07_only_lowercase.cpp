// Only the small letters are shifted; capital letters stay as they are.
#include <iostream>
#include <string>
using namespace std;

int main() {
    string line;
    getline(cin, line);
    int k = stoi(line);
    string s;
    getline(cin, s);
    for (char &c : s) {
        if (c >= 'a' && c <= 'z') {
            c = (char)('a' + (c - 'a' + k) % 26);
        }
    }
    cout << s << endl;
    return 0;
}
