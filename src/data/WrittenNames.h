#pragma once

#include <QStringView>

#include <span>

// What the score lists cannot teach about names as computers, tools, shops and people write
// them: the makers and the families that tell a maker, the Chinese names and nicknames, the
// words for a laptop chip and for a variant, and the units that make a number a quantity.
// Everything else the full-name reading learns from the lists' own words. Upper case, as
// conditions are compared.
namespace WrittenNames {

enum class Maker : unsigned char { None, Intel, Amd, Nvidia, Apple };

// Written anywhere, even inside a word ("Core(TM)").
std::span<const QStringView> marks();

struct MakerWord
{
    QStringView word;
    Maker maker;
    bool named; // the maker's own name or nickname, not a family of its
};

// The makers' names (Chinese ones and nicknames among them), and the family words by which
// a record without one is known ("GeForce" is NVIDIA's). A family word of five letters or
// more also stands for the words it begins ("GeForce4").
std::span<const MakerWord> makers();

// Words of a description that tell the same chip in a laptop: a record holding them is a
// close variant of the one without, not another chip. The mobile ones answer a laptop.
std::span<const QStringView> formWords();
std::span<const QStringView> mobileFormWords();

// Words after a model number that make another product of it ("1070 Ti", "2060 SUPER").
std::span<const QStringView> variantWords();
// ... of which these, written after a number, say the text means a variant.
std::span<const QStringView> spokenVariantWords();

// Words that tell what kind of part a name is, not which one ("Graphics", "Processor").
std::span<const QStringView> descriptiveWords();

// A number followed by one of these is a quantity, not a model ("8G", "3.20 GHz", "144Hz",
// "15.6英寸"). The Chinese ones may stand glued to the number.
std::span<const QStringView> units();
std::span<const QStringView> chineseUnits();

// Words saying the text names a laptop, or a desktop computer.
std::span<const QStringView> laptopWords();
std::span<const QStringView> desktopWords();

// Form words of a record that the text must write for it to be meant: a name without
// "Max-Q" is not the Max-Q Design.
std::span<const QStringView> writtenFormWords();

// Written before a number, these say the text names a graphics chip ("RTX 4060", "Arc A770").
std::span<const QStringView> graphicsSeriesWords();

// A family's members: "Radeon R9 200 Series".
std::span<const QStringView> familyWords();

struct Misspelling
{
    QStringView written;
    QStringView means;
};
// Chinese brand names as people often miswrite them.
std::span<const Misspelling> misspellings();

// A letter glued before a board's model number that names its maker ("GV-N2070...").
Maker partNumberMaker(QStringView letter);

// Glued after a GeForce number: "RTX2070M" is the "移动版", "1660S" the "SUPER".
QStringView laptopMark();
QStringView laptopName();
QStringView superMark();
QStringView superName();

} // namespace WrittenNames
