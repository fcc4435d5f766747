asm(".data\n.fill 6000000000, 1, 0x41\n.text");
int main() {}
