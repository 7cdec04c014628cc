#include "query/ListVocabulary.h"

#include "query/AsciiText.h"
#include "query/SearchIndex.h"

#include <QString>

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace {

using Maker = WrittenNames::Maker;
using Word = ListVocabulary::Word;

using AsciiText::isDigit;
constexpr auto isLetter = AsciiText::isCapital;
constexpr auto isAlnum = AsciiText::isLetterOrDigit;

// A table of WrittenNames in UTF-8, sorted for look-ups.
std::vector<std::string> utf8(std::span<const QStringView> words)
{
    std::vector<std::string> out;
    for (const QStringView w : words)
        out.push_back(w.toString().toStdString());
    std::sort(out.begin(), out.end());
    return out;
}

bool holds(const std::vector<std::string> &sorted, std::string_view word)
{
    return std::binary_search(sorted.begin(), sorted.end(), word, std::less<>());
}

bool holdsAnywhere(const std::vector<std::string> &words, std::string_view text)
{
    return std::any_of(words.begin(), words.end(), [&](const std::string &w) { return text.find(w) != std::string_view::npos; });
}

const std::vector<std::string> &formWords()
{
    static const std::vector<std::string> all = utf8(WrittenNames::formWords());
    return all;
}

const std::vector<std::string> &mobileFormWords()
{
    static const std::vector<std::string> all = utf8(WrittenNames::mobileFormWords());
    return all;
}

const std::vector<std::string> &variantWords()
{
    static const std::vector<std::string> all = utf8(WrittenNames::variantWords());
    return all;
}

// "V2", "3GB", "512", "2048SP", "50TH": after a model, these make another product
bool hasVariantShape(std::string_view w)
{
    if (w.size() == 2 && w[0] == 'V' && isDigit(w[1]))
        return true;
    std::size_t digits = 0;
    while (digits < w.size() && isDigit(w[digits]))
        ++digits;
    if (digits == 0)
        return false;
    const std::string_view unit = w.substr(digits);
    return unit.empty() || unit == "G" || unit == "GB" || unit == "MB" || unit == "SP" || unit == "TH";
}

// "3.60GHZ", "1700MHZ", "3.73GH" (cut at the column)
bool isClock(std::string_view w)
{
    std::size_t k = 0;
    while (k < w.size() && isDigit(w[k]))
        ++k;
    if (k == 0)
        return false;
    if (k < w.size() && w[k] == '.') {
        ++k;
        while (k < w.size() && isDigit(w[k]))
            ++k;
    }
    const std::string_view unit = w.substr(k);
    return unit == "GHZ" || unit == "MHZ" || unit == "GH";
}

struct Tokenised
{
    std::string_view text;
    std::uint8_t segment;
};

// ASCII runs of letters and digits (a clock kept whole with its point), runs of other
// characters; a slash or a plus starts the next segment.
std::vector<Tokenised> tokenise(std::string_view d)
{
    std::vector<Tokenised> out;
    std::uint8_t segment = 0;
    std::size_t k = 0;
    while (k < d.size()) {
        const char c = d[k];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '+') {
            ++segment;
            ++k;
        } else if (isAlnum(c)) {
            std::size_t end = k;
            while (end < d.size()
                   && (isAlnum(d[end])
                       || (d[end] == '.' && end > k && isDigit(d[end - 1]) && end + 1 < d.size() && isDigit(d[end + 1]))))
                ++end;
            out.push_back({d.substr(k, end - k), segment});
            k = end;
        } else if (byte >= 0x80) {
            std::size_t end = k;
            while (end < d.size() && static_cast<unsigned char>(d[end]) >= 0x80)
                ++end;
            out.push_back({d.substr(k, end - k), segment});
            k = end;
        } else {
            ++k;
        }
    }
    return out;
}

} // namespace

ListVocabulary::Maker ListVocabulary::makerWord(std::string_view word)
{
    static const std::vector<std::pair<std::string, Maker>> named = [] {
        std::vector<std::pair<std::string, Maker>> all;
        for (const WrittenNames::MakerWord &m : WrittenNames::makers()) {
            if (m.named)
                all.emplace_back(m.word.toString().toStdString(), m.maker);
        }
        return all;
    }();
    for (const auto &[w, maker] : named) {
        if (w == word)
            return maker;
    }
    return Maker::None;
}

ListVocabulary::Maker ListVocabulary::makerOf(std::span<const Word> words)
{
    static const std::vector<std::pair<std::string, Maker>> all = [] {
        std::vector<std::pair<std::string, Maker>> v;
        for (const WrittenNames::MakerWord &m : WrittenNames::makers())
            v.emplace_back(m.word.toString().toStdString(), m.maker);
        return v;
    }();
    for (const Word &word : words) {
        for (const auto &[w, maker] : all) {
            if (word.text == w || (w.size() >= 5 && word.text.size() > w.size() && word.text.substr(0, w.size()) == w))
                return maker;
        }
    }
    return Maker::None;
}

bool ListVocabulary::isUnit(std::string_view word)
{
    static const std::vector<std::string> all = utf8(WrittenNames::units());
    return holds(all, word);
}

bool ListVocabulary::startsWithChineseUnit(std::string_view word)
{
    static const std::vector<std::string> all = utf8(WrittenNames::chineseUnits());
    // "核显", "核芯显卡" are integrated graphics, not a core count
    if (word.substr(0, 6) == "核显" || word.substr(0, 6) == "核芯")
        return false;
    return std::any_of(all.begin(), all.end(), [&](const std::string &u) { return word.substr(0, u.size()) == u; });
}

bool ListVocabulary::isSpokenVariant(std::string_view word)
{
    static const std::vector<std::string> all = utf8(WrittenNames::spokenVariantWords());
    return holds(all, word);
}

bool ListVocabulary::isDescriptive(std::string_view word)
{
    static const std::vector<std::string> all = utf8(WrittenNames::descriptiveWords());
    return holds(all, word);
}

bool ListVocabulary::isFamilyWord(std::string_view word)
{
    static const std::vector<std::string> all = utf8(WrittenNames::familyWords());
    return std::any_of(all.begin(), all.end(), [&](const std::string &f) { return word.substr(0, f.size()) == f; });
}

bool ListVocabulary::isLaptopWord(std::string_view text)
{
    static const std::vector<std::string> all = utf8(WrittenNames::laptopWords());
    return holdsAnywhere(all, text);
}

bool ListVocabulary::isDesktopWord(std::string_view text)
{
    static const std::vector<std::string> all = utf8(WrittenNames::desktopWords());
    return holdsAnywhere(all, text);
}

std::uint16_t ListVocabulary::flagsFor(const Word &w)
{
    std::uint16_t flags = 0;
    if (w.digits > 0)
        flags |= Digits;
    if (isClock(w.text))
        flags |= Clock;
    if (static_cast<unsigned char>(w.text.front()) >= 0x80)
        flags |= Cjk;
    if (makerOf(std::span<const Word>(&w, 1)) != Maker::None)
        flags |= MakerName;
    if (holds(formWords(), w.text))
        flags |= Form;
    if (holds(mobileFormWords(), w.text))
        flags |= MobileForm;
    static const std::vector<std::string> writtenForms = utf8(WrittenNames::writtenFormWords());
    if (holds(writtenForms, w.text))
        flags |= WrittenForm;
    if (holds(variantWords(), w.text) || hasVariantShape(w.text))
        flags |= Variant;
    if (isDescriptive(w.text))
        flags |= Descriptive;
    return flags;
}

ListVocabulary::ListVocabulary(const SearchIndex &asTyped)
{
    const int last = asTyped.lastSlot();
    std::size_t bytes = 0;
    for (int slot = 1; slot <= last; ++slot)
        bytes += asTyped.description(slot).size() + 1;
    m_text.reserve(bytes); // the words are views into it
    for (int slot = 1; slot <= last; ++slot) {
        m_text += asTyped.description(slot);
        m_text.push_back('\n');
    }

    std::unordered_map<std::string_view, std::uint16_t> flagsOf;
    std::unordered_set<std::string_view> known;
    std::unordered_set<std::string_view> series;
    struct PendingGlue
    {
        std::size_t offset, length;
        int slot;
        std::uint8_t model, first;
    };
    std::string glueText;
    std::vector<PendingGlue> pending;
    // "VEGA 8": where a glue of two words written apart starts in glueText
    const auto spaced = [&](std::string_view before, std::string_view model) {
        const std::size_t at = glueText.size();
        glueText.append(before).append(" ").append(model);
        return at;
    };
    m_records.resize(std::size_t(last) + 1);
    std::size_t at = 0;
    for (int slot = 1; slot <= last; ++slot) {
        const std::size_t end = m_text.find('\n', at);
        const std::string_view d(m_text.data() + at, end - at);
        at = end + 1;
        Record &r = m_records[std::size_t(slot)];
        r.letter = asTyped.letter(slot).toLatin1();
        r.firstWord = std::uint32_t(m_words.size());
        for (const Tokenised &t : tokenise(d)) {
            if (r.wordCount == 255)
                break;
            Word w{t.text, 0, t.segment, 0};
            w.digits = std::uint8_t(std::count_if(t.text.begin(), t.text.end(), isDigit));
            // most words stand in hundreds of records: what they are is worked out once
            auto [known, isNew] = flagsOf.try_emplace(t.text, std::uint16_t(0));
            if (isNew)
                known->second = flagsFor(w);
            w.flags = known->second;
            m_words.push_back(w);
            ++r.wordCount;
        }
        const std::span<const Word> ws = words(slot);
        r.maker = makerOf(ws);
        // a model for each segment: the first word of three digits or more, else the last
        // of the most digits
        for (std::size_t k = 0; k < ws.size() && r.modelCount < std::size(r.models);) {
            const std::uint8_t segment = ws[k].segment;
            int strong = -1;
            int weak = -1;
            for (; k < ws.size() && ws[k].segment == segment; ++k) {
                if (!ws[k].has(Digits) || ws[k].has(Clock))
                    continue;
                if (ws[k].digits >= 3 && strong < 0)
                    strong = int(k);
                if (weak < 0 || ws[k].digits >= ws[std::size_t(weak)].digits)
                    weak = int(k);
            }
            const int model = strong >= 0 ? strong : weak;
            if (model >= 0)
                r.models[r.modelCount++] = std::uint8_t(model);
        }
        if (r.modelCount == 0)
            m_withoutModel.push_back(slot);
        for (std::uint8_t n = 0; n < r.modelCount; ++n) {
            const std::uint8_t m = r.models[n];
            const std::string_view model = ws[m].text;
            m_models.push_back({model, slot, m});
            const std::size_t firstDigit = std::size_t(std::find_if(model.begin(), model.end(), isDigit) - model.begin());
            std::size_t pastDigits = firstDigit;
            while (pastDigits < model.size() && isDigit(model[pastDigits]))
                ++pastDigits;
            m_byDigits.push_back({model.substr(firstDigit, pastDigits - firstDigit), slot, m});
            if (m > 0)
                series.insert(ws[m - 1U].text);
            // letters inside a model number: "K", "HQ", the "T" of "T4200"
            for (std::size_t k = 0; k < model.size();) {
                std::size_t e = k;
                while (e < model.size() && isLetter(model[e]))
                    ++e;
                if (e > k)
                    known.insert(model.substr(k, e - k));
                k = e + 1;
            }
            // the glues: the model alone, with the word before, the word after, or both
            for (std::uint8_t first = m > 0 ? m - 1 : 0; first <= m; ++first) {
                for (std::size_t lastWord = m; lastWord <= std::min<std::size_t>(m + 1U, ws.size() - 1); ++lastWord) {
                    bool ascii = true;
                    for (std::size_t k = first; k <= lastWord; ++k)
                        ascii &= !ws[k].has(Cjk) && !ws[k].has(Clock);
                    if (!ascii)
                        continue;
                    if (first == m && lastWord == m) {
                        // a short number alone names nothing: it is looked up with the word
                        // before it, glued or written apart ("VEGA8", "VEGA 8")
                        if (ws[m].digits >= 3)
                            m_keys.push_back({model, slot, m, first});
                        else if (m > 0 && !ws[m - 1U].has(Cjk) && !ws[m - 1U].has(Clock))
                            pending.push_back({spaced(ws[m - 1U].text, model), ws[m - 1U].text.size() + 1 + model.size(),
                                               slot, m, std::uint8_t(m - 1U)});
                        continue;
                    }
                    PendingGlue g{glueText.size(), 0, slot, m, first};
                    for (std::size_t k = first; k <= lastWord; ++k)
                        glueText += ws[k].text;
                    g.length = glueText.size() - g.offset;
                    pending.push_back(g);
                }
            }
        }
        for (const Word &w : ws)
            known.insert(w.text);
    }
    m_glueText = std::move(glueText);
    for (const PendingGlue &g : pending)
        m_keys.push_back({std::string_view(m_glueText).substr(g.offset, g.length), g.slot, g.model, g.first});
    std::sort(m_keys.begin(), m_keys.end(), [](const Key &a, const Key &b) { return a.glue < b.glue; });
    for (std::uint32_t k = 0; k < m_keys.size();) {
        std::uint32_t end = k;
        while (end < m_keys.size() && m_keys[end].glue == m_keys[k].glue)
            ++end;
        m_keyRanges.emplace(m_keys[k].glue, std::pair(k, end - k));
        k = end;
    }
    std::sort(m_models.begin(), m_models.end());
    std::sort(m_byDigits.begin(), m_byDigits.end());
    for (const std::string_view w : series) {
        if (!isDescriptive(w) && makerWord(w) == Maker::None)
            m_seriesWords.push_back(w);
    }
    std::sort(m_seriesWords.begin(), m_seriesWords.end());
    m_known.assign(known.begin(), known.end());
    std::sort(m_known.begin(), m_known.end());
}

std::span<const ListVocabulary::Word> ListVocabulary::words(int slot) const
{
    const Record &r = m_records[std::size_t(slot)];
    return std::span<const Word>(m_words).subspan(r.firstWord, r.wordCount);
}

std::span<const ListVocabulary::Key> ListVocabulary::keysFor(std::string_view glue) const
{
    const auto found = m_keyRanges.find(glue);
    if (found == m_keyRanges.end())
        return {};
    return std::span<const Key>(m_keys).subspan(found->second.first, found->second.second);
}

bool ListVocabulary::isSeriesWord(std::string_view word) const
{
    return std::binary_search(m_seriesWords.begin(), m_seriesWords.end(), word);
}

bool ListVocabulary::isKnown(std::string_view word) const
{
    return std::binary_search(m_known.begin(), m_known.end(), word);
}
