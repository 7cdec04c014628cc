#include "query/SearchIndex.h"

#include "data/RecordTable.h"
#include "data/ScoreRecord.h"
#include "query/TextCase.h"

SearchIndex::SearchIndex(const RecordTable &table, int lastSlot)
{
    m_offsets.reserve(std::size_t(lastSlot) + 1);
    m_letters.reserve(std::size_t(lastSlot) + 1);
    m_offsets.push_back(0);
    m_letters.push_back(QChar());
    m_text.reserve(qsizetype(lastSlot) * ScoreRecord::kDescriptionColumns);
    for (int slot = 1; slot <= lastSlot; ++slot) {
        const QString &record = table[slot];
        m_text += upperCaseInPlace(ScoreRecord::descriptionField(record));
        m_offsets.push_back(m_text.size());
        m_letters.push_back(ScoreRecord::listLetter(record));
    }
}

QStringView SearchIndex::description(int slot) const
{
    const qsizetype begin = m_offsets[std::size_t(slot) - 1];
    return QStringView(m_text).sliced(begin, m_offsets[std::size_t(slot)] - begin);
}
