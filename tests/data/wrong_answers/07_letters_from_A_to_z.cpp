// One range from 'A' to 'z' is taken for the letters, so [ \ ] ^ _ ` are shifted too.
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
        if (c >= 'A' && c <= 'z') {
            char base = c >= 'a' ? 'a' : 'A';
            c = (char)(base + (c - base + k) % 26);
        }
    }
    cout << s << endl;
    return 0;
}
