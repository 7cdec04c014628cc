#include "query/FullNames.h"

#include "query/ForgivingForms.h"
#include "query/WordStarts.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>

namespace {

using WrittenNames::Maker;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool allDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return isDigit(c); });
}

// "4", "3.70"
bool isDecimal(QStringView text)
{
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return allDigits(text);
    return allDigits(text.first(point)) && allDigits(text.sliced(point + 1));
}

bool isOneOf(QStringView word, std::span<const QStringView> list)
{
    return std::find(list.begin(), list.end(), word) != list.end();
}

bool isNoiseWord(QStringView word)
{
    static const QSet<QStringView> all(WrittenNames::words().begin(), WrittenNames::words().end());
    return all.contains(word);
}

// The leading digits of text.
qsizetype digitsAt(QStringView text, qsizetype from = 0)
{
    qsizetype end = from;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - from;
}

bool isClockUnit(QStringView word)
{
    return word == u"GHZ" || word == u"MHZ";
}

// "4.00GHZ", "3200MHZ"
bool isClock(QStringView word)
{
    for (const QStringView unit : {u"GHZ", u"MHZ"}) {
        if (word.size() > unit.size() && word.endsWith(unit))
            return isDecimal(word.chopped(unit.size()));
    }
    return false;
}

// "6G", "8GB", "512MB", "O8G", "GDDR6", "192BIT", "8GD5"
bool isMemory(QStringView word)
{
    if (word.startsWith(u'O') && word.size() > 1 && isDigit(word[1]))
        word = word.sliced(1); // "O8G": a factory-overclocked 8G
    const qsizetype digits = digitsAt(word);
    const QStringView unit = word.sliced(digits);
    if (digits >= 1 && digits <= 2 && (unit == u"G" || unit == u"GB" || unit == u"GIB"))
        return true;
    if (digits >= 3 && digits <= 4 && unit == u"MB")
        return true;
    if (digits >= 2 && (unit == u"BIT" || unit == u"-BIT"))
        return true;
    if (digits >= 1 && digits <= 2 && unit.startsWith(u"GD") && digitsAt(unit, 2) == 1
        && (unit.size() == 3 || unit.sliced(3) == u"X"))
        return true;
    for (const QStringView kind : {u"GDDR", u"DDR", u"HBM"}) {
        if (word.startsWith(kind) && digitsAt(word, kind.size()) == 1
            && (word.size() == kind.size() + 1 || word.sliced(kind.size() + 1) == u"X"))
            return true;
    }
    return false;
}

bool isCount(QStringView word)
{
    return allDigits(word) || isOneOf(word, WrittenNames::countWords());
}

// "6-CORE", "EIGHT-CORE", "QUADCORE", "4C+8G"
bool isCoreCount(QStringView word)
{
    for (const QStringView core : {u"CORES", u"CORE"}) {
        if (word.size() > core.size() && word.endsWith(core)) {
            QStringView count = word.chopped(core.size());
            if (count.endsWith(u'-'))
                count.chop(1);
            return isCount(count);
        }
    }
    const qsizetype c = digitsAt(word);
    return c > 0 && word.sliced(c).startsWith(u"C+") && digitsAt(word, c + 2) > 0
        && word.sliced(c + 2 + digitsAt(word, c + 2)) == u"G";
}

Maker namedMaker(QStringView word)
{
    for (const WrittenNames::MakerWord &m : WrittenNames::makers()) {
        if (m.named && m.word == word)
            return m.maker;
    }
    return Maker::None;
}

// The Chinese names glued to a word come off; a maker's among them is remembered.
QString withoutChineseNames(QString word, Maker &maker)
{
    for (const QStringView name : WrittenNames::chineseNames()) {
        qsizetype at = 0;
        while ((at = word.indexOf(name)) >= 0) {
            const Maker named = namedMaker(name);
            if (maker == Maker::None)
                maker = named;
            word.remove(at, name.size());
        }
    }
    return word;
}

// What lies outside brackets is a chip code ("GP104 [GeForce GTX 1070]") and what stands
// in round ones a driver's detail ("(KBL GT2)", "(rev a1)"); a label ends at a colon
// ("Model name: ...").
QString modelText(QStringView normalised)
{
    QString text = normalised.toString();
    if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c == u'(' || c.unicode() >= 0x80; })) {
        for (const QStringView mark : WrittenNames::marks()) {
            for (qsizetype at = text.indexOf(mark); at >= 0; at = text.indexOf(mark, at))
                text.remove(at, mark.size());
        }
    }
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon >= 0)
        text.remove(0, colon + 1);
    const qsizetype open = text.lastIndexOf(u'[');
    const qsizetype close = open < 0 ? -1 : text.indexOf(u']', open);
    if (close > open) {
        // the maker named outside still counts
        QString outside;
        for (const QStringView word : QStringView(text).first(open).tokenize(u' ', Qt::SkipEmptyParts)) {
            if (namedMaker(word) != Maker::None) {
                outside += word;
                outside += u' ';
            }
        }
        text = outside + text.sliced(open + 1, close - open - 1);
    }
    if (text.contains(u'(')) {
        QString kept;
        int depth = 0;
        for (const QChar c : std::as_const(text)) {
            if (c == u'(') {
                ++depth;
                kept.append(u' ');
            } else if (c == u')') {
                depth = std::max(0, depth - 1);
            } else if (depth == 0) {
                kept.append(c);
            }
        }
        // "(英特尔 Core i7-8700K)": all of it in brackets
        if (std::any_of(kept.begin(), kept.end(), [](QChar c) { return c.isLetterOrNumber(); }))
            text = kept;
        else
            text.replace(u'(', u' ').replace(u')', u' ');
    }
    // words end at these; "@" stands as a word of its own, before the clock
    QString words;
    words.reserve(text.size() + 4);
    for (const QChar c : std::as_const(text)) {
        if (c == u'@')
            words.append(QStringLiteral(" @ "));
        else if (c == u'/' || c == u',' || c == u'[' || c == u']')
            words.append(u' ');
        else
            words.append(c);
    }
    return words;
}

const QStringView kGeForcePrefixes[] = {u"GTX", u"RTX", u"MX", u"GT"};

bool isGeForcePrefix(QStringView word)
{
    return std::find(std::begin(kGeForcePrefixes), std::end(kGeForcePrefixes), word) != std::end(kGeForcePrefixes);
}

// "RTX2070M" is the "RTX 2070移动版". ("1660S" finds the "1660 SUPER" as it stands.)
QString withLaptopMarkRead(const QString &word, QStringView before, Maker maker)
{
    qsizetype letters = 0;
    while (letters < word.size() && word[letters] >= u'A' && word[letters] <= u'Z')
        ++letters;
    const qsizetype digits = digitsAt(word, letters);
    if (digits < 3 || digits > 4 || letters + digits + 1 != word.size())
        return word;
    const QStringView prefix = QStringView(word).first(letters);
    const QStringView suffix = QStringView(word).sliced(letters + digits);
    const bool geforce = isGeForcePrefix(prefix) || isGeForcePrefix(before) || before == u"GEFORCE";
    if (suffix == WrittenNames::laptopMark() && (geforce || (prefix.isEmpty() && maker == Maker::Nvidia)))
        return word.first(letters + digits).append(WrittenNames::laptopName());
    return word;
}

// Core and thread counts come off wherever they stand: "六核", "6核12线程", "酷睿八核".
QString withoutChineseCounts(QString word)
{
    const QStringView numerals = WrittenNames::chineseNumerals();
    for (const QStringView unit : {u"核心", u"线程", u"核"}) {
        for (qsizetype at = word.indexOf(unit); at >= 0; at = word.indexOf(unit, at)) {
            qsizetype start = at;
            while (start > 0 && numerals.contains(word[start - 1]))
                --start;
            while (start > 0 && at - start < 2 && isDigit(word[start - 1]))
                --start;
            if (start == at) {
                at += unit.size();
                continue;
            }
            word.remove(start, at + unit.size() - start);
            at = start;
        }
    }
    return word;
}

// "LGA1151", "65W", "1151针", "AM4接口"
bool isSocketOrPower(QStringView word)
{
    if (word.endsWith(u"针") || word.endsWith(u"接口"))
        return true;
    for (const QStringView socket : {u"FCLGA", u"LGA"}) {
        if (word.startsWith(socket))
            return allDigits(word.sliced(socket.size()));
    }
    const qsizetype digits = digitsAt(word);
    return digits >= 1 && digits <= 3 && word.sliced(digits) == u"W";
}

bool isAscii(QStringView word)
{
    return std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() < 0x80; });
}

FullNames::Form formOf(QStringView normalised)
{
    const QString text = modelText(normalised);
    const QList<QStringView> words = QStringView(text).tokenize(u' ', Qt::SkipEmptyParts).toContainer();
    // an APU's name carries its graphics: "A10-7850K Radeon R7, 12 Compute Cores 4C+8G"
    const bool apu = std::any_of(words.begin(), words.end(), [](QStringView w) { return w == u"COMPUTE" || isCoreCount(w); });
    FullNames::Form form;
    QStringList kept;
    const auto next = [&](qsizetype k) { return k + 1 < words.size() ? words[k + 1] : QStringView(); };
    for (qsizetype k = 0; k < words.size(); ++k) {
        QStringView word = words[k];
        QString stripped;
        if (!isAscii(word)) {
            stripped = withoutChineseCounts(withoutChineseNames(word.toString(), form.maker));
            word = stripped;
        }
        if (word.isEmpty())
            continue;
        if (const Maker m = namedMaker(word); m != Maker::None) {
            if (form.maker == Maker::None)
                form.maker = m;
            continue;
        }
        if ((isDecimal(word) && isClockUnit(next(k))) || word == u"REV" || word == u"REV.") { // "Rev. A"
            ++k;
            continue;
        }
        if (word == u"WITH"
            && (next(k).startsWith(u"RADEON") || (next(k) == u"AMD" && k + 2 < words.size() && words[k + 2].startsWith(u"RADEON")))) {
            // "with Radeon Vega Mobile Gfx", "with AMD Radeon R5 Graphics"
            while (k + 1 < words.size() && words[k] != u"GRAPHICS" && words[k] != u"GFX")
                ++k;
            continue;
        }
        if (apu && word.startsWith(u"RADEON")) {
            ++k;
            continue;
        }
        if ((word == u"CORE" || word == u"CORES") && !kept.isEmpty() && isCount(kept.constLast())) {
            kept.removeLast(); // "Dual Core", "12 Compute Cores"
            continue;
        }
        if (word == WrittenNames::maxQ() || word == u"MAXQ" || (word == u"MAX" && next(k) == u"Q")) {
            if (word == u"MAX")
                ++k;
            if (kept.isEmpty() || kept.constLast() != u"WITH")
                kept << QStringLiteral("WITH");
            kept << WrittenNames::maxQ().toString();
            continue;
        }
        if (isNoiseWord(word) || isClock(word) || isMemory(word) || isCoreCount(word) || isSocketOrPower(word))
            continue;
        kept << word.toString();
    }
    for (qsizetype k = 0; k < kept.size(); ++k)
        kept[k] = withLaptopMarkRead(kept[k], k > 0 ? QStringView(kept[k - 1]) : QStringView(), form.maker);
    for (const QString &word : std::as_const(kept)) {
        const QString part = ForgivingForms::withoutSeparators(word);
        if (!part.isEmpty())
            form.parts.push_back(part.toStdString());
    }
    return form;
}

// Description words: runs of ASCII letters and digits.
template <typename F>
void forEachWord(std::string_view text, F &&f)
{
    std::size_t k = 0;
    while (k < text.size()) {
        while (k < text.size() && !isLetter(text[k]) && !isDigit(text[k]))
            ++k;
        const std::size_t start = k;
        while (k < text.size() && (isLetter(text[k]) || isDigit(text[k])))
            ++k;
        if (k > start && f(text.substr(start, k - start)))
            return;
    }
}

bool sameAscii(std::string_view a, QStringView b)
{
    return a.size() == std::size_t(b.size())
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, QChar y) { return char16_t(x) == y.unicode(); });
}

} // namespace

std::vector<FullNames::Form> FullNames::of(QStringView normalised, QStringView aliasesRead, const WordStarts &starts)
{
    // a word without a number that starts no word of any description is a shop's or a
    // series' name ("iGame", "超白金"): it could only keep the record from being found
    const auto withoutUnknownWords = [&](Form form) {
        const auto unknown = [&](const std::string &part) {
            return std::none_of(part.begin(), part.end(), [](char c) { return isDigit(c); })
                && starts.candidatesFor(part).empty();
        };
        if (std::any_of(form.parts.begin(), form.parts.end(), [&](const std::string &p) { return !unknown(p); }))
            form.parts.erase(std::remove_if(form.parts.begin(), form.parts.end(), unknown), form.parts.end());
        return form;
    };
    std::vector<Form> forms;
    Form asWritten = withoutUnknownWords(formOf(normalised));
    if (aliasesRead != normalised) {
        Form read = withoutUnknownWords(formOf(aliasesRead));
        if (!read.parts.empty() && read != asWritten)
            forms.push_back(std::move(read));
    }
    if (!asWritten.parts.empty())
        forms.insert(forms.begin(), std::move(asWritten));
    return forms;
}

FullNames::Maker FullNames::makerOf(std::string_view description)
{
    Maker found = Maker::None;
    forEachWord(description, [&](std::string_view word) {
        for (const WrittenNames::MakerWord &m : WrittenNames::makers()) {
            if (sameAscii(word, m.word)
                || (m.word.size() >= 5 && word.size() > std::size_t(m.word.size())
                    && sameAscii(word.substr(0, std::size_t(m.word.size())), m.word))) {
                found = m.maker;
                return true;
            }
        }
        return false;
    });
    return found;
}

bool FullNames::heldBy(std::string_view description, std::string_view withoutSeparators, const Form &form)
{
    // most candidates lack a word altogether: that is seen without mapping places
    for (const std::string &part : form.parts) {
        if (withoutSeparators.find(part) == std::string_view::npos)
            return false;
    }
    return heldBy(description, form);
}

bool FullNames::heldBy(std::string_view description, const Form &form)
{
    // the description without separators, each byte with its place in the description
    constexpr std::size_t kRoom = 160; // a description is 40 columns: at most 120 bytes
    char squeezedRoom[kRoom];
    std::uint8_t placeOf[kRoom];
    if (description.size() > kRoom)
        return false;
    std::size_t length = 0;
    for (std::size_t k = 0; k < description.size(); ++k) {
        if (!ForgivingForms::isSeparator(char16_t(static_cast<unsigned char>(description[k])))) {
            squeezedRoom[length] = description[k];
            placeOf[length++] = std::uint8_t(k);
        }
    }
    const std::string_view squeezed(squeezedRoom, length);
    const auto before = [&](std::size_t at) { return placeOf[at] > 0 ? description[placeOf[at] - 1U] : ' '; };
    const auto after = [&](std::size_t end) {
        const std::size_t place = placeOf[end - 1] + 1U;
        return place < description.size() ? description[place] : ' ';
    };
    for (const std::string &part : form.parts) {
        std::size_t at = squeezed.find(part);
        for (; at != std::string_view::npos; at = squeezed.find(part, at + 1)) {
            const bool wholeNumber = !(isDigit(part.back()) && isDigit(after(at + part.size())));
            if (WordStarts::startsAWord(part.front(), before(at)) && wholeNumber)
                break;
        }
        if (at == std::string_view::npos)
            return false;
    }
    return form.maker == Maker::None || makerOf(description) == form.maker;
}
