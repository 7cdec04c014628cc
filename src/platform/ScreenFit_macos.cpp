#include "platform/ScreenFit.h"

// Qt scales by the backing store on macOS: nothing to fit before start.
std::optional<ScreenBeforeStart> primaryScreenBeforeStart()
{
    return std::nullopt;
}
