#include "query/ModelNumber.h"

#include "query/TextCase.h"

QString processorReport(const QStringList &names)
{
    QString report = QStringLiteral("本机CPU型号：");
    for (const QString &name : names)
        report += QStringLiteral("\r\n") + name;
    return report;
}

QString extractModelNumber(QStringView report)
{
    constexpr qsizetype kMinimumLength = 6;
    const QString upper = upperCaseInPlace(report);
    qsizetype start = -1;
    for (const QStringView marker : {u"I3-", u"I5-", u"I7-", u"I9-"}) {
        const qsizetype at = upper.indexOf(marker);
        if (at >= 0 && (start < 0 || at < start))
            start = at;
    }
    if (start < 0)
        return {};
    // the model ends at a blank, or where its line ends: every Intel name since the 12th
    // generation ends with it ("12th Gen Intel(R) Core(TM) i5-12400F")
    qsizetype end = start + 1;
    while (end < upper.size() && upper[end] != u' ' && upper[end] != u'\r' && upper[end] != u'\n')
        ++end;
    return end - start >= kMinimumLength ? report.sliced(start, end - start).toString() : QString();
}
