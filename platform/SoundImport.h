// Sounds of the formats phones and recorders save (M4A/AAC, MP3, Ogg Vorbis, Opus, FLAC,
// AMR, WAV of any kind), made into the 16-bit PCM WAV files the library keeps. The import
// program decodes them, in a process of its own; this is their one door.
#pragma once

#include <string>

#include "core/ImportResult.h"

// Reads `source` (a regular file only, never blocking), has the import program make it a
// 16-bit PCM WAV (mono or stereo as the source, at 44.1 or 48 kHz as the source has it,
// other rates resampled to 44.1 kHz, silence at both ends trimmed, at most a minute kept) and
// writes that to `target`, under a temporary name renamed into place, replacing the folder's
// entry, so a failure leaves no partial file. Shortened: the sound was longer than a minute.
// A file that would take more than the import's limits is NotReadable. On WriteFailed,
// `reason` says why.
ImportResult ImportSound(const std::string& source, const std::string& target, std::string& reason);
