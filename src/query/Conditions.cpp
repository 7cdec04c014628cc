#include "query/Conditions.h"

#include "query/TextCase.h"

QString normaliseCondition(QStringView fieldText)
{
    qsizetype begin = 0;
    qsizetype end = fieldText.size();
    while (begin < end && fieldText[begin] == u' ')
        ++begin;
    while (end > begin && fieldText[end - 1] == u' ')
        --end;
    return upperCaseInPlace(fieldText.sliced(begin, end - begin));
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
