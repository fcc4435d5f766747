// n is read into int, which cannot hold numbers up to 10^18.
#include <iostream>
using namespace std;

int main() {
    int n;
    cin >> n;
    if (n <= 0) {
        cout << "ERROR" << endl;
        return 0;
    }
    int k = 0;
    while (n > 1) {
        n /= 2;
        k++;
    }
    cout << k << endl;
    return 0;
}
