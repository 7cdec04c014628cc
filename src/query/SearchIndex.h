#pragma once

#include <QChar>

#include <array>
#include <string>
#include <string_view>
#include <vector>

class RecordTable;

// What a query compares against, prepared once: the upper-cased description field and the
// list letter of every record. The descriptions sit in one UTF-8 buffer, each followed by
// a line feed, so a search runs through them all at memchr speed; a substring of valid
// UTF-8 is exactly a substring of code points, so nothing changes in what matches.
// The records themselves stay as stored.
class SearchIndex final
{
public:
    SearchIndex() = default;
    SearchIndex(const RecordTable &table, int lastSlot);

    // Slots 1 to count of another table, after the last slot: one record space to search.
    void append(const RecordTable &table, int count);

    // The same descriptions with spaces, hyphens, underscores and dots taken out, for the
    // forgiving pass; slots stay as they are.
    SearchIndex withoutSeparators() const;

    int lastSlot() const { return int(m_begin.size()) - 2; }
    // Whether some description may hold needle: none does when it is longer than all of
    // them or holds a byte that none has.
    bool mayHold(std::string_view needle) const;
    std::string_view description(int slot) const
    {
        return std::string_view(m_text).substr(m_begin[std::size_t(slot)],
                                                m_begin[std::size_t(slot) + 1] - 1 - m_begin[std::size_t(slot)]);
    }
    QChar letter(int slot) const { return m_letters[std::size_t(slot)]; }

    // The first slot in [fromSlot, lastSlot()] whose description contains needle; 0 if none.
    int firstSlotContaining(std::string_view needle, int fromSlot) const;

private:
    void countBytes();
    int slotAt(std::size_t offset) const;
    std::size_t find(std::string_view needle, std::size_t from) const;

    std::string m_text;
    std::array<std::size_t, 256> m_byteCount{}; // how often each byte occurs in m_text
    std::vector<std::size_t> m_begin; // slot k spans [m_begin[k], m_begin[k + 1] - 1)
    std::vector<QChar> m_letters;
    std::size_t m_longest = 0;
};
