#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <vector>

class RecordTable;

// What a query compares against, prepared once: the upper-cased description field and
// the list letter of every record. The records themselves stay as stored.
class SearchIndex final
{
public:
    SearchIndex() = default;
    SearchIndex(const RecordTable &table, int lastSlot);

    int lastSlot() const { return int(m_offsets.size()) - 1; }
    QStringView description(int slot) const;
    QChar letter(int slot) const { return m_letters[std::size_t(slot)]; }

private:
    // All descriptions in one buffer; slot k spans [m_offsets[k-1], m_offsets[k]).
    QString m_text;
    std::vector<qsizetype> m_offsets;
    std::vector<QChar> m_letters;
};
