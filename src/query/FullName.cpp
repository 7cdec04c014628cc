#include "query/FullName.h"

#include "data/NameAliases.h"
#include "query/AsciiText.h"
#include "query/ForgivingForms.h"
#include "query/ListVocabulary.h"

#include <QString>

#include <algorithm>
#include <array>
#include <string>

namespace {

using Maker = WrittenNames::Maker;
using Word = ListVocabulary::Word;

using AsciiText::isDigit;
constexpr auto isLetter = AsciiText::isCapital;
constexpr auto isAsciiAlnum = AsciiText::isLetterOrDigit;

bool number(const auto &token)
{
    return !token.cjk && isDigit(token.text.front());
}

bool isDigitOrPoint(char c)
{
    return isDigit(c) || c == '.';
}

// The code point at k of UTF-8 text, k moved past it.
char32_t nextCodePoint(std::string_view text, std::size_t &k)
{
    const auto byte = [&](std::size_t at) { return at < text.size() ? static_cast<unsigned char>(text[at]) : 0U; };
    const unsigned lead = byte(k);
    if (lead < 0x80) {
        ++k;
        return lead;
    }
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    char32_t cp = lead & (0x7FU >> length);
    for (int n = 1; n < length; ++n)
        cp = cp << 6 | (byte(k + std::size_t(n)) & 0x3FU);
    k += std::size_t(length);
    return cp;
}

// Letters of other scripts than ASCII, which a name's words may be written in: Chinese,
// Japanese, Korean, accented Latin. Their punctuation ("，", "【") parts words.
bool isWordLetter(char32_t cp)
{
    return (cp >= 0xC0 && cp <= 0x24F && cp != 0xD7 && cp != 0xF7) || (cp >= 0x3040 && cp <= 0x30FF)
        || (cp >= 0x3400 && cp <= 0x4DBF) || (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0xAC00 && cp <= 0xD7AF)
        || (cp >= 0xF900 && cp <= 0xFAFF);
}

// The names read as the lists' words: NameAliases and the miswritten brand names, in UTF-8.
struct NamesToRead
{
    struct Name
    {
        std::string written, means;
        bool beforeModelNumber;
    };
    std::vector<Name> names;
    std::array<std::vector<const Name *>, 256> byFirstByte; // where a name can begin
    std::vector<std::string> marks;
    std::array<bool, 256> markFirstBytes{};
};

const NamesToRead &namesToRead()
{
    static const NamesToRead all = [] {
        NamesToRead t;
        for (const NameAliases::Alias &a : NameAliases::all())
            t.names.push_back({a.written.toString().toStdString(), a.means.toString().toStdString(), a.beforeModelNumber});
        for (const WrittenNames::Misspelling &m : WrittenNames::misspellings())
            t.names.push_back({m.written.toString().toStdString(), m.means.toString().toStdString(), false});
        for (const NamesToRead::Name &n : t.names)
            t.byFirstByte[static_cast<unsigned char>(n.written.front())].push_back(&n);
        for (const QStringView mark : WrittenNames::marks()) {
            t.marks.push_back(mark.toString().toStdString());
            t.markFirstBytes[static_cast<unsigned char>(t.marks.back().front())] = true;
        }
        return t;
    }();
    return all;
}

// "R5" stands for "Ryzen 5" at a word's start before a number only, so "RX 580" keeps its R.
bool standsAsShortForm(std::string_view text, std::size_t at, std::size_t length)
{
    if (at > 0 && isAsciiAlnum(text[at - 1]))
        return false;
    // "Radeon R9 200" keeps its R9
    std::size_t before = at;
    while (before > 0 && !isAsciiAlnum(text[before - 1]))
        --before;
    if (before >= 6 && text.substr(before - 6, 6) == "RADEON")
        return false;
    std::size_t next = at + length;
    while (next < text.size() && ForgivingForms::isSeparator(char16_t(static_cast<unsigned char>(text[next]))))
        ++next;
    return next < text.size() && isDigit(text[next]);
}

// The aliases and miswritten names read as the lists' words, each standing as a word of its
// own: "酷睿i7" is "CORE I7", "锐龙5" "RYZEN 5"; the short forms ("R5") alone, or all but them.
std::string withNamesRead(std::string_view text, bool shortForms)
{
    const NamesToRead &t = namesToRead();
    std::string out;
    out.reserve(text.size() + 16);
    std::size_t copied = 0; // text before this is in out
    for (std::size_t k = 0; k < text.size(); ++k) {
        const NamesToRead::Name *found = nullptr;
        for (const NamesToRead::Name *n : t.byFirstByte[static_cast<unsigned char>(text[k])]) {
            // most fail at the second byte: a Chinese name shares its first with thousands
            if (n->beforeModelNumber == shortForms && k + n->written.size() <= text.size() && n->written[1] == text[k + 1]
                && text.substr(k, n->written.size()) == n->written
                && (!n->beforeModelNumber || standsAsShortForm(text, k, n->written.size()))) {
                found = n;
                break;
            }
        }
        if (!found)
            continue;
        out.append(text.substr(copied, k - copied)).append(" ").append(found->means).append(" ");
        k += found->written.size() - 1;
        copied = k + 1;
    }
    out.append(text.substr(copied));
    return out;
}

// Whether text holds a whole word of pattern's shape at `at`: "a" a letter, "9" a digit,
// anything else itself.
bool wordOfShape(std::string_view text, std::size_t at, std::string_view pattern)
{
    if (at + pattern.size() > text.size() || (at > 0 && isAsciiAlnum(text[at - 1])))
        return false;
    for (std::size_t n = 0; n < pattern.size(); ++n) {
        const char c = text[at + n];
        if (!(pattern[n] == 'a' ? isLetter(c) : pattern[n] == '9' ? isDigit(c) : c == pattern[n]))
            return false;
    }
    return at + pattern.size() == text.size() || !isAsciiAlnum(text[at + pattern.size()]);
}

// What some makers and tools write their own way: "w/ Radeon 760M Graphics" (not watts),
// Qualcomm's "X1P-64-100" for the table's "X1P64100".
std::string withWrittenFormsRead(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text.substr(k, 2) == "W/" && (k == 0 || !isAsciiAlnum(text[k - 1]))
            && (k + 2 == text.size() || !isDigit(text[k + 2]))) {
            out += "WITH ";
            ++k;
            continue;
        }
        if (wordOfShape(text, k, "a9a-99-999")) {
            out.append(text, k, 3).append(text, k + 4, 2).append(text, k + 7, 3);
            k += 9;
            continue;
        }
        out.push_back(text[k]);
    }
    return out;
}

// Letters and six digits or more: a number no other record shares
bool isPartNumber(const Word &model)
{
    return model.digits >= 6 && model.digits < model.text.size();
}

bool isGeForcePrefix(std::string_view w)
{
    return w == "GTX" || w == "RTX" || w == "MX" || w == "GT";
}

std::string_view lettersBefore(std::string_view token, std::size_t at)
{
    std::size_t start = at;
    while (start > 0 && isLetter(token[start - 1]))
        --start;
    return token.substr(start, at - start);
}

std::string_view lettersFrom(std::string_view token, std::size_t at)
{
    std::size_t end = at;
    while (end < token.size() && isLetter(token[end]))
        ++end;
    return token.substr(at, end - at);
}

// The marks glued to a GeForce number and what they read as, in UTF-8
struct GluedMarks
{
    std::string superMark, superName, laptopMark, laptopName;
};

const GluedMarks &gluedMarks()
{
    static const GluedMarks all{WrittenNames::superMark().toString().toStdString(),
                                WrittenNames::superName().toString().toStdString(),
                                WrittenNames::laptopMark().toString().toStdString(),
                                WrittenNames::laptopName().toString().toStdString()};
    return all;
}

const std::vector<std::pair<std::string, Maker>> &chineseMakers()
{
    static const std::vector<std::pair<std::string, Maker>> all = [] {
        std::vector<std::pair<std::string, Maker>> v;
        for (const WrittenNames::MakerWord &m : WrittenNames::makers()) {
            if (m.named && m.word.front().unicode() >= 0x80)
                v.emplace_back(m.word.toString().toStdString(), m.maker);
        }
        return v;
    }();
    return all;
}

// The maker's own name as the lists write it ("APPLE")
std::string_view makerName(Maker maker)
{
    static const std::vector<std::pair<Maker, std::string>> all = [] {
        std::vector<std::pair<Maker, std::string>> v;
        for (const WrittenNames::MakerWord &m : WrittenNames::makers()) {
            if (m.named && m.word.front().unicode() < 0x80
                && std::none_of(v.begin(), v.end(), [&](const auto &known) { return known.first == m.maker; }))
                v.emplace_back(m.maker, m.word.toString().toStdString());
        }
        return v;
    }();
    for (const auto &[m, name] : all) {
        if (m == maker)
            return name;
    }
    return {};
}

std::size_t hashOf(std::string_view text)
{
    std::uint32_t h = 2166136261U; // FNV-1a
    for (const char c : text)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619U;
    return h;
}

// WrittenNames::partNumberMaker for a capital letter
Maker partNumberMaker(char letter)
{
    static const std::array<Maker, 26> all = [] {
        std::array<Maker, 26> makers{};
        for (char c = 'A'; c <= 'Z'; ++c)
            makers[std::size_t(c - 'A')] = WrittenNames::partNumberMaker(QString(QLatin1Char(c)));
        return makers;
    }();
    return isLetter(letter) ? all[std::size_t(letter - 'A')] : Maker::None;
}

bool recordHas(std::span<const Word> words, std::size_t from, std::size_t to, std::string_view w)
{
    for (std::size_t k = from; k < to && k < words.size(); ++k) {
        if (words[k].text == w)
            return true;
    }
    return false;
}

} // namespace

FullName::FullName(QStringView normalised)
    : m_text(readText(normalised))
{
    tokenise();
    readTokens();
    m_laptop = ListVocabulary::isLaptopWord(m_text);
    m_desktop = ListVocabulary::isDesktopWord(m_text);
    indexPresence();
}

// The text with the makers' marks taken out ("Core(TM)"), the makers' own forms and the
// Chinese names and miswritings read in place; the short forms in a second reading after
// " | ", since "R9 290" is a Radeon as written.
std::string FullName::readText(QStringView normalised)
{
    std::string text = normalised.toString().toStdString(); // upper case already
    if (std::any_of(text.begin(), text.end(), [](char c) { return c == '(' || static_cast<unsigned char>(c) >= 0x80; })) {
        const NamesToRead &t = namesToRead();
        std::string plain;
        plain.reserve(text.size());
        for (std::size_t k = 0; k < text.size();) {
            const auto mark = !t.markFirstBytes[static_cast<unsigned char>(text[k])]
                ? t.marks.end()
                : std::find_if(t.marks.begin(), t.marks.end(), [&](const std::string &m) { return text.compare(k, m.size(), m) == 0; });
            if (mark == t.marks.end()) {
                plain.push_back(text[k++]);
            } else {
                plain.push_back(' ');
                k += mark->size();
            }
        }
        text = std::move(plain);
    }
    text = withWrittenFormsRead(text);
    text = withNamesRead(text, false);
    const std::string read = withNamesRead(text, true);
    if (read != text) {
        text += " | ";
        text += read;
    }
    return text;
}

// Words: ASCII runs of letters and digits (a decimal point kept), runs of Chinese and other
// letters; what stands between them is remembered as the separator before.
void FullName::tokenise()
{
    const std::string_view all = m_text;
    char separator = '\0';
    int gap = 0;
    for (std::size_t k = 0; k < all.size();) {
        std::size_t end = k;
        bool cjk = false;
        if (isAsciiAlnum(all[k])) {
            while (end < all.size()
                   && (isAsciiAlnum(all[end])
                       || (all[end] == '.' && end > k && isDigit(all[end - 1]) && end + 1 < all.size() && isDigit(all[end + 1]))))
                ++end;
        } else {
            std::size_t next = k;
            if (isWordLetter(nextCodePoint(all, next))) {
                cjk = true;
                end = next;
                for (std::size_t after = end; after < all.size() && static_cast<unsigned char>(all[after]) >= 0x80
                                              && isWordLetter(nextCodePoint(all, after));)
                    end = after;
            } else {
                if (all[k] != ' ')
                    separator = static_cast<unsigned char>(all[k]) < 0x80 ? all[k] : '~';
                ++gap;
                k = next;
                continue;
            }
        }
        Token t;
        t.text = all.substr(k, end - k);
        t.cjk = cjk;
        t.separatorBefore = separator;
        t.closeToBefore = gap <= 1;
        if (!cjk && t.text.size() < 250) {
            std::size_t changes = 0;
            for (std::size_t p = 1; p < t.text.size(); ++p)
                changes += isDigitOrPoint(t.text[p]) != isDigitOrPoint(t.text[p - 1]) ? 1 : 0;
            if (changes + 2 <= std::size(t.boundaries)) { // else too many to be a name
                t.boundaries[t.boundaryCount++] = 0;
                for (std::size_t p = 1; p < t.text.size(); ++p) {
                    if (isDigitOrPoint(t.text[p]) != isDigitOrPoint(t.text[p - 1]))
                        t.boundaries[t.boundaryCount++] = std::uint8_t(p);
                }
                t.boundaries[t.boundaryCount++] = std::uint8_t(t.text.size());
            }
        }
        m_tokens.push_back(std::move(t));
        separator = '\0';
        gap = 0;
        k = end;
    }
    if (m_tokens.size() > 0xFFFF)
        m_tokens.resize(0xFFFF);
}

// What the words say: every run of letters or digits a glue may read, the makers named, the
// marks glued to a number ("RTX2070M", "1660S"), memory written as the lists' variant.
void FullName::readTokens()
{
    for (std::size_t n = 0; n < m_tokens.size(); ++n) {
        const Token &t = m_tokens[n];
        const std::span<const std::uint8_t> runs = t.runs();
        for (std::size_t x = 0; x + 1 < runs.size(); ++x) {
            for (std::size_t y = x + 1; y < runs.size(); ++y)
                m_aligned.push_back({std::uint16_t(n), runs[x], runs[y]});
            const std::string_view run = t.text.substr(runs[x], runs[x + 1] - runs[x]);
            if (isDigit(run.front()) && run.size() >= 3 && run.find('.') == std::string_view::npos)
                m_hasNumber = true;
        }
        if (t.cjk) {
            for (const auto &[name, maker] : chineseMakers()) {
                if (t.text.find(name) != std::string::npos) {
                    m_makers.emplace_back(n, maker);
                    break;
                }
            }
        } else if (const Maker m = ListVocabulary::makerWord(t.text); m != Maker::None) {
            m_makers.emplace_back(n, m);
        }
        // the marks glued to a GeForce number: "RTX2070M", "1660S"
        const std::span<const std::uint8_t> r = t.runs();
        if (!t.cjk && r.size() >= 3 && isDigit(t.text[r[r.size() - 3]]) && r[r.size() - 2] - r[r.size() - 3] >= 3
            && r[r.size() - 2] - r[r.size() - 3] <= 4) {
            const std::string_view mark = std::string_view(t.text).substr(r[r.size() - 2]);
            const std::string_view prefix = std::string_view(t.text).substr(0, r[r.size() - 3]);
            const bool geforce = isGeForcePrefix(prefix)
                || (n > 0 && (isGeForcePrefix(m_tokens[n - 1].text) || m_tokens[n - 1].text == "GEFORCE"))
                || std::any_of(m_makers.begin(), m_makers.end(), [](const auto &m) { return m.second == Maker::Nvidia; });
            if (mark == gluedMarks().superMark)
                m_read.push_back(gluedMarks().superName);
            else if (mark == gluedMarks().laptopMark && geforce)
                m_read.push_back(gluedMarks().laptopName);
        }
        if (t.text == "MAXQ") {
            m_read.emplace_back("MAX");
            m_read.emplace_back("Q");
        }
        // memory the lists write as the variant: "GTX1060 3G" is the "GTX 1060 3GB"
        if (!t.cjk && r.size() == 3 && isDigit(t.text.front()) && t.text.substr(r[1]) == "G")
            m_read.push_back(std::string(t.text.substr(0, r[1])) + "GB");
        else if (!t.cjk && r.size() == 2 && isDigit(t.text.front()) && n + 1 < m_tokens.size()
                 && m_tokens[n + 1].closeToBefore && (m_tokens[n + 1].text == "G" || m_tokens[n + 1].text == "GB"))
            m_read.push_back(std::string(t.text) + "GB");
    }
}

// Which words the text writes, looked up by hash.
void FullName::indexPresence()
{
    m_alignedText.reserve(m_aligned.size());
    for (const Aligned &a : m_aligned)
        m_alignedText.push_back(textOf(a));
    std::size_t size = 16;
    while (size < 2 * m_alignedText.size())
        size <<= 1;
    m_presence.assign(size, 0);
    for (std::size_t k = 0; k < m_alignedText.size(); ++k) {
        std::size_t h = hashOf(m_alignedText[k]) & (size - 1);
        while (m_presence[h] != 0)
            h = (h + 1) & (size - 1);
        m_presence[h] = std::uint32_t(k + 1);
    }
}

std::string_view FullName::textOf(const Aligned &a) const
{
    return m_tokens[a.token].text.substr(a.from, std::size_t(a.to - a.from));
}

bool FullName::present(std::string_view word) const
{
    if (std::find(m_read.begin(), m_read.end(), word) != m_read.end())
        return true;
    if (!word.empty() && static_cast<unsigned char>(word.front()) >= 0x80) {
        return std::any_of(m_tokens.begin(), m_tokens.end(),
                           [&](const Token &t) { return t.cjk && t.text.find(word) != std::string::npos; });
    }
    const std::size_t mask = m_presence.size() - 1;
    for (std::size_t h = hashOf(word) & mask; m_presence[h] != 0; h = (h + 1) & mask) {
        if (m_alignedText[m_presence[h] - 1] == word)
            return true;
    }
    return false;
}

// "8G", "3.20 GHz", "15.6英寸", "1470-1680MHz", "2200/3600 MHz", "6核"
// "16+512", "8+256G", "16+1T": memory and storage, never a model
bool FullName::plusJoined(std::size_t token) const
{
    return (token > 0 && m_tokens[token].separatorBefore == '+' && number(m_tokens[token - 1]))
        || (token + 1 < m_tokens.size() && m_tokens[token + 1].separatorBefore == '+' && number(m_tokens[token + 1]));
}

bool FullName::isQuantity(std::size_t token, std::size_t from, std::size_t to) const
{
    const Token &t = m_tokens[token];
    if (from == 0 && number(t) && plusJoined(token))
        return true;
    if (to < t.text.size()) {
        const std::string_view unit = lettersFrom(t.text, to);
        return !unit.empty() && to + unit.size() == t.text.size() && ListVocabulary::isUnit(unit);
    }
    std::size_t last = token;
    while (last + 1 < m_tokens.size() && m_tokens[last + 1].separatorBefore == '/'
           && std::all_of(m_tokens[last + 1].text.begin(), m_tokens[last + 1].text.end(), isDigit))
        ++last;
    if (last != token)
        return isQuantity(last, 0, m_tokens[last].text.size());
    if (token + 1 >= m_tokens.size())
        return false;
    const Token &next = m_tokens[token + 1];
    if (next.separatorBefore == '\0' && next.closeToBefore) {
        if (!next.cjk && ListVocabulary::isUnit(next.text))
            return true;
        if (next.cjk && ListVocabulary::startsWithChineseUnit(next.text))
            return true;
    }
    if ((next.separatorBefore == '-' || next.separatorBefore == '~') && !next.cjk && from == 0) {
        std::size_t digits = 0;
        while (digits < next.text.size() && isDigit(next.text[digits]))
            ++digits;
        return digits > 0 && ListVocabulary::isUnit(std::string_view(next.text).substr(digits));
    }
    return false;
}

FullName::Before FullName::wordBefore(const ListVocabulary &lists, std::size_t token) const
{
    std::size_t k = token;
    // in "470/480/570" every number stands after the words before the first
    while (k > 0 && m_tokens[k].separatorBefore == '/'
           && std::any_of(m_tokens[k - 1].text.begin(), m_tokens[k - 1].text.end(), isDigit))
        --k;
    for (int steps = 0; k > 0 && steps < 4; ++steps) {
        if (m_tokens[k].separatorBefore == '|')
            break;
        const Token &t = m_tokens[--k];
        if (t.cjk) {
            for (const auto &[at, maker] : m_makers) {
                if (at == k)
                    return {Before::MakerName, maker, {}};
            }
            continue;
        }
        if (const Maker m = ListVocabulary::makerWord(t.text); m != Maker::None)
            return {Before::MakerName, m, {}};
        if (lists.isSeriesWord(t.text))
            return {Before::Series, Maker::None, t.text};
        const std::span<const std::uint8_t> r = t.runs();
        if (r.size() > 2) {
            // "RYZEN5 3600"
            const std::string_view last = std::string_view(t.text).substr(r[r.size() - 2]);
            if (isDigit(last.front()) && isLetter(t.text.front()) && lists.isSeriesWord(last)
                && !isQuantity(k, r[r.size() - 2], t.text.size()))
                return {Before::Series, Maker::None, last};
        }
        if (isQuantity(k, r.size() > 2 ? r[r.size() - 2] : 0, t.text.size()) || ListVocabulary::isDescriptive(t.text)
            || !lists.isKnown(t.text))
            continue;
        break;
    }
    return {};
}

bool FullName::stands(const ListVocabulary &lists, const Candidate &c, std::size_t token) const
{
    const Token &t = m_tokens[token];
    const std::span<const Word> words = lists.words(c.slot);
    const ListVocabulary::Record &record = lists.record(c.slot);
    const bool weak = words[c.model].digits < 3; // its whole name is there: see named()
    if (quantityAt(token, c.from, c.to))
        return false;
    const std::string_view glued = lettersBefore(t.text, c.from);
    const Maker partMaker = glued.size() == 1 && partNumberAt(token, c) ? partNumberMaker(glued.front()) : Maker::None;
    if (!glued.empty()) {
        // letters glued before a number make it another thing's: "T480" is no GTX 480,
        // "N200", "R7000" or "LGA1150" no Radeon; a board's part number names the maker
        if (partMaker == Maker::None || record.maker != partMaker)
            return false;
    }
    const std::string_view after = lettersFrom(t.text, c.to);
    if (!after.empty() && c.how != How::Family) {
        const auto read = [&](const std::string &mark, const std::string &name) {
            return after == mark && present(name) && recordHas(words, c.model, words.size(), name);
        };
        const bool readMark = read(gluedMarks().superMark, gluedMarks().superName)
            || read(gluedMarks().laptopMark, gluedMarks().laptopName);
        if (!readMark && knownAt(lists, after))
            return false; // "5800X" is no 5800
    }
    if (c.to == t.text.size() && token + 1 < m_tokens.size() && c.how != How::Family) {
        const std::string_view next = m_tokens[token + 1].text;
        if (ListVocabulary::isSpokenVariant(next) && !recordHas(words, c.model + 1U, words.size(), next))
            return false; // "1650 Ti" is no 1650
    }
    if (c.first < c.model)
        return true; // the text glues the record's own word to it: "RTX2060", "VEGA8"
    if (partMaker != Maker::None)
        return !weak;
    const Before &before = beforeAt(lists, token);
    switch (before.kind) {
    case Before::Nothing:
        return !weak;
    case Before::MakerName:
        return !weak && (record.maker == Maker::None || record.maker == before.maker);
    case Before::Series:
        // "RX 6600" is no GeForce 6600; a long part number ("X1P64100") tells its record alone
        if (!recordHas(words, 0, c.model, before.word) && !isPartNumber(words[c.model]))
            return false;
        return !weak || (c.model > 0 && words[c.model - 1U].text == before.word);
    }
    return false;
}

// "GV-N2070WF3-8GC": a maker's letter glued before the number inside a hyphenated part
// number, with more of the part number after it
bool FullName::partNumberAt(std::size_t token, const Candidate &c) const
{
    const Token &t = m_tokens[token];
    return t.separatorBefore == '-' && c.to < t.text.size() && isLetter(t.text[c.to]);
}

const FullName::Before &FullName::beforeAt(const ListVocabulary &lists, std::size_t token) const
{
    if (m_before.size() != m_tokens.size())
        m_before.assign(m_tokens.size(), std::nullopt);
    if (!m_before[token])
        m_before[token] = wordBefore(lists, token);
    return *m_before[token];
}

// A variant is written after its model: "MacBook Pro M3" is no M3 Pro.
bool FullName::writtenAfter(std::string_view word, std::size_t token, const Candidate &c) const
{
    if (std::find(m_read.begin(), m_read.end(), word) != m_read.end()
        || m_tokens[token].text.substr(c.from).find(word) != std::string_view::npos) // glued: "1660TI"
        return true;
    if (!word.empty() && static_cast<unsigned char>(word.front()) >= 0x80)
        return present(word);
    for (std::size_t k = token + 1; k < m_tokens.size() && m_tokens[k].separatorBefore != '|'; ++k) {
        if (m_tokens[k].text == word)
            return true;
    }
    return false;
}

bool FullName::knownAt(const ListVocabulary &lists, std::string_view letters) const
{
    for (const auto &[text, known] : m_known) {
        if (text == letters)
            return known;
    }
    return m_known.emplace_back(letters, lists.isKnown(letters)).second;
}

bool FullName::quantityAt(std::size_t token, std::size_t from, std::size_t to) const
{
    for (const auto &[t, f, e, is] : m_quantities) {
        if (t == token && f == from && e == to)
            return is;
    }
    const bool is = isQuantity(token, from, to);
    m_quantities.emplace_back(token, from, to, is);
    return is;
}

bool FullName::settle(const ListVocabulary &lists, std::vector<Candidate> &candidates, std::size_t token,
                      std::vector<Won> &named) const
{
    std::erase_if(candidates, [&](const Candidate &c) { return !stands(lists, c, token); });
    if (candidates.empty())
        return false;
    // where the plain model is in the lists, its variants are not meant; nor a form the
    // text would have to write (Max-Q)
    const auto plain = [&](const Candidate &c) {
        const std::span<const Word> words = lists.words(c.slot);
        for (std::size_t k = c.model + 1U; k < words.size(); ++k) {
            if (!writtenAfter(words[k].text, token, c)
                && ((words[k].has(ListVocabulary::Variant) && c.how != How::Family) || words[k].has(ListVocabulary::WrittenForm)))
                return false;
        }
        return true;
    };
    if (std::any_of(candidates.begin(), candidates.end(), plain))
        std::erase_if(candidates, [&](const Candidate &c) { return !plain(c); });
    if (beforeAt(lists, token).kind != Before::MakerName) {
        pickBest(lists, candidates, token, named);
        return true;
    }
    // "AMD 3600": the Ryzen 5 3600 and the Sempron 3600+, each series its best
    const auto series = [&](const Candidate &c) {
        for (const Word &w : lists.words(c.slot)) {
            if (ListVocabulary::makerWord(w.text) == Maker::None)
                return w.text;
        }
        return std::string_view();
    };
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](const Candidate &x, const Candidate &y) { return series(x) < series(y); });
    for (std::size_t k = 0; k < candidates.size();) {
        std::size_t end = k + 1;
        while (end < candidates.size() && series(candidates[end]) == series(candidates[k]))
            ++end;
        pickBest(lists, std::span<const Candidate>(candidates).subspan(k, end - k), token, named);
        k = end;
    }
    return true;
}

void FullName::pickBest(const ListVocabulary &lists, std::span<const Candidate> candidates, std::size_t token,
                        std::vector<Won> &named) const
{
    // how much of the text a record explains, and how little of its own it adds next to
    // what the text writes before the model
    const auto score = [&](const Candidate &c) {
        const std::span<const Word> words = lists.words(c.slot);
        int explained = c.to - c.from;
        int added = 0;
        int lastPresent = -1;
        bool mobile = false;
        for (std::size_t k = 0; k < words.size(); ++k) {
            mobile |= words[k].has(ListVocabulary::MobileForm);
            if (k == c.model || !present(words[k].text))
                continue;
            if (k < c.model)
                lastPresent = int(k);
            bool repeated = false;
            for (std::size_t j = 0; j < k; ++j)
                repeated |= words[j].text == words[k].text;
            if (!repeated)
                explained += int(words[k].text.size());
        }
        if (c.how != How::Family && lastPresent >= 0) {
            for (std::size_t k = std::size_t(lastPresent) + 1; k < c.model; ++k) {
                const Word &w = words[k];
                if (!w.has(ListVocabulary::Form) && !w.has(ListVocabulary::MakerName) && !w.has(ListVocabulary::Descriptive))
                    added += int(w.text.size());
            }
        }
        const int kind = (m_laptop && mobile) || (m_desktop && !mobile) ? 1 : 0;
        return std::pair(explained + kind, -added);
    };
    std::vector<std::pair<int, int>> &scores = m_scores; // reused place after place
    scores.clear();
    for (const Candidate &c : candidates)
        scores.push_back(score(c));
    const std::pair<int, int> best = *std::max_element(scores.begin(), scores.end());
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        if (scores[k] == best)
            named.push_back({candidates[k].slot, token, candidates[k].from, candidates[k].to});
    }
}

// A short number tells little: all of such a record's name must be there ("Vega 8", not the
// "R9" of "Radeon R9 Fury", nor the "4" of "AM4").
bool FullName::wholeNameWritten(std::span<const Word> words) const
{
    return std::none_of(words.begin(), words.end(), [&](const Word &w) {
        return !w.has(ListVocabulary::MakerName) && !w.has(ListVocabulary::Form) && !w.has(ListVocabulary::Descriptive)
            && !w.has(ListVocabulary::Clock) && !present(w.text);
    });
}

// Every record whose model the text glues as the lists write it ("RTX2060", "I59300H"), or
// writes after the word before it ("VEGA 8"); a record once a place, by its widest glue.
std::vector<FullName::Placed> FullName::placedModels(const ListVocabulary &lists) const
{
    std::vector<Placed> placed;
    placed.reserve(64);
    for (std::size_t n = 0; n < m_aligned.size(); ++n) {
        const Aligned &a = m_aligned[n];
        const std::string_view glue = m_alignedText[n];
        if (std::none_of(glue.begin(), glue.end(), isDigit))
            continue; // every model number has a digit
        for (const ListVocabulary::Key &key : lists.keysFor(glue)) {
            const std::span<const Word> words = lists.words(key.slot);
            if (words[key.model].digits < 3 && !wholeNameWritten(words))
                continue;
            std::size_t modelAt = a.from;
            for (std::size_t k = key.first; k < key.model; ++k)
                modelAt += words[k].text.size();
            placed.push_back({a.token, modelAt, lists.record(key.slot).letter,
                              {key.slot, key.model, key.first, a.from, a.to, How::Model}});
        }
    }
    std::string spaced;
    for (std::size_t n = 0; n < m_aligned.size(); ++n) {
        const Aligned &a = m_aligned[n];
        const Token &t = m_tokens[a.token];
        // a number, or a whole word that holds one ("APPLE M3")
        if (a.from != 0 || a.token == 0 || (!isDigit(t.text.front()) && a.to != t.text.size()) || m_tokens[a.token - 1].cjk
            || (t.separatorBefore != '\0' && t.separatorBefore != '-' && t.separatorBefore != '_'))
            continue;
        // after the word before it, or after its maker's name where the text names the maker
        // elsewhere ("MacBook Air M2" is the Apple M2)
        std::vector<std::string_view> before{m_tokens[a.token - 1].text};
        if (!isDigit(t.text.front())) {
            for (const auto &[token, maker] : m_makers)
                before.push_back(makerName(maker));
        }
        for (const std::string_view word : before) {
            spaced.assign(word).append(" ").append(m_alignedText[n]);
            for (const ListVocabulary::Key &key : lists.keysFor(spaced)) {
                if (wholeNameWritten(lists.words(key.slot)))
                    placed.push_back({a.token, a.from, lists.record(key.slot).letter,
                                      {key.slot, key.model, key.first, a.from, a.to, How::Model}});
            }
        }
    }
    std::sort(placed.begin(), placed.end(), [](const Placed &x, const Placed &y) {
        return x.key() != y.key() ? x.key() < y.key() : x.c.to - x.c.from > y.c.to - y.c.from;
    });
    placed.erase(std::unique(placed.begin(), placed.end(), [](const Placed &x, const Placed &y) { return x.key() == y.key(); }),
                 placed.end());
    return placed;
}

// The numbers of three digits or more that end a word: a family's ("200 Series"), or one the
// lists may only extend ("9850").
std::vector<FullName::Number> FullName::numbersWritten() const
{
    std::vector<Number> numbers;
    for (std::size_t n = 0; n < m_tokens.size(); ++n) {
        const Token &t = m_tokens[n];
        const std::span<const std::uint8_t> runs = t.runs();
        for (std::size_t x = 0; x + 1 < runs.size(); ++x) {
            const std::string_view run = t.text.substr(runs[x], runs[x + 1] - runs[x]);
            if (isDigit(run.front()) && run.size() >= 3 && run.find('.') == std::string_view::npos
                && runs[x + 1] == t.text.size()) {
                const bool family = n + 1 < m_tokens.size() && ListVocabulary::isFamilyWord(m_tokens[n + 1].text);
                numbers.push_back({n, runs[x], runs[x + 1], family});
            }
        }
    }
    return numbers;
}

// A processor, a graphics chip and a newer processor at one place are settled apart.
void FullName::settleEachList(const ListVocabulary &lists, const std::vector<Candidate> &all, std::size_t token,
                              std::vector<Won> &named) const
{
    for (const char letter : {'C', 'G', 'N'}) {
        std::vector<Candidate> some;
        for (const Candidate &c : all) {
            if (lists.record(c.slot).letter == letter)
                some.push_back(c);
        }
        if (!some.empty())
            settle(lists, some, token, named);
    }
}

// "Radeon R9 200 Series": the desktop models of the same digits' count and leading digits.
void FullName::nameFamily(const ListVocabulary &lists, const Number &number, std::vector<Won> &named) const
{
    const std::string_view digits = std::string_view(m_tokens[number.token].text).substr(number.from, number.to - number.from);
    std::string_view prefix = digits;
    while (prefix.size() > 1 && prefix.back() == '0')
        prefix.remove_suffix(1);
    std::vector<Candidate> members;
    lists.forEachModelInFamily(digits, prefix, [&](int slot, std::uint8_t model) {
        // a desktop family leaves out the laptop chips: "HD 6800M" is not of "HD 6800"
        if (lists.words(slot)[model].text.find('M') == std::string_view::npos)
            members.push_back({slot, model, model, std::uint8_t(number.from), std::uint8_t(number.to), How::Family});
    });
    settleEachList(lists, members, number.token, named);
}

// A bare number the lists only write with letters after it: "9850" lists the 9850H and 9850HL.
void FullName::nameExtended(const ListVocabulary &lists, const Number &number, std::vector<Won> &named) const
{
    const std::string_view digits = std::string_view(m_tokens[number.token].text).substr(number.from, number.to - number.from);
    std::vector<Candidate> extended;
    lists.forEachModelExtending(digits, [&](int slot, std::uint8_t model) {
        extended.push_back({slot, model, model, std::uint8_t(number.from), std::uint8_t(number.to), How::Extended});
    });
    settleEachList(lists, extended, number.token, named);
}

// "TITAN RTX", "Intel UHD": every word of a record without a number, two at least.
void FullName::nameWithoutNumber(const ListVocabulary &lists, Named &result) const
{
    for (const int slot : lists.recordsWithoutModel()) {
        int held = 0;
        bool all = true;
        for (const Word &w : lists.words(slot)) {
            const bool here = present(w.text);
            held += here ? 1 : 0;
            all &= here || ListVocabulary::makerWord(w.text) != Maker::None;
        }
        if (all && held >= 2) {
            result.found.push_back(slot);
            result.newerOwn |= lists.record(slot).letter == 'N';
        }
    }
}

FullName::Named FullName::named(const ListVocabulary &lists) const
{
    std::vector<Won> named;
    const std::vector<Number> numbers = numbersWritten();
    for (const Number &number : numbers) {
        if (number.family)
            nameFamily(lists, number, named);
    }
    // the records standing at each place of the text; a family's place is its members'
    const std::vector<Placed> placed = placedModels(lists);
    std::vector<std::pair<std::size_t, std::size_t>> settled;
    std::vector<Candidate> candidates;
    for (std::size_t k = 0; k < placed.size();) {
        const Placed &at = placed[k];
        candidates.clear();
        for (; k < placed.size() && placed[k].token == at.token && placed[k].at == at.at && placed[k].letter == at.letter; ++k)
            candidates.push_back(placed[k].c);
        const bool familyPlace = std::any_of(numbers.begin(), numbers.end(), [&](const Number &n) {
            return n.family && n.token == at.token && n.from == at.at;
        });
        if (!familyPlace && settle(lists, candidates, at.token, named))
            settled.emplace_back(at.token, at.at);
    }
    for (const Number &number : numbers) {
        if (!number.family && std::find(settled.begin(), settled.end(), std::pair(number.token, number.from)) == settled.end())
            nameExtended(lists, number, named);
    }
    Named result = contest(lists, named);
    if (result.found.empty() && !m_hasNumber)
        nameWithoutNumber(lists, result);
    std::sort(result.found.begin(), result.found.end());
    result.found.erase(std::unique(result.found.begin(), result.found.end()), result.found.end());
    return result;
}

FullName::Named FullName::contest(const ListVocabulary &lists, const std::vector<Won> &named)
{
    const auto newer = [&](const Won &w) { return lists.record(w.slot).letter == 'N'; };
    const auto overlap = [](const Won &a, const Won &b) { return a.token == b.token && a.from < b.to && b.from < a.to; };
    // of an old and a newer record read at one place, the one that reads less of it loses
    const auto loses = [&](const Won &w) {
        return std::any_of(named.begin(), named.end(), [&](const Won &o) {
            return newer(o) != newer(w) && overlap(o, w) && o.to - o.from > w.to - w.from;
        });
    };
    Named result;
    std::vector<const Won *> kept;
    for (const Won &w : named) {
        if (!loses(w))
            kept.push_back(&w);
    }
    for (const Won *w : kept) {
        result.found.push_back(w->slot);
        result.newerOwn |= newer(*w) && std::none_of(kept.begin(), kept.end(), [&](const Won *o) {
            return !newer(*o) && overlap(*o, *w);
        });
    }
    return result;
}

bool FullName::mentions(const ListVocabulary &lists, int slot) const
{
    const std::span<const Word> words = lists.words(slot);
    return std::any_of(words.begin(), words.end(), [&](const Word &w) { return present(w.text); });
}
