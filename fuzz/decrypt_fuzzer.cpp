// Any bytes as a stored task line: decoding never fails, and a line that the
// code page holds survives encoding and decoding unchanged.
#include "content/codepage.h"
#include "content/task_cipher.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString line = content::fromWindows1251(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    (void)content::decodeTaskLine(line);
    if (content::fitsWindows1251(line) && content::decodeTaskLine(content::encodeTaskLine(line)) != line)
        std::abort();
    return 0;
}
