// The codec both ways: a character with a code comes back from that code; a code that
// names a character is that character's code, and widths agree with the codes.
#include "data/Cp936.h"

#include <QString>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (size_t k = 0; k + 1 < size; k += 2) {
        const unsigned value = unsigned(data[k]) << 8 | data[k + 1];
        const QChar c(static_cast<char16_t>(value));
        const unsigned code = Cp936::code(c);
        if (code != 0 && Cp936::character(code) != c)
            std::abort();
        if (Cp936::width(c) != (code > 0xFF ? 2 : 1))
            std::abort();
        const QChar back = Cp936::character(value);
        if (!back.isNull() && Cp936::code(back) != value && value != 0)
            std::abort();
    }
    const QString text(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    int columns = 0;
    for (const QChar c : text)
        columns += Cp936::width(c);
    if (columns != Cp936::width(text) || columns < text.size() || columns > 2 * text.size())
        std::abort();
    return 0;
}
