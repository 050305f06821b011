// Sounds of the formats phones and recorders save (M4A/AAC, MP3, Ogg Vorbis, Opus, FLAC,
// AMR, WAV of any kind), made into the 16-bit PCM WAV files the library keeps. FFmpeg's
// libraries decode them; this is their one door.
#pragma once

#include <string>

#include "platform/ImportResult.h"

// The longest sound kept, in seconds; a longer one keeps its start.
constexpr int kMaxImportedSoundSeconds = 60;

// Reads `source` (a regular file only, never blocking) and writes to `target` a 16-bit PCM
// WAV: mono or stereo as the source (more channels are mixed down to two), at 44.1 or
// 48 kHz as the source has it, other rates resampled to 44.1 kHz. Leading and trailing
// silence is trimmed, so the sound answers at once. The WAV is written under a temporary
// name and renamed into place, replacing the folder's entry, so a failure leaves no partial
// file. Shortened: the sound was longer than the cap. On WriteFailed, `reason` says why.
ImportResult ImportSound(const std::string& source, const std::string& target, std::string& reason);
