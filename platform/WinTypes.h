// Windows' small value types: on/off values as 32-bit ints, colours as 0x00BBGGRR, and
// rectangles.
#pragma once

#ifdef _WIN32
// On Windows they are Windows' own.
#include "platform/windows/Windows.h"
#else

#include <cstdint>

using BOOL = std::int32_t;
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

using COLORREF = std::uint32_t;

constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16;
}
constexpr unsigned GetRValue(COLORREF c) {
    return c & 0xFF;
}
constexpr unsigned GetGValue(COLORREF c) {
    return c >> 8 & 0xFF;
}
constexpr unsigned GetBValue(COLORREF c) {
    return c >> 16 & 0xFF;
}

// A rectangle as Windows gives one: right and bottom lie just outside.
struct RECT {
    std::int32_t left, top, right, bottom;
};

#endif
