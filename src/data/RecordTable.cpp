#include "data/RecordTable.h"

#include <QFile>
#include <QIODevice>
#include <QList>

bool RecordTable::FillCpuList()
{
    return fillFromResource(QStringLiteral(":/data/cpu_list.txt"), 1, kCpuCount);
}

bool RecordTable::FillGpuList()
{
    return fillFromResource(QStringLiteral(":/data/gpu_list.txt"), kCpuCount + 1, kGpuCount);
}

bool RecordTable::fillFromResource(const QString &path, int firstSlot, int count)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && fill(file, firstSlot, count);
}

bool RecordTable::fill(QIODevice &list, int firstSlot, int count)
{
    if (firstSlot < 1 || count < 0 || firstSlot + count - 1 > kLastSlot)
        return false;
    const QString text = QString::fromUtf8(list.readAll());
    QList<QStringView> lines = QStringView(text).split(u'\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    if (lines.size() != count)
        return false;
    for (QStringView &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            return false;
    }
    for (int k = 0; k < count; ++k)
        m_slots[std::size_t(firstSlot + k)] = lines.at(k).toString();
    return true;
}
