#include "query/WordStarts.h"

#include "query/ForgivingForms.h"
#include "query/SearchIndex.h"

#include <algorithm>
#include <utility>

namespace {

bool isSeparator(char c)
{
    return ForgivingForms::isSeparator(char16_t(static_cast<unsigned char>(c)));
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

bool WordStarts::startsAWord(char first, char before)
{
    return isDigit(first) ? !isDigit(before) && !isLetter(before) : !isLetter(before);
}

std::uint32_t WordStarts::keyOf(std::string_view bytes)
{
    std::uint32_t key = 0;
    for (std::size_t k = 0; k < kKeyBytes; ++k)
        key = key << 8 | (k < bytes.size() ? static_cast<unsigned char>(bytes[k]) : 0U);
    return key;
}

WordStarts::WordStarts(const SearchIndex &asTyped)
{
    std::vector<std::pair<std::uint32_t, int>> starts;
    starts.reserve(std::size_t(asTyped.lastSlot()) * 24);
    for (int slot = 1; slot <= asTyped.lastSlot(); ++slot) {
        const std::string_view d = asTyped.description(slot);
        for (std::size_t k = 0; k < d.size(); ++k) {
            // a UTF-8 continuation byte never starts a word
            if (isSeparator(d[k]) || (static_cast<unsigned char>(d[k]) & 0xC0) == 0x80
                || !startsAWord(d[k], k > 0 ? d[k - 1] : ' '))
                continue;
            char start[kKeyBytes];
            std::size_t length = 0;
            for (std::size_t next = k; next < d.size() && length < kKeyBytes; ++next) {
                if (!isSeparator(d[next]))
                    start[length++] = d[next];
            }
            for (std::size_t bytes = 1; bytes <= length; ++bytes)
                starts.emplace_back(keyOf(std::string_view(start, bytes)), slot);
        }
    }
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    m_slots.reserve(starts.size());
    for (const auto &[key, slot] : starts) {
        if (m_keys.empty() || m_keys.back() != key) {
            m_keys.push_back(key);
            m_begin.push_back(std::uint32_t(m_slots.size()));
        }
        m_slots.push_back(slot);
    }
    m_begin.push_back(std::uint32_t(m_slots.size()));
}

std::span<const int> WordStarts::candidatesFor(std::string_view word) const
{
    if (word.empty())
        return {};
    const std::uint32_t key = keyOf(word);
    const auto found = std::lower_bound(m_keys.begin(), m_keys.end(), key);
    if (found == m_keys.end() || *found != key)
        return {};
    const auto k = std::size_t(found - m_keys.begin());
    return std::span<const int>(m_slots).subspan(m_begin[k], m_begin[k + 1] - m_begin[k]);
}
