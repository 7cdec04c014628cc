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
    QString text = QString::fromUtf8(list.readAll());
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
    // each record a view into the text kept here: one allocation, not 4734
    m_lists.append(std::move(text));
    for (int k = 0; k < count; ++k)
        m_slots[std::size_t(firstSlot + k)] = QString::fromRawData(lines.at(k).data(), lines.at(k).size());
    return true;
}
