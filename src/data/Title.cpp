#include "data/Title.h"

namespace Title {

namespace {
// Output of tools/make_title.py.
constexpr char16_t kTitlePart1[] = u"JW\\6NW\\\u96C4\u4F60\u8146\u557C";
constexpr char16_t kTitlePart2[] = u"\u62C6\u8BAF\u516C\u70AC";
constexpr char16_t kTitlePart3[] = u"']75@@i;";
} // namespace

QString scrambledPart(int part)
{
    switch (part) {
    case 1: return QString::fromUtf16(kTitlePart1);
    case 2: return QString::fromUtf16(kTitlePart2);
    case 3: return QString::fromUtf16(kTitlePart3);
    default: return {};
    }
}

} // namespace Title
