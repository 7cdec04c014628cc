#include "data/TitleScrambler.h"

#include "data/Cp936.h"

#include <limits>

namespace {

QString shiftCodes(const QString &text, int delta)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        // codes are signed 16-bit: a double-byte character has a negative code
        const int code = static_cast<qint16>(static_cast<quint16>(Cp936::code(c)));
        const int shifted = code + delta;
        QChar result;
        if (shifted >= std::numeric_limits<qint16>::min() && shifted <= std::numeric_limits<qint16>::max()) {
            const unsigned bits = static_cast<quint16>(shifted);
            result = Cp936::character(bits);
            if (result.isNull() && bits != 0)
                result = QChar(QChar::ReplacementCharacter);
        } else {
            result = QChar(QChar::ReplacementCharacter);
        }
        out.append(result);
    }
    return out;
}

} // namespace

QString DescrambleText(QString text, qint16 key)
{
    return shiftCodes(text, -int(key));
}

QString ScrambleText(QString text, qint16 key)
{
    return shiftCodes(text, int(key));
}
