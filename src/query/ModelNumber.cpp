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
    for (qsizetype end = start + 1; end < upper.size(); ++end) {
        const QChar c = upper[end];
        if (c == u'\r' || c == u'\n')
            return {}; // the model number must end on its own line
        if (c == u' ')
            return end - start >= kMinimumLength ? report.sliced(start, end - start).toString() : QString();
    }
    return {};
}
