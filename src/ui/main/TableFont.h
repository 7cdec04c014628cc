#pragma once

#include <QFont>
#include <QHash>
#include <QStringList>

class QTextEdit;

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

    // The font as named; measured (and where it fails, replaced) at the first table.
    const QFont &font() const { return m_font; }
    int lineHeight() const { return m_pixelSize; } // as designed, whatever size the font is

    // Gives the box the measured font and spaces every run of characters whose own
    // advance is not its columns.
    void applyTo(QTextEdit &box) const;

private:
    void check() const;
    void spaceTheFont() const;
    qreal spacingOf(QChar c) const; // beyond what the font itself already adds

    int m_pixelSize;
    qreal m_column;
    mutable QFont m_font;
    mutable bool m_checked = false;
    mutable bool m_ownColumns = false; // the font's own advances are the columns
    mutable qreal m_fontSpacing = 0; // set on the font, right for ASCII
    mutable QHash<char16_t, qreal> m_spacing;
};
