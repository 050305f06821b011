#include "WaveFile.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "platform/SoundPlayer.h"

Bytes MakeWave(const WaveFormat& format, std::uint32_t dataBytes) {
    Bytes b = {'R', 'I', 'F', 'F'};
    auto put = [&b](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b.push_back(v >> (8 * i) & 0xFF);
    };
    const std::uint32_t frame = format.channels * format.bits / 8;
    put(36 + dataBytes, 4);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put(16, 4);
    put(1, 2);
    put(format.channels, 2);
    put(format.rate, 4);
    put(format.rate * frame, 4);
    put(frame, 2);
    put(format.bits, 2);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    put(dataBytes, 4);
    for (std::uint32_t i = 0; i < dataBytes; ++i) {
        b.push_back((i / 40) % 2 == 0 ? 0x30 : 0xD0);
    }
    return b;
}

Wave ReadWave(const std::string& path) {
    const Bytes b = ReadBytes(path);
    Wave w;
    if (b.size() < 44) {
        return w;
    }
    const auto u16 = [&b](std::size_t at) { return b[at] | b[at + 1] << 8; };
    const auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16; };
    w.format = u16(20);
    w.channels = u16(22);
    w.rate = u32(24);
    w.bits = u16(34);
    for (std::size_t at = 44; at + 1 < b.size(); at += 2) {
        w.samples.push_back(static_cast<std::int16_t>(u16(at)));
    }
    return w;
}

double Frequency(const Wave& w) {
    int crossings = 0;
    for (std::size_t i = w.channels; i < w.samples.size(); i += w.channels) {
        crossings += w.samples[i - w.channels] < 0 && w.samples[i] >= 0;
    }
    return crossings * double(w.rate) * w.channels / double(w.samples.size());
}

namespace {
// Windows' C runtime has no setenv: an empty value there unsets.
void SetVariable(const char* name, const std::optional<std::string>& value) {
#ifdef _WIN32
    _putenv_s(name, value ? value->c_str() : "");
#else
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
#endif
}

using SavedEnvironment = std::vector<std::pair<std::string, std::optional<std::string>>>;

// Sets each variable (no value: unsets it), after closing the sound device so that the
// next one starts on them; what was there is kept in `saved`.
void SetSoundEnvironment(
    std::initializer_list<std::pair<const char*, std::optional<std::string>>> values,
    SavedEnvironment& saved) {
    CloseSoundDevice();
    for (const auto& [name, value] : values) {
        const char* old = std::getenv(name);
        saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        SetVariable(name, value);
    }
}

void RestoreSoundEnvironment(const SavedEnvironment& saved) {
    CloseSoundDevice();
    for (const auto& [name, value] : saved) {
        SetVariable(name.c_str(), value);
    }
}
}  // namespace

DiskMicrophone::DiskMicrophone(const std::string& folder, const std::optional<Bytes>& tone) {
    if (tone) {
        WriteBytes(folder + "/microphone.raw", *tone);
    }
    SetSoundEnvironment(
        {{"SDL_AUDIODRIVER", "disk"},
         {"SDL_DISKAUDIOFILEIN", folder + (tone ? "/microphone.raw" : "/no-microphone.raw")},
         // Played as fast as it is read, too: nowhere, rather than into a growing file.
         {"SDL_DISKAUDIOFILE", "/dev/null"},
         {"SDL_DISKAUDIODELAY", "0"}},
        m_saved);
}

DiskMicrophone::~DiskMicrophone() {
    RestoreSoundEnvironment(m_saved);
}

DiskSpeaker::DiskSpeaker(const std::string& path) {
    SetSoundEnvironment({{"SDL_AUDIODRIVER", "disk"},
                         {"SDL_DISKAUDIOFILE", path},
                         {"SDL_DISKAUDIODELAY", std::nullopt}},
                        m_saved);
}

DiskSpeaker::~DiskSpeaker() {
    RestoreSoundEnvironment(m_saved);
}

Bytes MakeRawTone(double seconds) {
    constexpr int kRate = 44100;
    Bytes b;
    const int total = static_cast<int>((seconds + 1) * kRate);
    for (int i = 0; i < total; ++i) {
        const double t = double(i) / kRate;
        const double v =
            t >= 0.5 && t < 0.5 + seconds ? 0.5 * std::sin(2 * std::numbers::pi * 1000 * t) : 0.0;
        const auto sample = static_cast<std::int16_t>(std::lround(v * 32767));
        b.push_back(static_cast<std::uint8_t>(sample & 0xFF));
        b.push_back(static_cast<std::uint8_t>((sample >> 8) & 0xFF));
    }
    return b;
}
