// Any text and any key: one character out for one in, never undefined behaviour; where a
// scrambled text descrambles cleanly, scrambling it again gives it back.
#include "data/TitleScrambler.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    qint16 key;
    std::memcpy(&key, data, 2);
    const QString text(reinterpret_cast<const QChar *>(data + 2), qsizetype((size - 2) / 2));
    const QString plain = DescrambleText(text, key);
    if (plain.size() != text.size())
        std::abort();
    if (!plain.contains(QChar(QChar::ReplacementCharacter)) && !text.contains(QChar(QChar::ReplacementCharacter))
        && ScrambleText(plain, key) != text) {
        // every input character mapped to a real one and back: the way back must agree,
        // unless an input character itself had no code (code 0 is shared by all of those)
        for (const QChar c : text)
            if (DescrambleText(QString(c), 0) != QString(c))
                return 0;
        std::abort();
    }
    return 0;
}
