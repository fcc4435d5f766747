// F(n) = F(n - 1) + F(n - 2) by plain recursion: F(45) alone takes billions of calls.
#include <iostream>
using namespace std;

long long fibonacci(int n) {
    if (n < 2) {
        return n;
    }
    return fibonacci(n - 1) + fibonacci(n - 2);
}

int main() {
    int n;
    cin >> n;
    cout << fibonacci(n) << endl;
    return 0;
}
