#include "data/NewerTable.h"

#include "data/Cp936.h"
#include "data/ScoreRecord.h"

#include <QBuffer>
#include <QFile>
#include <QIODevice>

#include <cmath>

bool NewerTable::fill()
{
    QFile file(QStringLiteral(":/data/newer_cpu_list.tsv"));
    return file.open(QIODevice::ReadOnly) && fill(file);
}

bool NewerTable::fill(QIODevice &tsv)
{
    if (!isEmpty())
        return false;
    QString records;
    std::vector<double> scores;
    std::vector<int> submissions;
    double reference = 0;
    const QString text = QString::fromUtf8(tsv.readAll());
    for (QStringView line : QStringView(text).split(u'\n', Qt::SkipEmptyParts)) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QList<QStringView> f = line.split(u'\t');
        bool scoreRead = false;
        bool countRead = false;
        const double score = f.size() == 4 ? f[2].toDouble(&scoreRead) : 0;
        const int count = f.size() == 4 ? f[3].toInt(&countRead) : 0;
        const QStringView code = f.value(0);
        const QStringView description = f.value(1);
        const int columns = Cp936::width(description);
        const long rounded = std::lround(score);
        if (!scoreRead || !countRead || !std::isfinite(score) || score <= 0 || count < 1 || rounded > 99999
            || code != QStringLiteral("N%1").arg(scores.size() + 1) || code.size() > ScoreRecord::kCodeWidth - 1
            || description.isEmpty() || columns > ScoreRecord::kDescriptionColumns
            || scores.size() >= std::size_t(RecordTable::kLastSlot))
            return false;
        const QString marked = code + (count < kFewSubmissions ? QStringLiteral("*") : QString());
        records += u'|' + marked.leftJustified(ScoreRecord::kCodeWidth) + u'|' + description
            + QString(ScoreRecord::kDescriptionColumns - columns, u' ') + u'|'
            + QString::number(rounded).rightJustified(ScoreRecord::kScoreWidth) + QStringLiteral("|\n");
        if (description == referenceName())
            reference = score;
        scores.push_back(score);
        submissions.push_back(count);
    }
    if (reference <= 0)
        return false;
    QByteArray bytes = records.toUtf8();
    QBuffer list(&bytes);
    list.open(QIODevice::ReadOnly);
    if (!m_records.fill(list, 1, int(scores.size())))
        return false;
    m_scores = std::move(scores);
    m_submissions = std::move(submissions);
    m_reference = reference;
    return true;
}
