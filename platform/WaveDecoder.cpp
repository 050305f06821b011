#include "platform/WaveDecoder.h"

#include <SDL.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>

#include "platform/LittleEndian.h"

namespace {

struct WaveData {
    Uint8* data = nullptr;
    ~WaveData() { SDL_FreeWAV(data); }
};

// The converter allocates what a chunk claims; a chunk is cut to the bytes that follow it,
// as a wave whose end is missing plays what it has.
std::string WithHonestChunks(const unsigned char* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    auto* b = reinterpret_cast<unsigned char*>(bytes.data());
    std::size_t at = 12;
    while (at + 8 <= size) {
        const std::uint32_t length = U32(b + at + 4);
        const std::size_t room = size - (at + 8);
        if (length > room) {
            PutU32(b + at + 4, static_cast<std::uint32_t>(room));
            break;
        }
        at += 8 + length + (length & 1);
    }
    return bytes;
}

}  // namespace

bool DecodeWave(const unsigned char* data, std::size_t size, std::string& pcm) {
    pcm.clear();
    // Only a RIFF wave: its chunks are known to start at byte 12.
    if (size < 12 || size > static_cast<std::size_t>(INT_MAX) ||
        std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) {
        return false;
    }
    const std::string bytes = WithHonestChunks(data, size);
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(size));
    SDL_AudioSpec spec;
    WaveData wave;
    Uint32 length = 0;
    if (rw == nullptr || SDL_LoadWAV_RW(rw, 1, &spec, &wave.data, &length) == nullptr) {
        return false;
    }
    // A rate of a few hertz stretches every byte over thousands of output samples.
    if (spec.freq < kMinWaveRate || spec.freq > kMaxWaveRate || spec.channels < 1 ||
        spec.channels > kMaxWaveChannels) {
        return false;
    }
    SDL_AudioCVT cvt;
    const int built = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS,
                                        kDeviceChannels, kDeviceRate);
    if (built < 0 || cvt.len_mult < 1) {
        return false;
    }
    if (length == 0 || wave.data == nullptr) {
        return true;
    }
    // The converter works in place in a buffer of length * len_mult bytes.
    const std::size_t mult = static_cast<std::size_t>(cvt.len_mult);
    if (length > kMaxConversionBytes / mult) {
        return false;
    }
    if (built == 0) {
        pcm.assign(reinterpret_cast<const char*>(wave.data), length);
        return true;
    }
    const std::size_t bufferSize = static_cast<std::size_t>(length) * mult;
    auto buffer = std::make_unique_for_overwrite<Uint8[]>(bufferSize);
    std::memcpy(buffer.get(), wave.data, length);
    cvt.buf = buffer.get();
    cvt.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&cvt) != 0 || cvt.len_cvt < 0 ||
        static_cast<std::size_t>(cvt.len_cvt) > bufferSize) {
        return false;
    }
    pcm.assign(reinterpret_cast<const char*>(buffer.get()), static_cast<std::size_t>(cvt.len_cvt));
    return true;
}
