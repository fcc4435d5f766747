#include <unistd.h>
int main() { if (fork() == 0) { setsid(); for (;;) pause(); } for (;;) {} }
