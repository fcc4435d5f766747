// Letters are moved by k without going round from z back to a.
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
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            c = (char)(c + k);
        }
    }
    cout << s << endl;
    return 0;
}
