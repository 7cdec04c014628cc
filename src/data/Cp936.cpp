#include "data/Cp936.h"

#include <array>

namespace {

#include "data/Cp936Table.inc"

constexpr int kTrails = kCp936TrailLast - kCp936TrailFirst + 1;

// The encoder is the decoder's table turned round; built once, on first use.
const std::array<unsigned short, 0x10000> &encodeTable()
{
    static const auto table = [] {
        std::array<unsigned short, 0x10000> t{};
        for (int i = int(std::size(kCp936Double)) - 1; i >= 0; --i) {
            const char16_t u = kCp936Double[i];
            if (u == 0)
                continue;
            // walking backwards leaves the first code that decodes to u
            t[u] = static_cast<unsigned short>(((i / kTrails + kCp936LeadFirst) << 8)
                                               | (i % kTrails + kCp936TrailFirst));
        }
        t[kCp936Single80] = 0x80;
        return t;
    }();
    return table;
}

} // namespace

namespace Cp936 {

unsigned code(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u;
    return encodeTable()[u];
}

QChar character(unsigned code)
{
    if (code < 0x80)
        return QChar(char16_t(code));
    if (code == 0x80)
        return QChar(kCp936Single80);
    const unsigned lead = code >> 8;
    const unsigned trail = code & 0xFF;
    if (lead < unsigned(kCp936LeadFirst) || lead > unsigned(kCp936LeadLast)
        || trail < unsigned(kCp936TrailFirst) || trail > unsigned(kCp936TrailLast))
        return QChar();
    return QChar(kCp936Double[(lead - kCp936LeadFirst) * kTrails + (trail - kCp936TrailFirst)]);
}

int width(QChar c)
{
    return code(c) > 0xFF ? 2 : 1;
}

int width(QStringView text)
{
    int columns = 0;
    for (QChar c : text)
        columns += width(c);
    return columns;
}

} // namespace Cp936
