#include "ui/main/TableFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

QStringList tableFontCandidates()
{
    return {QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("Noto Sans Mono CJK SC"),
            QStringLiteral("NSimSun"), QStringLiteral("SimSun"), QStringLiteral("新宋体"), QStringLiteral("宋体"),
            QStringLiteral("Osaka-Mono")}; // the last: macOS's own
}

bool keepsColumns(const QFont &font)
{
    const QFontMetricsF metrics(font);
    const qreal column = metrics.horizontalAdvance(u'0');
    if (column <= 0)
        return false;
    for (const char16_t c : u"+-| .@CGabz9")
        if (c && metrics.horizontalAdvance(QChar(c)) != column)
            return false;
    for (const char16_t c : u"编硬件描述得分与比双卡移动版华硕")
        if (c && metrics.horizontalAdvance(QChar(c)) != 2 * column)
            return false;
    return true;
}

QFont tableFont(int pixelSize)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : tableFontCandidates()) {
        if (!installed.contains(family))
            continue;
        QFont font(family);
        font.setPixelSize(pixelSize);
        if (QFontInfo(font).family() == family && keepsColumns(font))
            return font;
    }
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPixelSize(pixelSize);
    return fixed;
}
