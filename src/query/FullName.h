#pragma once

#include "data/WrittenNames.h"
#include "query/ListVocabulary.h"

#include <QStringView>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>


// The third reading of a condition, tried only when neither the query as typed nor the
// forgiving reading lists anything: a name as a computer, a tool, a shop or a person writes
// it, read by what the lists know. The text names a record when it writes the record's
// model number as a whole word (glued or not: "RTX2060", "i5-9300H") and every variant word
// the record has after it ("Ti", "SUPER", "v2", "双卡"); words no description writes never
// keep a record from being found. A word the lists write just before their model numbers
// ("RX", "i7", "Ryzen 5", a maker) must agree with the record, and of the records a model
// number names, the ones that hold most of the text win: the RTX 2060 over the RTX 2060
// SUPER, with the laptop forms of the same chip beside it. A text may name several devices
// ("i5-9300H ... GTX1650"), a family ("Radeon R9 200 Series") or a list ("RX 470/480").
class FullName final
{
public:
    explicit FullName(QStringView normalised);
    FullName(const FullName &) = delete; // the tokens are views into m_text
    FullName &operator=(const FullName &) = delete;

    struct Named
    {
        std::vector<int> found; // slots, ascending
        // a newer row (list letter N) stands where no record of the lists does
        bool newerOwn = false;
    };
    // Where an old and a newer record read the same place, the one that reads more of it
    // wins: "7800X3D" is the newer 7800X3D, not the old 7800X.
    Named named(const ListVocabulary &lists) const;
    // Whether the text writes a word of the record in slot (an AND condition narrows so).
    bool mentions(const ListVocabulary &lists, int slot) const;

private:
    using Maker = WrittenNames::Maker;
    struct Token
    {
        std::string_view text; // upper case, UTF-8, in m_text
        bool cjk = false;
        // where letters and digits change, both ends included; none in a token too long
        std::uint8_t boundaries[18] = {};
        std::uint8_t boundaryCount = 0;
        std::span<const std::uint8_t> runs() const { return {boundaries, boundaryCount}; }
        char separatorBefore = '\0';    // the last character between this token and the one before, spaces skipped
        bool closeToBefore = false;     // at most one space between
    };
    struct Aligned
    {
        std::uint16_t token;
        std::uint8_t from, to;
    };
    enum class How : std::uint8_t { Model, Family, Extended };
    struct Candidate
    {
        int slot;
        std::uint8_t model; // word index in the record
        std::uint8_t first; // the record's first word the text glues to the model
        std::uint8_t from, to; // where the glue stands in its token
        How how;
    };

    static std::string readText(QStringView normalised);
    void tokenise();
    void readTokens();
    void indexPresence();
    std::string_view textOf(const Aligned &a) const;
    bool present(std::string_view word) const;
    bool isQuantity(std::size_t token, std::size_t from, std::size_t to) const;
    struct Before
    {
        enum { Nothing, MakerName, Series } kind = Nothing;
        Maker maker = Maker::None;
        std::string_view word;
    };
    Before wordBefore(const ListVocabulary &lists, std::size_t token) const;
    const Before &beforeAt(const ListVocabulary &lists, std::size_t token) const; // wordBefore, once a token
    bool stands(const ListVocabulary &lists, const Candidate &c, std::size_t token) const;
    bool quantityAt(std::size_t token, std::size_t from, std::size_t to) const; // isQuantity, once a place
    bool knownAt(const ListVocabulary &lists, std::string_view letters) const;  // lists.isKnown, once
    // A record named at a place of the text: a token, and the part of it its glue reads.
    struct Won
    {
        int slot;
        std::size_t token;
        std::uint8_t from, to;
    };
    // Keeps, of the candidates standing at one place of the text, the ones that explain most;
    // where only a maker stands before the number, the best of each series.
    bool settle(const ListVocabulary &lists, std::vector<Candidate> &candidates, std::size_t token,
                std::vector<Won> &named) const;
    void pickBest(const ListVocabulary &lists, std::span<const Candidate> candidates, std::size_t token,
                  std::vector<Won> &named) const;
    bool partNumberAt(std::size_t token, const Candidate &c) const;
    bool writtenAfter(std::string_view word, std::size_t token, const Candidate &c) const;
    static Named contest(const ListVocabulary &lists, const std::vector<Won> &named);
    // A candidate with where its model stands: token, place, list letter.
    struct Placed
    {
        std::size_t token, at;
        char letter;
        Candidate c;
        std::uint64_t key() const
        {
            return std::uint64_t(token) << 40 | std::uint64_t(at) << 32 | std::uint64_t(std::uint8_t(letter)) << 24
                | std::uint64_t(c.slot);
        }
    };
    struct Number
    {
        std::size_t token, from, to;
        bool family; // "SERIES" follows
    };
    using Word = ListVocabulary::Word;
    bool wholeNameWritten(std::span<const Word> words) const;
    std::vector<Placed> placedModels(const ListVocabulary &lists) const;
    std::vector<Number> numbersWritten() const;
    void settleEachList(const ListVocabulary &lists, const std::vector<Candidate> &all, std::size_t token,
                        std::vector<Won> &named) const;
    void nameFamily(const ListVocabulary &lists, const Number &number, std::vector<Won> &named) const;
    void nameExtended(const ListVocabulary &lists, const Number &number, std::vector<Won> &named) const;
    void nameWithoutNumber(const ListVocabulary &lists, Named &result) const;
    bool plusJoined(std::size_t token) const;

    std::string m_text; // the text, then " | " and its names read where that differs
    std::vector<Token> m_tokens;
    std::vector<Aligned> m_aligned;
    std::vector<std::string_view> m_alignedText; // their texts, in the same order
    std::vector<std::uint32_t> m_presence;        // open addressing: 1 + an index of m_alignedText
    std::vector<std::string> m_read; // words read from marks ("RTX2070M": "移动版")
    std::vector<std::pair<std::size_t, Maker>> m_makers; // token, maker named there
    bool m_laptop = false;
    bool m_desktop = false;
    bool m_hasNumber = false; // a run of three digits or more
    // what the candidates at one place share, worked out once
    mutable std::vector<std::optional<Before>> m_before;
    mutable std::vector<std::tuple<std::size_t, std::size_t, std::size_t, bool>> m_quantities;
    mutable std::vector<std::pair<std::string_view, bool>> m_known;
    mutable std::vector<std::pair<int, int>> m_scores;
};
