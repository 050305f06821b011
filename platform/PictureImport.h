// Pictures of the formats phones and cameras save (JPEG, PNG, GIF, TIFF, WebP, HEIC...),
// made into the bitmaps the library keeps. The import program decodes them, in a process of
// its own; this is their one door.
#pragma once

#include <string>

#include "core/ImportResult.h"

// Reads `source` (a regular file only, never blocking), has the import program turn it
// upright from its EXIF orientation, scale it down with good quality to fit within
// `maxWidth` x `maxHeight` (never up), lay it over white where it is transparent and make it a
// 24-bit BMP with a 40-byte header, and writes that to `target`, replacing the folder's entry.
// The BMP is written under a temporary name and renamed into place, so a failure leaves no
// partial file. An animation gives its first frame; kinds of picture no phone or camera saves
// (icons, cursors, vector drawings...), files cut short and files that would take more than
// the import's limits are NotReadable. On WriteFailed, `reason` says why in the system's words
// where there are any.
ImportResult ImportPicture(const std::string& source, const std::string& target, int maxWidth,
                           int maxHeight, std::string& reason);
