// Pictures in the formats phones save, made for the tests by the system's own encoders.
#pragma once

#include <cstdint>

#include "TestFolder.h"

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// A picture whose four quarters are red (top left), green (top right), blue (bottom left)
// and white, saved in `format` ("png", "jpeg"...); a JPEG may carry an EXIF orientation.
Bytes MakePicture(int width, int height, const char* format, int orientation = 0);
