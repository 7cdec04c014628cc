#include "platform/DesktopPlatform.h"
#include "platform/ProcInfo.h"

QStringList systemProcessorNames()
{
    return ProcInfo::processorNamesFromFile(QStringLiteral("/proc/cpuinfo"));
}
