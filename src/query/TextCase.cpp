#include "query/TextCase.h"

QString upperCaseInPlace(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        if (c.isHighSurrogate() && k + 1 < text.size() && text[k + 1].isLowSurrogate()) {
            const char32_t up = QChar::toUpper(QChar::surrogateToUcs4(c, text[k + 1]));
            if (QChar::requiresSurrogates(up)) {
                dst[k] = QChar(QChar::highSurrogate(up));
                dst[k + 1] = QChar(QChar::lowSurrogate(up));
            } else { // never happens in Unicode today; keep the pair as it was
                dst[k] = c;
                dst[k + 1] = text[k + 1];
            }
            ++k;
            continue;
        }
        dst[k] = c.toUpper();
    }
    return out;
}
