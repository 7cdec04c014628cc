#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class SearchIndex;

// Where a word of a full name (FullNames) can stand: for the first one, two and three
// bytes (separators skipped) of every word start in the descriptions, the slots that have
// one. A word finds its candidates here at once, not by a pass over the text.
class WordStarts final
{
public:
    WordStarts() = default;
    explicit WordStarts(const SearchIndex &asTyped); // descriptions with their separators

    // Whether a word may begin with the byte first where the description has the byte
    // before it: a number starts a word of its own ("530" is not the "P530"); a letter
    // may follow a digit ("I7").
    static bool startsAWord(char first, char before);

    bool isEmpty() const { return m_slots.empty(); }

    // The slots, ascending, with a word starting like the word given: its first three
    // bytes, or all of a shorter one.
    std::span<const int> candidatesFor(std::string_view word) const;

private:
    static constexpr std::size_t kKeyBytes = 3;
    static std::uint32_t keyOf(std::string_view bytes); // the first kKeyBytes of them

    std::vector<std::uint32_t> m_keys; // ascending
    std::vector<std::uint32_t> m_begin; // the slots of m_keys[k] are m_slots[m_begin[k], m_begin[k + 1])
    std::vector<int> m_slots;
};
