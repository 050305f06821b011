// Turns the bytes of a wave file into samples for the sound device: 44.1 kHz, 16-bit, stereo.
// The file is hostile: a sound that would cost more than a key press may is refused.
#pragma once

#include <cstddef>
#include <string>

constexpr int kDeviceRate = 44100;
constexpr int kDeviceChannels = 2;

// Rates and channel counts a sound may have, and the most memory its conversion may take.
constexpr int kMinWaveRate = 4000;
constexpr int kMaxWaveRate = 384000;
constexpr int kMaxWaveChannels = 8;
constexpr std::size_t kMaxConversionBytes = 128u << 20;

// False when the bytes are not a playable wave within the limits above. A wave without
// samples gives empty `pcm` and true.
bool DecodeWave(const unsigned char* data, std::size_t size, std::string& pcm);
