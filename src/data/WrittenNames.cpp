#include "data/WrittenNames.h"

#include <array>

namespace {

using WrittenNames::Maker;
using WrittenNames::MakerWord;
using WrittenNames::Misspelling;

constexpr auto kMarks = std::to_array<QStringView>({u"(R)", u"(TM)", u"®", u"™", u"(C)"});

constexpr auto kMakers = std::to_array<MakerWord>({
    {u"INTEL", Maker::Intel, true},
    {u"英特尔", Maker::Intel, true},
    {u"因特尔", Maker::Intel, true},
    {u"牙膏厂", Maker::Intel, true},
    {u"AMD", Maker::Amd, true},
    {u"ATI", Maker::Amd, true},
    {u"超威", Maker::Amd, true},
    {u"农企", Maker::Amd, true},
    {u"苏妈", Maker::Amd, true},
    {u"NVIDIA", Maker::Nvidia, true},
    {u"英伟达", Maker::Nvidia, true},
    {u"辉达", Maker::Nvidia, true},
    {u"老黄", Maker::Nvidia, true},
    {u"APPLE", Maker::Apple, true},
    {u"苹果", Maker::Apple, true},
    {u"MACBOOK", Maker::Apple, true}, // the computers that carry its name
    {u"IMAC", Maker::Apple, true},
    {u"MAC", Maker::Apple, true},
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

constexpr auto kFormWords = std::to_array<QStringView>({u"移动版", u"MOBILE", u"MAX", u"Q", u"WITH", u"DESIGN"});
constexpr auto kMobileFormWords = std::to_array<QStringView>({u"移动版", u"MOBILE", u"MAX", u"Q"});

constexpr auto kVariantWords = std::to_array<QStringView>({
    u"TI", u"SUPER", u"XT", u"XTX", u"XL", u"LE", u"GT", u"GTS", u"GTX", u"GS", u"GSO", u"GTO", u"SE", u"TE",
    u"ULTRA", u"PRO", u"BOOST", u"X2", u"GX2", u"X", u"G", u"BLACK", u"EDITION", u"ANNIVERSARY", u"双卡"});
constexpr auto kSpokenVariantWords = std::to_array<QStringView>({u"TI", u"SUPER", u"XT", u"XTX"});

constexpr auto kDescriptiveWords = std::to_array<QStringView>({
    u"GRAPHICS", u"EDITION", u"CHIPSET", u"ACCELERATOR", u"SERIES", u"SERIE", u"PROCESSOR", u"CPU", u"GPU", u"APU",
    u"FAMILY", u"EXPRESS", u"IGP", u"WITH"});

constexpr auto kUnits = std::to_array<QStringView>({
    u"G", u"GB", u"MB", u"T", u"TB", u"GHZ", u"MHZ", u"HZ", u"W", u"NM", u"BIT", u"P", u"MAH", u"WH", u"MM"});
constexpr auto kChineseUnits = std::to_array<QStringView>({
    u"英寸", u"寸", u"核心", u"核", u"线程", u"代", u"年", u"款", u"元", u"瓦", u"兆", u"赫"});

constexpr auto kLaptopWords = std::to_array<QStringView>({u"笔记本", u"游戏本", u"轻薄本", u"LAPTOP", u"NOTEBOOK"});

constexpr auto kGraphicsSeriesWords = std::to_array<QStringView>({u"GEFORCE", u"RTX", u"GTX", u"RADEON", u"RX", u"ARC"});

constexpr auto kDesktopWords = std::to_array<QStringView>({u"台式", u"DESKTOP"});
constexpr auto kWrittenFormWords = std::to_array<QStringView>({u"MAX"});

constexpr auto kFamilyWords = std::to_array<QStringView>({u"SERIES", u"系列"});

constexpr auto kMisspellings = std::to_array<Misspelling>({
    {u"瑞龙", u"RYZEN"}, {u"睿龙", u"RYZEN"}, {u"锐龍", u"RYZEN"}, {u"酷锐", u"CORE"}, {u"酷瑞", u"CORE"},
    {u"塞扬", u"CELERON"}, {u"志强", u"XEON"}, {u"宵龙", u"EPYC"}, {u"因特尔", u"INTEL"}, {u"英伟大", u"NVIDIA"},
    // Intel's Chinese names of its graphics, longest first; a Chinese TITAN; a common miswriting
    {u"超核芯显卡", u"UHD GRAPHICS"}, {u"核芯显卡", u"HD GRAPHICS"}, {u"泰坦", u"TITAN"}, {u"SUPPER", u"SUPER"},
});

} // namespace

namespace WrittenNames {

std::span<const QStringView> marks() { return kMarks; }
std::span<const MakerWord> makers() { return kMakers; }
std::span<const QStringView> formWords() { return kFormWords; }
std::span<const QStringView> mobileFormWords() { return kMobileFormWords; }
std::span<const QStringView> variantWords() { return kVariantWords; }
std::span<const QStringView> spokenVariantWords() { return kSpokenVariantWords; }
std::span<const QStringView> descriptiveWords() { return kDescriptiveWords; }
std::span<const QStringView> units() { return kUnits; }
std::span<const QStringView> chineseUnits() { return kChineseUnits; }
std::span<const QStringView> laptopWords() { return kLaptopWords; }
std::span<const QStringView> desktopWords() { return kDesktopWords; }
std::span<const QStringView> graphicsSeriesWords() { return kGraphicsSeriesWords; }
std::span<const QStringView> writtenFormWords() { return kWrittenFormWords; }
std::span<const QStringView> familyWords() { return kFamilyWords; }
std::span<const Misspelling> misspellings() { return kMisspellings; }

Maker partNumberMaker(QStringView letter)
{
    if (letter == u"N")
        return Maker::Nvidia;
    if (letter == u"R")
        return Maker::Amd;
    return Maker::None;
}

QStringView laptopMark() { return u"M"; }
QStringView laptopName() { return u"移动版"; }
QStringView superMark() { return u"S"; }
QStringView superName() { return u"SUPER"; }

} // namespace WrittenNames
