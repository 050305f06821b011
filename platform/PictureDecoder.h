// Pictures of the formats phones and cameras save (JPEG, PNG, GIF, TIFF, WebP, HEIC...),
// decoded by the system's picture loaders into the bitmaps the library keeps. This runs in
// the import program, never in the program a child plays with: a photo is a file from
// anywhere, and the loaders are large.
#pragma once

#include <cstdint>
#include <vector>

#include "core/ImportResult.h"

// The bytes of a picture file turned upright from its EXIF orientation, scaled down with
// good quality to fit within `maxWidth` x `maxHeight` (never up; a large JPEG is decoded at a
// reduced size to begin with), laid over white where it is transparent, as the bytes of a
// 24-bit BMP with a 40-byte header. An animation gives its first frame; kinds of picture no
// phone or camera saves (icons, cursors, vector drawings...) are NotReadable, and so is a
// file cut short.
ImportResult DecodePicture(const std::vector<std::uint8_t>& data, int maxWidth, int maxHeight,
                           std::vector<std::uint8_t>& bmp);

// Whether every size a HEIF file claims, for its pictures and for those made of tiles (a
// grid, an overlay), is one the import takes; false too when its boxes do not fit together.
// Its loader would decode a tiled picture at the claimed size before telling it.
bool HeifSizesFit(const std::vector<unsigned char>& data);
