// What each name of a list finds, one name a line on standard input (a tab parts the
// fields: main, AND, OR 1 to OR 4), under ALL: the reading, the lists' codes and the newer
// table's. Then how many names found something. For checking the readings against lists of
// names written apart from the code:
//   build/bench/query_names < names.txt

#include "data/RecordTable.h"
#include "data/ScoreRecord.h"
#include "query/Lookup.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    RecordTable table;
    if (!table.FillCpuList() || !table.FillGpuList())
        return 1;
    Lookup lookup(table);
    QTextStream in(stdin);
    QTextStream out(stdout);
    int names = 0;
    int found = 0;
    for (QString line; in.readLineInto(&line);) {
        if (line.trimmed().isEmpty())
            continue;
        QStringList f = line.split(u'\t');
        while (f.size() < 6)
            f.append(QString());
        const Conditions c = normaliseConditions({f[0], f[1], f[2], f[3], f[4], f[5]});
        if (c.main.isEmpty())
            continue;
        const Lookup::Result r = lookup.find(c, QChar(u'A'), RecordTable::kRecordCount, 31);
        QStringList codes;
        for (const int slot : r.lists.hits)
            codes << ScoreRecord::codeField(table[slot]).trimmed().toString();
        for (const int slot : r.newer)
            codes << ScoreRecord::codeField(lookup.newerTable().records()[slot]).trimmed().toString();
        QStringList notes;
        for (const Lookup::ConditionNote &n : r.notes)
            notes << QStringLiteral("%1:%2").arg(n.field).arg(n.reading ? int(*n.reading) : -1);
        ++names;
        found += codes.isEmpty() ? 0 : 1;
        out << line << QStringLiteral("\t=> [%1] ").arg(int(r.lists.reading)) << codes.join(u' ')
            << (notes.isEmpty() ? QString() : QStringLiteral(" {") + notes.join(u' ') + u'}')
            << (r.namesGraphics ? QStringLiteral(" (graphics)") : QString()) << Qt::endl;
    }
    out << found << " of " << names << " names found something" << Qt::endl;
    return 0;
}
