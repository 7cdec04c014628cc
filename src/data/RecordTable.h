#pragma once

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

    std::array<QString, kLastSlot + 1> m_slots;
};
