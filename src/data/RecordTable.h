#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <array>

class QIODevice;

// The record table: slot 0 empty, slots 1-3012 the CPU list (Ck in slot k), slots
// 3013-4734 the GPU list (Gn in slot 3012 + n), slots 4735-4736 empty.
class RecordTable final
{
public:
    static constexpr int kCpuCount = 3012;
    static constexpr int kGpuCount = 1722;
    static constexpr int kRecordCount = kCpuCount + kGpuCount; // 4734
    static constexpr int kLastSlot = 4736;

    RecordTable() = default;
    Q_DISABLE_COPY_MOVE(RecordTable) // the records point into the table's own copy of the lists

    // Fill from the built-in lists; false (and the list's slots left empty) when the
    // built-in list is damaged, which only a broken build can cause.
    bool FillCpuList();
    bool FillGpuList();

    // Fill count slots from firstSlot with the lines of a list (UTF-8, LF or CR LF).
    // Nothing is stored unless the list holds exactly count non-empty lines.
    bool fill(QIODevice &list, int firstSlot, int count);

    const QString &operator[](int slot) const { return m_slots.at(std::size_t(slot)); }

private:
    bool fillFromResource(const QString &path, int firstSlot, int count);

    QList<QString> m_lists; // the lists' text, which the records share rather than copy
    std::array<QString, kLastSlot + 1> m_slots;
};
