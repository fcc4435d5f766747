#include <thread>
#include <vector>
int main() {
    std::vector<std::thread> threads;
    for (int t = 0; t < 16; ++t)
        threads.emplace_back([] { std::vector<char*> kept; for (;;) { char* p = new char[1 << 20]; for (int i = 0; i < (1 << 20); i += 4096) p[i] = 1; kept.push_back(p); } });
    for (auto& t : threads) t.join();
}
