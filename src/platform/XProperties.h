#pragma once

#include <X11/Xlib.h>

#include <vector>

// One window property of the given type and item size (8 or 32 bits); empty when absent.
// Xlib hands 32-bit items as longs.
template <typename Item>
std::vector<Item> xProperty(Display *display, Window window, Atom name, Atom type)
{
    constexpr int format = sizeof(Item) == 1 ? 8 : 32;
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    std::vector<Item> items;
    if (XGetWindowProperty(display, window, name, 0, 4096, False, type, &actualType, &actualFormat, &count, &after,
                           &data) == Success
        && data && actualFormat == format) {
        const auto *first = reinterpret_cast<const Item *>(data);
        items.assign(first, first + count);
    }
    if (data)
        XFree(data);
    return items;
}
