// A while loop checks the length first, so a one-digit number prints nothing.
#include <iostream>
#include <string>
using namespace std;

int main() {
    string s;
    cin >> s;
    bool first = true;
    while (s.size() > 1) {
        long long sum = 0;
        for (char c : s) {
            sum += c - '0';
        }
        s = to_string(sum);
        cout << (first ? "" : " ") << s;
        first = false;
    }
    cout << endl;
    return 0;
}
