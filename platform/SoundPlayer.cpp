#include "platform/SoundPlayer.h"

#include <SDL.h>
#include <wx/app.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/WaveDecoder.h"

namespace {

struct SoundDevice {
    bool bTried = false;
    SDL_AudioDeviceID id = 0;
    SDL_AudioSpec spec{};
};

SoundDevice& Device() {
    static SoundDevice device;
    return device;
}

// Wave files larger than this are not sounds for a child's key press.
constexpr std::uint64_t kMaxWaveBytes = 64u << 20;

}  // namespace

namespace {

// A sound starts with its first part converted and queued at the key; the rest follows a part
// at a time while it plays, always well ahead of the device, so the key never waits for a
// long sound's conversion.
constexpr double kFirstPartSeconds = 1.0;
constexpr double kPartSeconds = 0.5;
constexpr double kWholeSound = double(kMaxConversionBytes);  // more seconds than any sound has
constexpr unsigned kQueuedAhead = kDeviceRate * kDeviceChannels * 2;  // a second
constexpr int kFeedMilliseconds = 100;

// The sound whose remaining parts are still to be queued, if any.
std::unique_ptr<CWaveStream>& Feeding() {
    static std::unique_ptr<CWaveStream> stream;
    return stream;
}
// When only the start of the sound's file was read for its first part: the file, whose
// whole is read while it plays.
std::string& FeedingFrom() {
    static std::string path;
    return path;
}

// Reads a wave file, or its first `maxBytes` when it is longer; false if it cannot be read.
bool ReadWave(const std::string& path, std::vector<std::uint8_t>& bytes,
              std::uint64_t maxBytes = kMaxWaveBytes) {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone) || file.GetLength() == 0 ||
        file.GetLength() > kMaxWaveBytes) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(std::min(file.GetLength(), maxBytes)));
    return file.Read(bytes.data(), bytes.size()) == bytes.size();
}

// The start of a file read at the key: at 48 kHz stereo, over two and a half seconds. A
// sound no longer than that is converted whole at once.
constexpr std::uint64_t kStartBytes = 512u << 10;

void Queue(const std::string& pcm) {
    if (!pcm.empty()) {
        SDL_QueueAudio(Device().id, pcm.data(), static_cast<Uint32>(pcm.size()));
    }
}

// When only the start of the sound's file was read: the whole, going on where the start
// ended.
void ReadWholeSound() {
    std::unique_ptr<CWaveStream>& stream = Feeding();
    if (stream && !FeedingFrom().empty()) {
        std::vector<std::uint8_t> wave;
        auto whole = std::make_unique<CWaveStream>();
        if (!ReadWave(FeedingFrom(), wave) || !whole->Open(wave.data(), wave.size()) ||
            !whole->SkipTo(stream->Position())) {
            whole.reset();
        }
        stream = std::move(whole);
        FeedingFrom().clear();
    }
}

// Queues parts of the sound being fed until a second is queued ahead, or it is all queued.
void Feed() noexcept {
    std::unique_ptr<CWaveStream>& stream = Feeding();
    try {
        ReadWholeSound();
        while (stream && Device().id != 0 && SDL_GetQueuedAudioSize(Device().id) < kQueuedAhead) {
            std::string pcm;
            if (!stream->Next(kPartSeconds, pcm)) {
                stream.reset();
                break;
            }
            Queue(pcm);
            if (stream->AtEnd()) {
                stream.reset();
            }
        }
    } catch (...) {
        stream.reset();  // memory ran out: the sound ends where it is
    }
}

class CFeedTimer : public wxTimer {
public:
    void Notify() override {
        Feed();
        if (!Feeding()) {
            Stop();
        }
    }
};

std::unique_ptr<CFeedTimer>& FeedTimer() {
    static std::unique_ptr<CFeedTimer> timer;
    return timer;
}

// Lets the sound being fed go, and what is queued of it.
void StopFeeding() {
    Feeding().reset();
    FeedingFrom().clear();
    if (FeedTimer()) {
        FeedTimer()->Stop();
    }
}

}  // namespace

void InitSoundDevice() {
    SoundDevice& device = Device();
    if (device.bTried) {
        return;
    }
    device.bTried = true;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return;
    }
    SDL_AudioSpec want{};
    want.freq = kDeviceRate;
    want.format = AUDIO_S16SYS;
    want.channels = kDeviceChannels;
    want.samples = 1024;
    device.id = SDL_OpenAudioDevice(nullptr, 0, &want, &device.spec, 0);
    if (device.id != 0) {
        SDL_PauseAudioDevice(device.id, 0);
    }
}

void CloseSoundDevice() {
    StopFeeding();
    FeedTimer().reset();
    SoundDevice& device = Device();
    if (device.id != 0) {
        SDL_CloseAudioDevice(device.id);
        device.id = 0;
    }
    if (device.bTried) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    device.bTried = false;
}

bool SoundDeviceOpen() {
    return Device().id != 0;
}

unsigned QueuedSoundBytes() {
    return Device().id != 0 ? SDL_GetQueuedAudioSize(Device().id) : 0;
}

void StopSound() {
    StopFeeding();
    SoundDevice& device = Device();
    if (device.id != 0) {
        SDL_LockAudioDevice(device.id);
        SDL_ClearQueuedAudio(device.id);
        SDL_UnlockAudioDevice(device.id);
    }
}

// Plays the wave whose bytes `load` gives, cutting off what was playing: its first part at
// once, the rest while it plays (all at once without an event loop to feed it). Gives the
// default sound when `load` fails or the bytes are no playable wave. Without a device `load`
// only checks the sound.
// `load` says in `bStart` when it gave only the start of the file at `path`.
static bool PlayLoaded(
    const std::function<bool(std::vector<std::uint8_t>& wave, bool& bStart)>& load,
    const std::string& path = {}) noexcept {
    InitSoundDevice();
    SoundDevice& device = Device();
    StopFeeding();
    auto stream = std::make_unique<CWaveStream>();
    std::string pcm;
    bool bLoaded = false;
    bool bStart = false;
    try {
        std::vector<std::uint8_t> wave;
        bLoaded =
            load(wave, bStart) &&
            (device.id == 0 ||
             (stream->Open(wave.data(), wave.size()) &&
              stream->Next(bStart || wave.size() > kStartBytes ? kFirstPartSeconds : kWholeSound,
                           pcm)));
    } catch (...) {
        // Memory ran out: the sound is one that cannot be played.
        bLoaded = false;
    }
    if (device.id == 0) {
        return bLoaded;
    }
    if (!bLoaded) {
        StopSound();
        if (wxTheApp != nullptr) {
            wxBell();
        }
        return false;
    }
    SDL_LockAudioDevice(device.id);
    SDL_ClearQueuedAudio(device.id);
    Queue(pcm);
    SDL_UnlockAudioDevice(device.id);
    if (!stream->AtEnd()) {
        Feeding() = std::move(stream);
        FeedingFrom() = bStart ? path : std::string();
        // The program's timers run whenever an event loop does.
        if (wxTheApp != nullptr) {
            if (!FeedTimer()) {
                FeedTimer() = std::make_unique<CFeedTimer>();
            }
            FeedTimer()->Start(kFeedMilliseconds);
        } else {
            // No event loop to feed it: the rest of the sound now.
            try {
                ReadWholeSound();
                std::string rest;
                if (Feeding() && Feeding()->Next(double(kMaxConversionBytes), rest)) {
                    Queue(rest);
                }
            } catch (...) {
                // Memory ran out: the sound ends after its first part.
            }
            Feeding().reset();
        }
    }
    return true;
}

bool PlaySound(const std::string& path) noexcept {
    // A long sound's first part needs only the start of its file; the rest is read while it
    // plays. A start too short for the first part (a wave of many channels at a high rate) is
    // read whole at once.
    return PlayLoaded(
        [&path](std::vector<std::uint8_t>& wave, bool& bStartOnly) {
            if (Device().id == 0) {
                // No audio device: check the file all the same, so a missing one is noticed.
                return PathFileExists(path);
            }
            if (!ReadWave(path, wave, kStartBytes)) {
                return false;
            }
            bStartOnly = wave.size() == kStartBytes;
            CWaveStream start;
            if (bStartOnly && start.Open(wave.data(), wave.size()) &&
                start.Seconds() < 2 * kFirstPartSeconds) {
                bStartOnly = false;
                return ReadWave(path, wave);
            }
            return true;
        },
        path);
}

bool PlayWave(const std::vector<std::uint8_t>& wave) noexcept {
    return PlayLoaded([&wave](std::vector<std::uint8_t>& bytes, bool&) {
        if (Device().id == 0) {
            std::string pcm;
            return DecodeWave(wave.data(), wave.size(), pcm);
        }
        bytes = wave;
        return true;
    });
}
