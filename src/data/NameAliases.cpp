#include "data/NameAliases.h"

#include <array>

namespace {

using Alias = NameAliases::Alias;

constexpr std::array kAliases = {
    // "R5 3600" is a Ryzen 5 3600; "R9 290" still finds the Radeon R9 290 as written.
    Alias{u"R3", u"RYZEN 3", true},
    Alias{u"R5", u"RYZEN 5", true},
    Alias{u"R7", u"RYZEN 7", true},
    Alias{u"R9", u"RYZEN 9", true},
    Alias{u"酷睿", u"CORE", false},
    Alias{u"锐龙", u"RYZEN", false},
    Alias{u"奔腾", u"PENTIUM", false},
    Alias{u"赛扬", u"CELERON", false},
    Alias{u"至强", u"XEON", false},
    Alias{u"速龙", u"ATHLON", false},
    Alias{u"羿龙", u"PHENOM", false},
    Alias{u"霄龙", u"EPYC", false},
    Alias{u"线程撕裂者", u"THREADRIPPER", false},
    Alias{u"英特尔", u"INTEL", false},
    Alias{u"英伟达", u"NVIDIA", false},
    Alias{u"锐炬", u"IRIS", false},
};

} // namespace

std::span<const NameAliases::Alias> NameAliases::all()
{
    return kAliases;
}
