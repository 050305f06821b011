// The EXIF orientation a JPEG records for its picture, read where the camera put it: the
// first entry 0x0112 of the first picture directory of the "Exif" APP1 segment. For the
// system decoders that decode a JPEG but do not say how it is turned (wine's, for one).
#pragma once

#include <cstdint>
#include <vector>

// 1 to 8; 1 (as stored) when the file is no JPEG, holds no orientation or a wrong one.
int JpegExifOrientation(const std::vector<std::uint8_t>& data);
