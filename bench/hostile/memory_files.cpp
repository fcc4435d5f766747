#include <sys/mman.h>
#include <unistd.h>
#include <string>
int main() {
    const std::string mb(1 << 20, 'x');
    for (;;) { int fd = memfd_create("m", 0); if (fd < 0) break; for (int i = 0; i < 64; ++i) if (write(fd, mb.data(), mb.size()) < 0) break; }
    for (;;) {}
}
