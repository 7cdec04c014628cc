#include "platform/DesktopPlatform.h"

#include <sys/sysctl.h>
#include <sys/types.h>

#include <string>

// macOS gives one brand string for the machine.
QStringList systemProcessorNames()
{
    size_t size = 0;
    if (sysctlbyname("machdep.cpu.brand_string", nullptr, &size, nullptr, 0) != 0 || size == 0)
        return {};
    std::string brand(size, '\0');
    if (sysctlbyname("machdep.cpu.brand_string", brand.data(), &size, nullptr, 0) != 0)
        return {};
    brand.resize(brand.find('\0') == std::string::npos ? size : brand.find('\0'));
    if (brand.empty())
        return {};
    return {QString::fromUtf8(brand.data(), qsizetype(brand.size()))};
}
