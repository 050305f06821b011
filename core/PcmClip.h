// A sound as 16-bit samples, interleaved, on its way into the library: from a phone's clip or
// from the microphone. It is trimmed of silence at both ends and saved as a PCM WAV file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Samples quieter than this (about -40 dBFS) are silence at either end of a sound.
constexpr int kSilenceLevel = 328;

struct PcmClip {
    int rate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;

    // Drops the silence at both ends, keeping a few milliseconds before the first loud sample
    // so the sound starts without a click, and keeps at most `cap` samples from there. A clip
    // that is silence throughout is only kept to the cap. True when samples beyond the cap
    // were dropped.
    bool TrimSilence(std::size_t cap);
    // The bytes of a WAV file holding the clip.
    std::vector<std::uint8_t> ToWave() const;
};
