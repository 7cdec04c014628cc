#include "data/ScoreRecord.h"

#include "data/Cp936.h"

namespace ScoreRecord {

QStringView codeField(QStringView record)
{
    return record.size() >= 1 + kCodeWidth ? record.mid(1, kCodeWidth) : QStringView();
}

QChar listLetter(QStringView record)
{
    return record.size() >= 2 ? record[1] : QChar();
}

QStringView descriptionField(QStringView record)
{
    constexpr qsizetype start = 1 + kCodeWidth + 1;
    if (record.size() <= start)
        return {};
    qsizetype end = start;
    int columns = 0;
    while (end < record.size() && columns < kDescriptionColumns) {
        columns += Cp936::width(record[end]);
        ++end;
    }
    return record.mid(start, end - start);
}

QStringView scoreField(QStringView record)
{
    return record.size() >= kScoreWidth + 1 ? record.sliced(record.size() - 1 - kScoreWidth, kScoreWidth)
                                            : QStringView();
}

int scoreValue(QStringView record)
{
    const QStringView digits = scoreField(record).trimmed();
    if (digits.isEmpty())
        return 0;
    int value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return 0;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace ScoreRecord
