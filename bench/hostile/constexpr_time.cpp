constexpr long sum() { long s = 0; for (long i = 0; i < 2000; ++i) for (long j = 0; j < 2000; ++j) for (long k = 0; k < 2000; ++k) s += i ^ j ^ k; return s; }
constexpr long total = sum();
int main() { return int(total); }
