// The number itself is printed before the values of S.
#include <iostream>
#include <string>
using namespace std;

int main() {
    string s;
    cin >> s;
    cout << s;
    do {
        long long sum = 0;
        for (char c : s) {
            sum += c - '0';
        }
        s = to_string(sum);
        cout << ' ' << s;
    } while (s.size() > 1);
    cout << endl;
    return 0;
}
