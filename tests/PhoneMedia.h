// Photos and voice clips in the formats phones save, made for the tests by the system's own
// encoders.
#pragma once

#include <cstdint>
#include <string>

#include "TestFolder.h"

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// A picture whose four quarters are red (top left), green (top right), blue (bottom left)
// and white, saved in `format` ("png", "jpeg", "heic"...); a JPEG may carry an EXIF
// orientation.
Bytes MakePicture(int width, int height, const char* format, int orientation = 0);

// Whether the ffmpeg program is there to make clips.
bool CanMakeClips();
// A clip at `path`: half a second of silence, `seconds` of a 1 kHz tone at half scale, half a
// second of silence, encoded with the ffmpeg arguments `codec` ("-c:a aac"), or "amr-nb" for
// a phone recorder's AMR (8 kHz mono).
void MakeClip(const std::string& path, int rate, int channels, double seconds,
              const std::string& codec);
