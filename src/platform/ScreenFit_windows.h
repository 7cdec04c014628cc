#pragma once

#include "platform/ScreenFit.h"

#include <windows.h>

// What primaryScreenBeforeStart() makes of the monitor Windows describes: its work area
// (the monitor less the taskbar), its dpi, and a 100 x 100 client rectangle as
// AdjustWindowRectEx grows it by the frame.
ScreenBeforeStart screenBeforeStart(const MONITORINFO &monitor, UINT dpi, const RECT &framed100);
