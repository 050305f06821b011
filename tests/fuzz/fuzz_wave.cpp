// Wave files, decoded and converted to the sound device's format.
#include <cstdint>
#include <string>

#include "core/WaveDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string pcm;
    DecodeWave(data, size, pcm);
    return 0;
}
