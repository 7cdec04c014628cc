#pragma once

#include "data/WrittenNames.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class SearchIndex;

// What the lists' own descriptions teach the full-name reading: every record's words, its
// model number (the first word of three digits or more, "9400F", "2080", "3700U"; else the
// last with the most digits: "Vega 8", "FX-72"), the words written just before a model in
// any record ("GTX", "i7", "RX", "Ryzen 5"), and the letter parts of model numbers. A slash
// or a plus starts a segment with a model of its own ("R9 290X / 390X").
class ListVocabulary final
{
public:
    using Maker = WrittenNames::Maker;

    enum Flag : std::uint16_t {
        Digits = 1 << 0,      // holds a digit
        Clock = 1 << 1,       // "3.60GHZ": said of a model, never a model itself
        MakerName = 1 << 2,   // "INTEL", or a family telling the maker ("GEFORCE")
        Form = 1 << 3,        // "移动版", "WITH MAX-Q DESIGN": a close variant
        MobileForm = 1 << 4,
        Variant = 1 << 5,     // after a model: another product ("TI", "V2", "3GB")
        Descriptive = 1 << 6, // "GRAPHICS", "APU"
        Cjk = 1 << 7,
        WrittenForm = 1 << 8, // "MAX" of Max-Q: the text must write it for the record to be meant
    };
    struct Word
    {
        std::string_view text; // upper case, UTF-8
        std::uint16_t flags = 0;
        std::uint8_t segment = 0;
        std::uint8_t digits = 0;
        bool has(Flag f) const { return (flags & f) != 0; }
    };
    struct Record
    {
        std::uint32_t firstWord = 0;
        std::uint8_t wordCount = 0;
        std::uint8_t modelCount = 0;
        std::uint8_t models[4] = {}; // word indices; the first is the record's own
        char letter = 0;
        Maker maker = Maker::None;
    };
    // A run of a record's words, glued as a text may write them ("RTX2060", "I59300H"),
    // that holds one of its models.
    struct Key
    {
        std::string_view glue;
        int slot;
        std::uint8_t model; // word index of the model
        std::uint8_t first; // first word of the glue
    };

    ListVocabulary() = default;
    explicit ListVocabulary(const SearchIndex &asTyped);
    ListVocabulary(const ListVocabulary &) = delete; // the views point into m_text
    ListVocabulary &operator=(const ListVocabulary &) = delete;
    ListVocabulary(ListVocabulary &&) = default;
    ListVocabulary &operator=(ListVocabulary &&) = default;

    bool isEmpty() const { return m_records.size() <= 1; }
    int lastSlot() const { return int(m_records.size()) - 1; }
    const Record &record(int slot) const { return m_records[std::size_t(slot)]; }
    std::span<const Word> words(int slot) const;

    std::span<const Key> keysFor(std::string_view glue) const;
    // Calls f(slot, model) for every model whose first run of digits is as long as digits
    // and begins with prefix.
    template <typename F>
    void forEachModelInFamily(std::string_view digits, std::string_view prefix, F &&f) const;
    // Calls f(slot, model) for every model written as number followed by letters.
    template <typename F>
    void forEachModelExtending(std::string_view number, F &&f) const;
    std::span<const int> recordsWithoutModel() const { return m_withoutModel; }

    // A word written just before some record's model: a series or a tier.
    bool isSeriesWord(std::string_view word) const;
    // A word of some description, or the letters of some model number ("K", "HQ", "T").
    bool isKnown(std::string_view word) const;

    // The word tables of WrittenNames, in UTF-8.
    static Maker makerWord(std::string_view word);
    static Maker makerOf(std::span<const Word> words);
    static bool isUnit(std::string_view word);
    static bool startsWithChineseUnit(std::string_view word);
    static bool isSpokenVariant(std::string_view word);
    static bool isDescriptive(std::string_view word);
    static bool isFamilyWord(std::string_view word);
    static bool isLaptopWord(std::string_view text);
    static bool isDesktopWord(std::string_view text);

private:
    static std::uint16_t flagsFor(const Word &w);

    struct Model
    {
        std::string_view text; // the model word, or for a family its first run of digits
        int slot;
        std::uint8_t model;
        bool operator<(const Model &o) const { return text < o.text; }
    };

    std::string m_text; // every description, each ending in a line feed
    std::vector<Word> m_words;
    std::vector<Record> m_records; // by slot; slot 0 empty
    std::vector<Key> m_keys;       // sorted by glue
    std::unordered_map<std::string_view, std::pair<std::uint32_t, std::uint32_t>> m_keyRanges; // glue: its keys
    std::string m_glueText; // the glues of several words, which m_text cannot hold
    std::vector<Model> m_models;   // sorted by model word
    std::vector<Model> m_byDigits; // sorted by first run of digits
    std::vector<int> m_withoutModel;
    std::vector<std::string_view> m_seriesWords; // sorted
    std::vector<std::string_view> m_known;       // sorted
};

template <typename F>
void ListVocabulary::forEachModelInFamily(std::string_view digits, std::string_view prefix, F &&f) const
{
    auto it = std::lower_bound(m_byDigits.begin(), m_byDigits.end(), Model{prefix, 0, 0});
    for (; it != m_byDigits.end() && it->text.substr(0, prefix.size()) == prefix; ++it) {
        if (it->text.size() == digits.size())
            f(it->slot, it->model);
    }
}

template <typename F>
void ListVocabulary::forEachModelExtending(std::string_view number, F &&f) const
{
    auto it = std::lower_bound(m_models.begin(), m_models.end(), Model{number, 0, 0});
    for (; it != m_models.end() && it->text.substr(0, number.size()) == number; ++it) {
        const char next = it->text.size() > number.size() ? it->text[number.size()] : '\0';
        if (next >= 'A' && next <= 'Z')
            f(it->slot, it->model);
    }
}
