#include "core/WaveDecoder.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
#include <numeric>

#include "core/LittleEndian.h"

namespace {

// The converter allocates what a chunk claims; a chunk is cut to the bytes that follow it,
// as a wave whose end is missing plays what it has. Empty when every chunk is honest, and
// the bytes can be read as they are.
std::string WithHonestChunks(const unsigned char* data, std::size_t size) {
    std::size_t at = 12;
    while (at + 8 <= size) {
        const std::uint32_t length = U32(data + at + 4);
        const std::size_t room = size - (at + 8);
        if (length > room) {
            std::string bytes(reinterpret_cast<const char*>(data), size);
            PutU32(reinterpret_cast<unsigned char*>(bytes.data()) + at + 4,
                   static_cast<std::uint32_t>(room));
            return bytes;
        }
        at += 8 + length + (length & 1);
    }
    return {};
}

// Each part is converted with this many frames of the sound on either side of it, which the
// resampler reads and which are then left out: the parts join as the whole converted at once.
constexpr std::size_t kPartOverlap = 64;

// Converts `bytes` bytes of samples of `format` into the device's format, into `converted`.
bool Convert(const unsigned char* samples, std::size_t bytes, SDL_AudioFormat format, int channels,
             int rate, std::string& converted) {
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, format, static_cast<Uint8>(channels), rate, AUDIO_S16SYS,
                          kDeviceChannels, kDeviceRate) < 0 ||
        cvt.len_mult < 1) {
        return false;
    }
    const std::size_t bufferSize = bytes * static_cast<std::size_t>(cvt.len_mult);
    converted.assign(bufferSize, '\0');
    std::memcpy(converted.data(), samples, bytes);
    cvt.buf = reinterpret_cast<Uint8*>(converted.data());
    cvt.len = static_cast<int>(bytes);
    if (SDL_ConvertAudio(&cvt) != 0 || cvt.len_cvt < 0 ||
        static_cast<std::size_t>(cvt.len_cvt) > bufferSize) {
        return false;
    }
    converted.resize(static_cast<std::size_t>(cvt.len_cvt));
    return true;
}
// The whole sound converted may take no more than the limit.
bool WithinConversionLimit(SDL_AudioFormat format, int channels, int rate, std::uint64_t bytes) {
    SDL_AudioCVT cvt;
    return SDL_BuildAudioCVT(&cvt, format, static_cast<Uint8>(channels), rate, AUDIO_S16SYS,
                             kDeviceChannels, kDeviceRate) >= 0 &&
           cvt.len_mult >= 1 &&
           bytes <= kMaxConversionBytes / static_cast<std::size_t>(cvt.len_mult);
}

}  // namespace

CWaveStream::~CWaveStream() {
    Release();
}

void CWaveStream::Release() {
    SDL_FreeWAV(m_pData);
    m_pData = nullptr;
    m_read = nullptr;
    m_nFrames = m_nAt = 0;
}

// Reads the wave's format and decodes its samples into m_pData; `length` is their bytes.
bool CWaveStream::ReadFormat(const unsigned char* data, std::size_t size, std::size_t& length) {
    Release();
    // Only a RIFF wave: its chunks are known to start at byte 12.
    if (data == nullptr || size < 12 || size > static_cast<std::size_t>(INT_MAX) ||
        std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) {
        return false;
    }
    const std::string honest = WithHonestChunks(data, size);
    SDL_RWops* rw = SDL_RWFromConstMem(
        honest.empty() ? static_cast<const void*>(data) : honest.data(), static_cast<int>(size));
    SDL_AudioSpec found;
    Uint32 decoded = 0;
    if (rw == nullptr || SDL_LoadWAV_RW(rw, 1, &found, &m_pData, &decoded) == nullptr) {
        m_pData = nullptr;
        return false;
    }
    length = decoded;
    // A rate of a few hertz stretches every byte over thousands of output samples.
    if (found.freq < kMinWaveRate || found.freq > kMaxWaveRate || found.channels < 1 ||
        found.channels > kMaxWaveChannels) {
        Release();
        return false;
    }
    m_nFormat = found.format;
    m_nChannels = found.channels;
    m_nRate = found.freq;
    m_nFrameBytes = static_cast<std::size_t>(SDL_AUDIO_BITSIZE(found.format) / 8) * found.channels;
    const std::size_t common = std::gcd<std::size_t>(found.freq, kDeviceRate);
    m_nStepIn = static_cast<std::size_t>(found.freq) / common;
    m_nStepOut = static_cast<std::size_t>(kDeviceRate) / common;
    m_nAt = 0;
    return true;
}

bool CWaveStream::Open(const unsigned char* data, std::size_t size) {
    std::size_t length = 0;
    if (!ReadFormat(data, size, length) ||
        !WithinConversionLimit(m_nFormat, m_nChannels, m_nRate, length)) {
        Release();
        return false;
    }
    m_nFrames = length / m_nFrameBytes;
    return true;
}

bool CWaveStream::OpenStart(const unsigned char* start, std::size_t size, std::uint64_t fileSize,
                            Reader read) {
    std::size_t length = 0;
    if (!ReadFormat(start, size, length) || length == 0 || length > size) {
        Release();
        return false;
    }
    // The samples run to the end of the start, right after the data chunk's header, and are
    // the very bytes the file holds there.
    const std::size_t offset = size - length;
    if (offset < 20 || std::memcmp(start + offset - 8, "data", 4) != 0 ||
        std::memcmp(start + offset, m_pData, length) != 0) {
        Release();
        return false;
    }
    const std::uint64_t declared = U32(start + offset - 4);
    const std::uint64_t bytes = std::min<std::uint64_t>(declared, fileSize - offset);
    if (!WithinConversionLimit(m_nFormat, m_nChannels, m_nRate, bytes)) {
        Release();
        return false;
    }
    SDL_FreeWAV(m_pData);
    m_pData = nullptr;
    m_read = std::move(read);
    m_nDataOffset = offset;
    m_nFrames = static_cast<std::size_t>(bytes / m_nFrameBytes);
    return true;
}

bool CWaveStream::Next(double seconds, std::string& pcm) {
    if (AtEnd()) {
        return true;
    }
    const auto steps = [this](std::size_t frames) {
        return (frames + m_nStepIn - 1) / m_nStepIn * m_nStepIn;
    };
    const std::size_t wanted = static_cast<std::size_t>(std::max(1.0, seconds * m_nRate));
    const std::size_t begin = m_nAt;
    const std::size_t end = std::min(m_nFrames, begin + steps(std::min(wanted, m_nFrames)));
    const std::size_t overlap = steps(kPartOverlap);
    const std::size_t from = begin > overlap ? begin - overlap : 0;
    const std::size_t to = std::min(m_nFrames, end + overlap);
    std::string samples, converted;
    const unsigned char* part = nullptr;
    if (!m_read) {
        part = m_pData + from * m_nFrameBytes;
    } else {
        if (!m_read(m_nDataOffset + from * m_nFrameBytes, (to - from) * m_nFrameBytes, samples) ||
            samples.size() != (to - from) * m_nFrameBytes) {
            Release();  // the file changed under the sound: it ends here
            return false;
        }
        part = reinterpret_cast<const unsigned char*>(samples.data());
    }
    if (!Convert(part, (to - from) * m_nFrameBytes, static_cast<SDL_AudioFormat>(m_nFormat),
                 m_nChannels, m_nRate, converted)) {
        Release();
        return false;
    }
    constexpr std::size_t kOut = kDeviceChannels * 2;  // bytes of a frame for the device
    const std::size_t skip =
        std::min(converted.size(), (begin - from) / m_nStepIn * m_nStepOut * kOut);
    const std::size_t keep =
        end == m_nFrames
            ? converted.size() - skip
            : std::min(converted.size() - skip, (end - begin) / m_nStepIn * m_nStepOut * kOut);
    pcm.append(converted, skip, keep);
    m_nAt = end;
    if (AtEnd()) {
        Release();  // the samples are no longer needed
    }
    return true;
}

bool DecodeWave(const unsigned char* data, std::size_t size, std::string& pcm) {
    pcm.clear();
    CWaveStream stream;
    if (!stream.Open(data, size)) {
        return false;
    }
    // The whole sound in one part.
    if (!stream.Next(double(kMaxConversionBytes), pcm)) {
        pcm.clear();
        return false;
    }
    return true;
}
