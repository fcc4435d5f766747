// A buffer of 100 characters holds at most 99 of a line that may have 200.
#include <cstring>
#include <iostream>
using namespace std;

int main() {
    char s[100];
    cin.getline(s, 100);
    int length = strlen(s);
    for (int i = 0; i < length; i++) {
        if (i > 0) {
            cout << ' ';
        }
        cout << (int)s[i];
    }
    cout << endl;
    return 0;
}
