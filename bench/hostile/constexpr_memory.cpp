struct Big { int v[1 << 24]; };
constexpr Big make() { Big b{}; for (int i = 0; i < (1 << 24); ++i) b.v[i] = i; return b; }
constexpr Big big = make();
int main() { return big.v[7]; }
