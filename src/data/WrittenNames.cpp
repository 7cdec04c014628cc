#include "data/WrittenNames.h"

#include <array>

namespace {

using WrittenNames::Maker;
using WrittenNames::MakerWord;

constexpr auto kMarks = std::to_array<QStringView>({u"(R)", u"(TM)", u"®", u"™", u"(C)"});

constexpr auto kWords = std::to_array<QStringView>({
    // what a processor or a card is called
    u"CPU", u"PROCESSOR", u"SERIES", u"GRAPHICS", u"GFX", u"SOCKET", u"@", u"AM2", u"AM2+", u"AM3", u"AM3+",
    u"AM4", u"AM5", u"FM1", u"FM2", u"FM2+", u"TR4", u"STRX4", u"SP3",
    // drivers, buses and companies (glxinfo, lspci)
    u"MESA", u"DRI", u"PCIE", u"PCI", u"AGP", u"SSE2", u"CORPORATION", u"CORP", u"INC", u"COMPUTE",
    // card makers and their series, as shops write them in Latin letters
    u"ASUS", u"ROG", u"STRIX", u"TUF", u"DUAL", u"MSI", u"VENTUS", u"GAMING", u"ARMOR", u"GIGABYTE", u"AORUS",
    u"WINDFORCE", u"EAGLE", u"ZOTAC", u"AMP", u"SAPPHIRE", u"NITRO+", u"PULSE", u"POWERCOLOR", u"XFX",
    u"COLORFUL", u"IGAME", u"ULTRA", u"ADVANCED", u"VULCAN", u"NEPTUNE", u"GALAX", u"GALAXY", u"MAXSUN",
    u"INNO3D", u"GAINWARD", u"PALIT", u"YESTON", u"EVGA", u"PNY", u"ASROCK", u"BIOSTAR", u"VGA", u"OC"});

// Chinese is written without spaces: these come off wherever they stand in a word.
constexpr auto kChineseNames = std::to_array<QStringView>({
    u"七彩虹", u"影驰", u"华硕", u"微星", u"技嘉", u"索泰", u"蓝宝石", u"迪兰", u"讯景", u"铭瑄", u"映众",
    u"耕升", u"盈通", u"华擎", u"映泰", u"英特尔", u"超威", u"英伟达", u"辉达", u"台式机", u"笔记本",
    u"处理器", u"显卡", u"显存", u"盒装", u"散片"});

constexpr auto kCountWords = std::to_array<QStringView>({
    u"SINGLE", u"DUAL", u"TRIPLE", u"TRI", u"QUAD", u"SIX", u"HEXA", u"EIGHT", u"OCTA", u"TEN", u"TWELVE",
    u"SIXTEEN", u"TWENTY-FOUR", u"THIRTY-TWO", u"SIXTY-FOUR"});

constexpr auto kMakers = std::to_array<MakerWord>({
    {u"INTEL", Maker::Intel, true},
    {u"英特尔", Maker::Intel, true},
    {u"AMD", Maker::Amd, true},
    {u"超威", Maker::Amd, true},
    {u"ATI", Maker::Amd, true},
    {u"NVIDIA", Maker::Nvidia, true},
    {u"英伟达", Maker::Nvidia, true},
    {u"辉达", Maker::Nvidia, true},
    {u"CELERON", Maker::Intel, false},
    {u"PENTIUM", Maker::Intel, false},
    {u"XEON", Maker::Intel, false},
    {u"ATOM", Maker::Intel, false},
    {u"RADEON", Maker::Amd, false},
    {u"RYZEN", Maker::Amd, false},
    {u"ATHLON", Maker::Amd, false},
    {u"PHENOM", Maker::Amd, false},
    {u"SEMPRON", Maker::Amd, false},
    {u"TURION", Maker::Amd, false},
    {u"OPTERON", Maker::Amd, false},
    {u"EPYC", Maker::Amd, false},
    {u"THREADRIPPER", Maker::Amd, false},
    {u"DURON", Maker::Amd, false},
    {u"FIREPRO", Maker::Amd, false},
    {u"FIREGL", Maker::Amd, false},
    {u"FIREMV", Maker::Amd, false},
    {u"FIRESTREAM", Maker::Amd, false},
    {u"MOBILITY", Maker::Amd, false},
    {u"GEFORCE", Maker::Nvidia, false},
    {u"QUADRO", Maker::Nvidia, false},
    {u"TITAN", Maker::Nvidia, false},
    {u"TESLA", Maker::Nvidia, false},
    {u"NVS", Maker::Nvidia, false},
    {u"GRID", Maker::Nvidia, false},
    {u"NFORCE", Maker::Nvidia, false},
    {u"RIVA", Maker::Nvidia, false},
    {u"ION", Maker::Nvidia, false},
    {u"GTX", Maker::Nvidia, false},
    {u"RTX", Maker::Nvidia, false},
});

} // namespace

namespace WrittenNames {

std::span<const QStringView> marks() { return kMarks; }
std::span<const QStringView> words() { return kWords; }
std::span<const QStringView> chineseNames() { return kChineseNames; }
std::span<const QStringView> countWords() { return kCountWords; }
QStringView chineseNumerals() { return u"零一二三四五六七八九十百两双"; }
std::span<const MakerWord> makers() { return kMakers; }
QStringView laptopMark() { return u"M"; }
QStringView laptopName() { return u"移动版"; }
QStringView maxQ() { return u"MAX-Q"; }

} // namespace WrittenNames
