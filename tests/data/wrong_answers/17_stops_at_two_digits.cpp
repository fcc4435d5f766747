// The loop stops as soon as the value has two digits.
#include <iostream>
#include <string>
using namespace std;

int main() {
    string s;
    cin >> s;
    bool first = true;
    do {
        long long sum = 0;
        for (char c : s) {
            sum += c - '0';
        }
        s = to_string(sum);
        cout << (first ? "" : " ") << s;
        first = false;
    } while (s.size() > 2);
    cout << endl;
    return 0;
}
