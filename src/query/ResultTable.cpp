#include "query/ResultTable.h"

#include "data/ScoreRecord.h"

#include <algorithm>

namespace ResultTable {

QString frameLine()
{
    return QStringLiteral("+-----+----------------------------------------+-----+--------+\r\n");
}

QString headerText()
{
    return frameLine()
        + QStringLiteral("|编号 |硬件描述                                |得分 |与 I3-  |\r\n")
        + QStringLiteral("|     |                                        |     |4340比% |\r\n")
        + frameLine();
}

QString readingNoteLine(RecordSearch::Reading reading)
{
    switch (reading) {
    case RecordSearch::Reading::AsTyped: break;
    case RecordSearch::Reading::WithoutSeparators:
        return QStringLiteral("注:照原样没有匹配的记录,以下是忽略空格和连字符后匹配的记录。\r\n");
    case RecordSearch::Reading::AliasesRead:
        return QStringLiteral("注:照原样没有匹配的记录,以下是按简称和中文名匹配的记录。\r\n");
    case RecordSearch::Reading::FullName:
        return QStringLiteral("注:照原样没有匹配的记录,以下是略去商标主频等字样后匹配的记录。\r\n");
    }
    return {};
}

QString missLine(QChar excluded)
{
    if (excluded == u'C')
        return QStringLiteral("注:没有匹配记录;榜单止于2020年初,较新的显卡两表均未收录。\r\n");
    return QStringLiteral("注:没有匹配记录;榜单止于2020年初,不含新型号;可只输数字如4790。\r\n");
}

QString conditionNoteLine(int field, std::optional<RecordSearch::Reading> reading)
{
    const QString which = field == 0 ? QStringLiteral("主条件") : QStringLiteral("或条件%1").arg(field);
    if (!reading)
        return QStringLiteral("注:") + which + QStringLiteral("在两表中均无匹配记录。\r\n");
    QString how;
    switch (*reading) {
    case RecordSearch::Reading::AsTyped: return {};
    case RecordSearch::Reading::WithoutSeparators: how = QStringLiteral("忽略空格和连字符后"); break;
    case RecordSearch::Reading::AliasesRead: how = QStringLiteral("按简称和中文名"); break;
    case RecordSearch::Reading::FullName: how = QStringLiteral("略去商标主频等字样后"); break;
    }
    return QStringLiteral("注:") + which + QStringLiteral("照原样无匹配,以下含") + how + QStringLiteral("匹配的记录。\r\n");
}

QString notesAbove(const Lookup::Result &found)
{
    QString notes = found.lists.hits.empty() ? QString() : readingNoteLine(found.lists.reading);
    for (const Lookup::ConditionNote &note : found.notes)
        notes += conditionNoteLine(note.field, note.reading);
    return notes;
}

QString newerNoteText(bool anyMarked, bool besideLists)
{
    return (besideLists ? QStringLiteral("注:含榜单外型号;下为Blender Open Data的CPU渲染分(2026-10快照)。\r\n")
                        : QStringLiteral("注:榜单无匹配;下为Blender Open Data的CPU渲染分(2026-10快照)。\r\n"))
        + (anyMarked ? QStringLiteral("注:另一标尺,只可在本表内比较;编号带*的提交少于10次,误差较大。\r\n")
                     : QStringLiteral("注:另一标尺,只可在本表内比较。\r\n"));
}

QString newerNoteText(const NewerTable &table, const std::vector<int> &slots, bool besideLists)
{
    const auto shown = slots.begin() + std::ptrdiff_t(std::min<std::size_t>(slots.size(), kMaxRows));
    return newerNoteText(std::any_of(slots.begin(), shown, [&](int slot) {
        return table.submissions(slot) < NewerTable::kFewSubmissions;
    }), besideLists);
}

QString newerHeaderText()
{
    return frameLine()
        + QStringLiteral("|编号 |Blender CPU渲染分(另一标尺)             |得分 |与 I7-  |\r\n")
        + QStringLiteral("|     |                                        |     |4790K比%|\r\n")
        + frameLine();
}

namespace {

QString percentCell(double percent, const QLocale &locale)
{
    QLocale numbers = locale;
    numbers.setNumberOptions(numbers.numberOptions() & ~QLocale::OmitGroupSeparator);
    return numbers.toString(percent, 'f', 2).rightJustified(8) + QLatin1Char('|');
}

} // namespace

QString newerRowText(QStringView record, double score, double referenceScore, const QLocale &locale)
{
    return record + percentCell(score * 100.0 / referenceScore, locale) + QStringLiteral("\r\n");
}

QString percentageCell(QStringView record, const QLocale &locale)
{
    if (ScoreRecord::listLetter(record) != u'C')
        return QStringLiteral("        |");
    return percentCell(ScoreRecord::scoreValue(record) * 100.0 / kReferenceScore, locale);
}

QString rowText(QStringView record, const QLocale &locale)
{
    return record + percentageCell(record, locale) + QStringLiteral("\r\n");
}

bool frameFollowsRow(int rowNumber)
{
    return rowNumber % 5 == 4;
}

bool closingLineNeeded(int rowCount)
{
    return rowCount >= 1 && !frameFollowsRow(rowCount);
}

bool isTierMember(QStringView record, QStringView tierCodes)
{
    const QStringView code = ScoreRecord::codeField(record);
    return code.size() == ScoreRecord::kCodeWidth && tierCodes.contains(code);
}

} // namespace ResultTable
