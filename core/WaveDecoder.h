// Turns the bytes of a wave file into samples for the sound device: 44.1 kHz, 16-bit, stereo.
// The file is hostile: a sound that would cost more than a key press may is refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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

// A wave's samples converted for the sound device a part at a time: a long sound starts at
// once, and the rest follows while it plays.
class CWaveStream {
public:
    CWaveStream() = default;
    ~CWaveStream();
    CWaveStream(const CWaveStream&) = delete;
    CWaveStream& operator=(const CWaveStream&) = delete;

    // Reads the bytes of a wave file (they are not needed afterwards); false when they are
    // not a playable wave within the limits above.
    bool Open(const unsigned char* data, std::size_t size);
    // Reads the start of a wave file of `fileSize` bytes, whose samples are then read from
    // the file a part at a time through `read` (offset, length, bytes), so a long sound is
    // never held whole. False when the start is not that of a playable wave whose samples
    // lie in the file as they are played (plain PCM); such a wave is opened whole.
    using Reader = std::function<bool(std::uint64_t offset, std::size_t length, std::string&)>;
    bool OpenStart(const unsigned char* start, std::size_t size, std::uint64_t fileSize,
                   Reader read);
    // Converts about the next `seconds` of the sound and appends them to `pcm`; false when
    // the conversion fails.
    bool Next(double seconds, std::string& pcm);
    // Whether every sample has been converted.
    bool AtEnd() const { return m_nAt == m_nFrames; }

private:
    void Release();

    bool ReadFormat(const unsigned char* data, std::size_t size, std::size_t& length);

    unsigned char* m_pData = nullptr;  // the samples in the file's format
    Reader m_read;                     // or, when null, where they are read from
    std::uint64_t m_nDataOffset = 0;   // the file's byte of the first sample
    std::size_t m_nFrames = 0;         // the sound's length, in frames
    std::size_t m_nAt = 0;             // the first frame not yet converted
    std::size_t m_nFrameBytes = 0;
    int m_nRate = 0;
    unsigned short m_nFormat = 0;
    int m_nChannels = 0;
    // A part starts at a multiple of `m_nStepIn` frames, which become exactly `m_nStepOut`
    // frames of the device's rate.
    std::size_t m_nStepIn = 1, m_nStepOut = 1;
};
