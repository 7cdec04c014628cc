#include "ui/main/TableFont.h"

#include "data/Cp936.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <cmath>
#include <optional>

QStringList tableFontCandidates()
{
    return {QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("Noto Sans Mono CJK SC"),
            QStringLiteral("NSimSun"), QStringLiteral("SimSun"), QStringLiteral("新宋体"), QStringLiteral("宋体"),
            QStringLiteral("Osaka-Mono")}; // the last: macOS's own
}

bool keepsColumns(const QFont &font)
{
    // a figure, a letter, the bar and a Chinese character of the table: each loaded glyph
    // costs start-up time, and a font keeps all or none of them in a fixed width
    const QFontMetricsF metrics(font);
    const qreal column = metrics.horizontalAdvance(u'0');
    if (column <= 0)
        return false;
    for (const char16_t c : u"|G")
        if (c && metrics.horizontalAdvance(QChar(c)) != column)
            return false;
    return metrics.horizontalAdvance(u'编') == 2 * column;
}

namespace {

constexpr qreal kTolerance = 0.01;

// The first candidate installed, found by any name it carries: a Chinese desktop lists
// Zen Hei as "文泉驿等宽正黑", and Qt 6.4 knows such names only once its font list is made.
std::optional<QFont> firstCandidate(int pixelSize, qsizetype from = 0)
{
    (void)QFontDatabase::families();
    const QStringList candidates = tableFontCandidates();
    for (qsizetype k = from; k < candidates.size(); ++k) {
        if (QFontDatabase::hasFamily(candidates[k])) {
            QFont font(candidates[k]);
            font.setPixelSize(pixelSize);
            return font;
        }
    }
    return std::nullopt;
}

// The fixed-pitch font, as large as fits the designed columns.
QFont fixedFont(int pixelSize)
{
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

// Measuring loads glyphs: the box is empty until the first table, so the font is measured
// then (check()), not before the window first shows.
TableLayout::TableLayout(int pixelSize)
    : m_pixelSize(pixelSize)
    , m_column(pixelSize / 2.0)
{
    const std::optional<QFont> candidate = firstCandidate(pixelSize);
    m_font = candidate ? *candidate : fixedFont(pixelSize);
    m_checked = !candidate;
    if (m_checked)
        spaceTheFont();
}

void TableLayout::check() const
{
    if (m_checked)
        return;
    m_checked = true;
    // a font that is not what its name promised: the next candidate, or the fixed-pitch one
    const QStringList candidates = tableFontCandidates();
    for (std::optional<QFont> font = m_font; font; font = firstCandidate(m_pixelSize, candidates.indexOf(font->family()) + 1)) {
        if (keepsColumns(*font) && QFontMetricsF(*font).horizontalAdvance(u'0') == m_column) {
            m_font = *font;
            m_ownColumns = true;
            return;
        }
    }
    m_font = fixedFont(m_pixelSize);
    spaceTheFont();
}

void TableLayout::spaceTheFont() const
{
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

void TableLayout::applyTo(QTextEdit &box) const
{
    check();
    if (box.font() != m_font)
        box.setFont(m_font);
    if (m_ownColumns)
        return;
    QTextDocument &document = *box.document();
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
