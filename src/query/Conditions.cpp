#include "query/Conditions.h"

#include "query/TextCase.h"

namespace {

// What pasting and Chinese input methods slip into a field: other kinds of space, dashes
// that look like a hyphen, and the full-width forms of ASCII. One code unit each.
char16_t folded(char16_t c)
{
    switch (c) {
    case u'\t':
    case u'\n':
    case u'\r':
    case u'\u00A0':
    case u'\u3000': return u' ';
    case u'\u2212':
    case u'\uFE63': return u'-';
    default: break;
    }
    if (c >= 0x2010 && c <= 0x2015)
        return u'-';
    if (c >= 0xFF01 && c <= 0xFF5E)
        return char16_t(c - 0xFEE0);
    return c;
}

// Characters that show as nothing, which web pages put inside model names.
bool isInvisible(char16_t c)
{
    return (c >= 0x200B && c <= 0x200D) || c == 0x2060 || c == 0xFEFF || c == 0x00AD;
}

} // namespace

QString normaliseCondition(QStringView fieldText)
{
    QString text;
    text.reserve(fieldText.size());
    for (const QChar c : fieldText) {
        if (!isInvisible(c.unicode()))
            text.append(QChar(folded(c.unicode())));
    }
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return upperCaseInPlace(QStringView(text).sliced(begin, end - begin));
}

Conditions normaliseConditions(const Conditions &f)
{
    return {normaliseCondition(f.main), normaliseCondition(f.andCondition), normaliseCondition(f.or1),
            normaliseCondition(f.or2),  normaliseCondition(f.or3),          normaliseCondition(f.or4)};
}

MatchMode chooseMatchMode(const Conditions &c)
{
    if (!c.andCondition.isEmpty())
        return MatchMode::And;
    if (c.or1.isEmpty())
        return MatchMode::MainOnly;
    if (c.or2.isEmpty())
        return MatchMode::Or1;
    if (c.or3.isEmpty())
        return MatchMode::Or2;
    if (c.or4.isEmpty())
        return MatchMode::Or3;
    return MatchMode::Or4;
}

QStringList eitherConditions(const Conditions &c)
{
    const MatchMode mode = chooseMatchMode(c);
    QStringList any{c.main};
    if (mode >= MatchMode::Or1) any << c.or1;
    if (mode >= MatchMode::Or2) any << c.or2;
    if (mode >= MatchMode::Or3) any << c.or3;
    if (mode >= MatchMode::Or4) any << c.or4;
    return any;
}

QString capNote(MatchMode mode)
{
    QChar tag;
    switch (mode) {
    case MatchMode::MainOnly: tag = u'a'; break;
    case MatchMode::And: tag = u'b'; break;
    case MatchMode::Or1: tag = u'c'; break;
    case MatchMode::Or2: tag = u'd'; break;
    case MatchMode::Or3:
    case MatchMode::Or4: tag = u'e'; break;
    }
    return QStringLiteral("注:仅显示前30条记录(请缩少范围)") + tag + QStringLiteral("。");
}

QChar excludedLetter(QStringView categoryMark)
{
    if (categoryMark == u"1")
        return u'A';
    if (categoryMark == u"2")
        return u'G';
    if (categoryMark == u"3")
        return u'C';
    return {};
}
