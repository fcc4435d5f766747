#include "content/task_cipher.h"

#include "content/codepage.h"

#include <algorithm>

namespace content {

namespace {

constexpr int KeyCycle = 12;
constexpr int KeyOffset = 0x5A;  // keys run from 0x5A to 0x65: none is 0
constexpr char Filler = '#';

// XOR with the key sequence; the counter is 1 for the first code of a line.
void applyKeys(QByteArray& codes)
{
    int counter = 0;
    for (char& code : codes) {
        counter = (counter + 1) % KeyCycle;
        code = char(quint8(code) ^ quint8(counter + KeyOffset));
    }
}

}  // namespace

QString encodeTaskLine(const QString& plain)
{
    QByteArray codes = toWindows1251(plain);
    applyKeys(codes);
    std::reverse(codes.begin(), codes.end());
    return fromWindows1251(Filler + codes);
}

QString decodeTaskLine(const QString& stored)
{
    QByteArray codes = toWindows1251(stored);
    std::reverse(codes.begin(), codes.end());
    codes.chop(1);  // the filler, which stood first
    applyKeys(codes);
    return fromWindows1251(codes);
}

}  // namespace content
