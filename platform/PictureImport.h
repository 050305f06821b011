// Pictures of the formats phones and cameras save (JPEG, PNG, GIF, TIFF, WebP, HEIC...),
// made into the bitmaps the library keeps. The system's picture loaders decode them; this
// is their one door.
#pragma once

#include <string>
#include <vector>

#include "platform/ImportResult.h"

// Reads `source` (a regular file only, never blocking), turns the picture upright from its
// EXIF orientation, scales it down with good quality to fit within `maxWidth` x `maxHeight`
// (never up; a large JPEG is decoded at a reduced size to begin with), lays it over white
// where it is transparent, and writes it to `target` as a 24-bit BMP with a 40-byte header,
// replacing the folder's entry. The BMP is written under a temporary name and renamed into
// place, so a failure leaves no partial file. An animation gives its first frame; kinds of
// picture no phone or camera saves (icons, cursors, vector drawings...) are NotReadable. On
// WriteFailed, `reason` says why in the system's words where there are any.
ImportResult ImportPicture(const std::string& source, const std::string& target, int maxWidth,
                           int maxHeight, std::string& reason);

// Whether every size a HEIF file claims, for its pictures and for those made of tiles (a
// grid, an overlay), is one the import takes; false too when its boxes do not fit together.
// Its loader would decode a tiled picture at the claimed size before telling it.
bool HeifSizesFit(const std::vector<unsigned char>& data);
