// The number is read into long long, which holds at most 19 digits.
#include <iostream>
using namespace std;

int main() {
    long long n;
    cin >> n;
    bool first = true;
    do {
        long long sum = 0;
        while (n > 0) {
            sum += n % 10;
            n /= 10;
        }
        n = sum;
        cout << (first ? "" : " ") << n;
        first = false;
    } while (n > 9);
    cout << endl;
    return 0;
}
