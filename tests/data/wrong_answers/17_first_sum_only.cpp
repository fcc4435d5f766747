// S is applied only once, as if the sum of the digits were always one digit long.
#include <iostream>
#include <string>
using namespace std;

int main() {
    string s;
    cin >> s;
    long long sum = 0;
    for (char c : s) {
        sum += c - '0';
    }
    cout << sum << endl;
    return 0;
}
