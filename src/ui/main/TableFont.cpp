#include "ui/main/TableFont.h"

#include "data/Cp936.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

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

namespace {

constexpr qreal kTolerance = 0.01;

QFont chosenFont(int pixelSize)
{
    // Found by any name it carries: a Chinese desktop lists Zen Hei as "文泉驿等宽正黑".
    // Qt 6.4 knows those other names only once its font list is made.
    (void)QFontDatabase::families();
    for (const QString &family : tableFontCandidates()) {
        if (!QFontDatabase::hasFamily(family))
            continue;
        QFont font(family);
        font.setPixelSize(pixelSize);
        if (keepsColumns(font))
            return font;
    }
    // The fixed-pitch font, as large as fits the designed columns.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setKerning(false);
    for (int size = pixelSize; size > pixelSize / 2; --size) {
        fixed.setPixelSize(size);
        if (QFontMetricsF(fixed).horizontalAdvance(u'0') <= pixelSize / 2.0 + kTolerance)
            break;
    }
    return fixed;
}

} // namespace

TableLayout::TableLayout(int pixelSize)
    : m_pixelSize(pixelSize)
    , m_font(chosenFont(pixelSize))
    , m_column(pixelSize / 2.0)
{
    m_ownColumns = keepsColumns(m_font) && QFontMetricsF(m_font).horizontalAdvance(u'0') == m_column;
    if (m_ownColumns)
        return;
    m_fontSpacing = spacingOf(u'0');
    if (std::abs(m_fontSpacing) > kTolerance)
        m_font.setLetterSpacing(QFont::AbsoluteSpacing, m_fontSpacing);
    else
        m_fontSpacing = 0;
}

qreal TableLayout::spacingOf(QChar c) const
{
    const auto known = m_spacing.constFind(c.unicode());
    if (known != m_spacing.constEnd())
        return *known;
    // the advance the box's own layout gives it: with hinting it may be whole pixels where
    // the font's metrics are not
    QFont plain = m_font;
    plain.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    QTextLayout layout(QString(c), plain);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const qreal spacing = Cp936::width(c) * m_column - line.horizontalAdvance();
    m_spacing.insert(c.unicode(), spacing);
    return spacing;
}

namespace {

// Sets spacing[k] on character k of the block, by runs of equal spacing; runs of the base
// spacing, which the font carries already, only where a spacing was set on them before.
void setSpacing(QTextDocument &document, const QTextBlock &block, const QList<qreal> &spacing, qreal base, bool again)
{
    QTextCursor cursor(&document);
    qsizetype start = 0;
    while (start < spacing.size()) {
        qsizetype end = start + 1;
        while (end < spacing.size() && std::abs(spacing[end] - spacing[start]) <= kTolerance)
            ++end;
        QTextCharFormat spaced;
        spaced.setFontLetterSpacingType(QFont::AbsoluteSpacing);
        spaced.setFontLetterSpacing(spacing[start]);
        if (again || std::abs(spacing[start] - base) > kTolerance) {
            cursor.setPosition(block.position() + int(start));
            cursor.setPosition(block.position() + int(end), QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(spaced);
        }
        start = end;
    }
}

} // namespace

void TableLayout::applyTo(QTextDocument &document) const
{
    if (m_ownColumns)
        return;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        QList<qreal> spacing(text.size());
        for (qsizetype k = 0; k < text.size(); ++k)
            spacing[k] = spacingOf(text[k]);
        setSpacing(document, block, spacing, m_fontSpacing, false);
        // Shaped in its line, a character may come out a pixel off its advance alone (a
        // proportional font's figures): what the line shows is corrected once.
        document.documentLayout()->blockBoundingRect(block);
        const QTextLine line = block.layout() ? block.layout()->lineAt(0) : QTextLine();
        if (!line.isValid())
            continue;
        bool corrected = false;
        for (qsizetype k = 0; k < text.size(); ++k) {
            const qreal shown = line.cursorToX(int(k) + 1) - line.cursorToX(int(k));
            const qreal columns = Cp936::width(text[k]) * m_column;
            if (std::abs(shown - columns) > kTolerance) {
                spacing[k] += columns - shown;
                corrected = true;
            }
        }
        if (corrected)
            setSpacing(document, block, spacing, m_fontSpacing, true);
    }
}
