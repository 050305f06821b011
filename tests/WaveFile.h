// Wave files made to measure for the sound tests.
#pragma once

#include <cstdint>

#include "TestFolder.h"

struct WaveFormat {
    std::uint32_t rate = 22050;
    std::uint16_t channels = 1;
    std::uint16_t bits = 16;
};

// A PCM wave whose data chunk holds `dataBytes` bytes of a square wave.
Bytes MakeWave(const WaveFormat& format, std::uint32_t dataBytes);
