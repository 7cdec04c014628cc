#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The report of this computer's processors: a heading, then each name on its own line
// (CR LF before each), as the OS gave it.
QString processorReport(const QStringList &names);

// The Intel Core model number ("i7-9850H") in a processor report: from the earliest
// "I3-", "I5-", "I7-" or "I9-" (any letter case) to the blank that ends it on the same
// line, at least six characters, in the report's own letter case. Empty when none.
QString extractModelNumber(QStringView report);
