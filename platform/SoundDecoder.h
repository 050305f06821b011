// Sounds of the formats phones and recorders save (M4A/AAC, MP3, Ogg Vorbis, Opus, FLAC,
// AMR, WAV of any kind), decoded by FFmpeg's libraries into the 16-bit PCM WAV files the
// library keeps. This runs in the import program, never in the program a child plays with.
#pragma once

#include <cstdint>
#include <vector>

#include "core/ImportResult.h"

// The longest sound kept, in seconds; a longer one keeps its start.
constexpr int kMaxImportedSoundSeconds = 60;

// The bytes of a sound file as the bytes of a 16-bit PCM WAV: mono or stereo as the source
// (more channels are mixed down to two), at 44.1 or 48 kHz as the source has it, other rates
// resampled to 44.1 kHz. Leading and trailing silence is trimmed, so the sound answers at
// once. Shortened: the sound was longer than the cap.
ImportResult DecodeSound(const std::vector<std::uint8_t>& data, std::vector<std::uint8_t>& wave);
