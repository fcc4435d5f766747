#include "/dev/zero"
int main() {}
