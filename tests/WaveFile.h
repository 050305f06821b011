// Wave files made to measure for the sound tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "TestFolder.h"

struct WaveFormat {
    std::uint32_t rate = 22050;
    std::uint16_t channels = 1;
    std::uint16_t bits = 16;
};

// A PCM wave whose data chunk holds `dataBytes` bytes of a square wave.
Bytes MakeWave(const WaveFormat& format, std::uint32_t dataBytes);

// A 16-bit PCM wave file as read back.
struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<std::int16_t> samples;
    double Seconds() const { return rate > 0 ? double(samples.size()) / channels / rate : 0; }
};
Wave ReadWave(const std::string& path);
// The frequency of the first channel, from its rising zero crossings.
double Frequency(const Wave& wave);

// The microphone, for the life of this object, is SDL's disk capture driver reading `tone`
// (raw 16-bit mono samples at 44.1 kHz) as fast as it is asked, then silence; without `tone`
// there is no microphone. Sounds played meanwhile are heard by no one.
class DiskMicrophone {
public:
    DiskMicrophone(const std::string& folder, const std::optional<Bytes>& tone);
    ~DiskMicrophone();
    DiskMicrophone(const DiskMicrophone&) = delete;
    DiskMicrophone& operator=(const DiskMicrophone&) = delete;

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};
// The speaker, for the life of this object, is SDL's disk driver writing what it plays, in
// real time, to `path` (16-bit stereo at the device's rate); the file is whole once the
// object is gone or the device closed.
class DiskSpeaker {
public:
    explicit DiskSpeaker(const std::string& path);
    ~DiskSpeaker();
    DiskSpeaker(const DiskSpeaker&) = delete;
    DiskSpeaker& operator=(const DiskSpeaker&) = delete;

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

// Half a second of silence, `seconds` of a 1 kHz tone at half scale, half a second of silence,
// as raw samples for DiskMicrophone.
Bytes MakeRawTone(double seconds);
