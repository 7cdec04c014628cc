#pragma once

#include <QStringView>

#include <span>

// What computers, system tools and shops write around a model name that the score lists
// do not ("Intel(R) Core(TM) i7-6700K CPU @ 4.00GHz", "索泰 GTX1070Ti 8G"): marks, words
// that name no model, the makers behind the families, and the marks of laptop models.
// Upper case, as conditions are compared. Clocks, memory sizes and core
// counts are shapes, not words: the reading recognises those itself.
namespace WrittenNames {

enum class Maker : unsigned char { None, Intel, Amd, Nvidia };

// Written anywhere, even inside a word ("Core(TM)").
std::span<const QStringView> marks();

// Whole words that name no model: "CPU", "Series", "Graphics", driver, company and card
// makers' words.
std::span<const QStringView> words();

// Chinese words that name no model, card makers and makers among them: dropped even where
// a title glues them to the model ("索泰GTX1070Ti", "盒装CPU").
std::span<const QStringView> chineseNames();

// The words that count cores before "Core" ("Eight-Core", "Dual Core"), and the Chinese
// numerals of "六核" and "十二线程".
std::span<const QStringView> countWords();
QStringView chineseNumerals();

struct MakerWord
{
    QStringView word;
    Maker maker;
    bool named; // the maker's own name, which the lists write for some records only
};

// The makers' names, and the family words by which a record without one is known
// ("GeForce" is NVIDIA's). A family word of five letters or more also stands for the
// words it begins ("GeForce4", "Quadro4").
std::span<const MakerWord> makers();

// Written after a GeForce number: the laptop mark ("RTX2070M" is the "RTX 2070移动版").
QStringView laptopMark();
QStringView laptopName();

// "Max-Q" stands for "with Max-Q Design".
QStringView maxQ();

} // namespace WrittenNames
