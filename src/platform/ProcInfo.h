#pragma once

#include <QString>
#include <QStringList>

// Processor names from the text of Linux's /proc/cpuinfo: the first "model name" of each
// physical package; on machines without one (many ARM boards) the names lscpu would give.
namespace ProcInfo {

QStringList processorNames(const QString &cpuinfo);
QStringList processorNamesFromFile(const QString &path);

} // namespace ProcInfo
