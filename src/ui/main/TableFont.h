#pragma once

#include <QFont>
#include <QHash>
#include <QStringList>

class QTextDocument;

// The result table lines up only where every Chinese character takes two columns and
// every other character one. These are the families known to be so, in the order tried.
QStringList tableFontCandidates();

// True when every character the table uses takes one column and a Chinese one two.
bool keepsColumns(const QFont &font);

// The result box's font, and what keeps its columns where no font of the candidates is
// installed: the system's fixed-pitch font, no wider than designed, with each character
// spaced out or in to exactly its columns (two for a Chinese one, Cp936::width), a column
// being half the designed pixel size. The text itself is never changed.
class TableLayout final
{
public:
    explicit TableLayout(int pixelSize);

    const QFont &font() const { return m_font; }
    int lineHeight() const { return m_pixelSize; } // as designed, whatever size the font is

    // Spaces every run of characters whose own advance is not its columns.
    void applyTo(QTextDocument &document) const;

private:
    qreal spacingOf(QChar c) const; // beyond what the font itself already adds

    int m_pixelSize;
    QFont m_font;
    qreal m_column = 0;
    bool m_ownColumns = false; // the font's own advances are the columns
    qreal m_fontSpacing = 0; // set on the font, right for ASCII
    mutable QHash<char16_t, qreal> m_spacing;
};
