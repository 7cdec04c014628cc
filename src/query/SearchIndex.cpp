#include "query/SearchIndex.h"

#include "data/RecordTable.h"
#include "data/ScoreRecord.h"
#include "query/ForgivingForms.h"
#include "query/TextCase.h"

#include <algorithm>
#include <cstring>

SearchIndex::SearchIndex(const RecordTable &table, int lastSlot)
{
    m_text.push_back('\n'); // slot 0, never a hit
    m_begin.push_back(0);
    m_letters.push_back(QChar());
    m_begin.push_back(m_text.size());
    append(table, lastSlot);
}

void SearchIndex::append(const RecordTable &table, int count)
{
    m_begin.pop_back(); // the end, which the new slots move
    m_begin.reserve(m_begin.size() + std::size_t(count) + 1);
    m_letters.reserve(m_letters.size() + std::size_t(count));
    m_text.reserve(m_text.size() + std::size_t(count) * (ScoreRecord::kDescriptionColumns + 1));
    for (int slot = 1; slot <= count; ++slot) {
        const QString &record = table[slot];
        m_begin.push_back(m_text.size());
        m_text += upperCaseInPlace(ScoreRecord::descriptionField(record)).toStdString();
        m_text.push_back('\n');
        m_letters.push_back(ScoreRecord::listLetter(record));
    }
    m_begin.push_back(m_text.size());
    countBytes();
}

SearchIndex SearchIndex::withoutSeparators() const
{
    SearchIndex out;
    if (m_begin.empty())
        return out;
    out.m_letters = m_letters;
    out.m_begin.reserve(m_begin.size());
    out.m_text.reserve(m_text.size());
    std::size_t next = 0; // the next slot's start in m_text
    for (std::size_t at = 0; at < m_text.size(); ++at) {
        while (next < m_begin.size() && m_begin[next] == at) {
            out.m_begin.push_back(out.m_text.size());
            ++next;
        }
        // every separator is ASCII, so no UTF-8 sequence is cut
        if (!ForgivingForms::isSeparator(char16_t(static_cast<unsigned char>(m_text[at]))))
            out.m_text.push_back(m_text[at]);
    }
    out.m_begin.push_back(out.m_text.size());
    out.countBytes();
    return out;
}

void SearchIndex::countBytes()
{
    m_longest = 0;
    for (std::size_t k = 0; k + 1 < m_begin.size(); ++k)
        m_longest = std::max(m_longest, m_begin[k + 1] - m_begin[k] - 1);
    m_byteCount.fill(0);
    for (const char c : m_text)
        ++m_byteCount[static_cast<unsigned char>(c)];
}

// Like string_view::find, but memchr looks for the needle's rarest byte in this text
// rather than its first: "INTEL" is everywhere, so an "I..." needle would stop at every one.
std::size_t SearchIndex::find(std::string_view needle, std::size_t from) const
{
    std::size_t anchor = 0;
    for (std::size_t k = 1; k < needle.size(); ++k) {
        if (m_byteCount[static_cast<unsigned char>(needle[k])] < m_byteCount[static_cast<unsigned char>(needle[anchor])])
            anchor = k;
    }
    const char *const begin = m_text.data();
    const char *const end = begin + m_text.size();
    const char *p = begin + from + anchor;
    while (p < end) {
        const void *hit = std::memchr(p, needle[anchor], std::size_t(end - p));
        if (!hit)
            return std::string_view::npos;
        const char *start = static_cast<const char *>(hit) - anchor;
        if (std::size_t(end - start) < needle.size())
            return std::string_view::npos;
        // cheap checks of both ends first: most stops fail there
        if (start[0] == needle.front() && start[needle.size() - 1] == needle.back()
            && std::memcmp(start, needle.data(), needle.size()) == 0)
            return std::size_t(start - begin);
        p = static_cast<const char *>(hit) + 1;
    }
    return std::string_view::npos;
}

bool SearchIndex::mayHold(std::string_view needle) const
{
    return needle.size() <= m_longest
        && std::none_of(needle.begin(), needle.end(), [&](char c) { return m_byteCount[static_cast<unsigned char>(c)] == 0; });
}

int SearchIndex::slotAt(std::size_t offset) const
{
    return int(std::upper_bound(m_begin.begin(), m_begin.end(), offset) - m_begin.begin()) - 1;
}

int SearchIndex::firstSlotContaining(std::string_view needle, int fromSlot) const
{
    if (needle.empty() || fromSlot > lastSlot())
        return 0;
    std::size_t from = m_begin[std::size_t(std::max(fromSlot, 1))];
    for (;;) {
        const std::size_t at = find(needle, from);
        if (at == std::string_view::npos)
            return 0;
        const int slot = slotAt(at);
        if (slot > lastSlot())
            return 0;
        // a needle holding a line feed can run into the next description; then no later
        // start in this description fits either
        if (at + needle.size() < m_begin[std::size_t(slot) + 1])
            return slot;
        from = m_begin[std::size_t(slot) + 1];
    }
}
