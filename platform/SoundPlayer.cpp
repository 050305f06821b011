#include "platform/SoundPlayer.h"

#include <SDL.h>
#include <wx/app.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/WaveDecoder.h"
#include "platform/File.h"
#include "platform/FileSystem.h"

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

// A sound starts with its first part converted and queued at the key; the rest follows a part
// at a time while it plays, always well ahead of the device, so the key never waits for a
// long sound's conversion.
constexpr double kFirstPartSeconds = 1.0;  // of a sound longer than the start read at its key
constexpr double kPartSeconds = 0.5;
constexpr double kWholeSound = double(kMaxConversionBytes);  // more seconds than any sound has
constexpr unsigned kQueuedAhead = kDeviceRate * kDeviceChannels * 2;  // a second
constexpr int kFeedMilliseconds = 100;

// The sound whose remaining parts are still to be queued, if any.
std::unique_ptr<CWaveStream>& Feeding() {
    static std::unique_ptr<CWaveStream> stream;
    return stream;
}
// Reads a wave file, or its first `maxBytes` when it is longer; false if it cannot be read.
bool ReadWave(const std::string& path, std::vector<std::uint8_t>& bytes,
              std::uint64_t maxBytes = kMaxWaveBytes, std::uint64_t* fileSize = nullptr) {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone) || file.GetLength() == 0 ||
        file.GetLength() > kMaxWaveBytes) {
        return false;
    }
    if (fileSize != nullptr) {
        *fileSize = file.GetLength();
    }
    bytes.resize(static_cast<std::size_t>(std::min(file.GetLength(), maxBytes)));
    return file.Read(bytes.data(), bytes.size()) == bytes.size();
}

// Reads `length` bytes of a wave file from `offset`, for the next part of a long sound.
bool ReadWavePart(const std::string& path, std::uint64_t offset, std::size_t length,
                  std::string& bytes) {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone) || !file.Seek(offset)) {
        return false;
    }
    bytes.resize(length);
    bytes.resize(file.Read(bytes.data(), length));
    return bytes.size() == length;
}

// The start of a file read at the key: at 48 kHz stereo, over two and a half seconds. A
// sound no longer than that is converted whole at once; a longer one starts with its first
// second.
constexpr std::uint64_t kStartBytes = 512u << 10;

void Queue(const std::string& pcm) {
    if (!pcm.empty()) {
        SDL_QueueAudio(Device().id, pcm.data(), static_cast<Uint32>(pcm.size()));
    }
}

// Queues parts of the sound being fed until a second is queued ahead, or it is all queued.
void Feed() noexcept {
    std::unique_ptr<CWaveStream>& stream = Feeding();
    try {
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

// Plays the sound `open` opens, cutting off what was playing: its first part at once, the
// rest while it plays (all at once without an application to feed it). Gives the default
// sound when `open` fails. Without a device `check` only says whether the sound is there.
static bool PlayOpened(const std::function<bool(CWaveStream& stream)>& open,
                       const std::function<bool()>& check) noexcept {
    InitSoundDevice();
    SoundDevice& device = Device();
    StopFeeding();
    auto stream = std::make_unique<CWaveStream>();
    std::string pcm;
    bool bLoaded = false;
    try {
        if (device.id == 0) {
            return check();
        }
        bLoaded = open(*stream) && stream->Next(kFirstPartSeconds, pcm);
    } catch (...) {
        // Memory ran out: the sound is one that cannot be played.
        bLoaded = false;
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
        // The program's timers run whenever an event loop does.
        if (wxTheApp != nullptr) {
            if (!FeedTimer()) {
                FeedTimer() = std::make_unique<CFeedTimer>();
            }
            FeedTimer()->Start(kFeedMilliseconds);
        } else {
            try {
                std::string rest;
                if (Feeding()->Next(kWholeSound, rest)) {
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
    return PlayOpened(
        [&path](CWaveStream& stream) {
            // A long sound's first part needs only the start of its file; the rest is read
            // a part at a time while it plays. A wave whose samples are not stored as they
            // play is read whole.
            std::vector<std::uint8_t> start;
            std::uint64_t fileSize = 0;
            if (!ReadWave(path, start, kStartBytes, &fileSize)) {
                return false;
            }
            if (fileSize > start.size() &&
                stream.OpenStart(
                    start.data(), start.size(), fileSize,
                    [path](std::uint64_t offset, std::size_t length, std::string& bytes) {
                        return ReadWavePart(path, offset, length, bytes);
                    })) {
                return true;
            }
            std::vector<std::uint8_t> whole;
            const std::vector<std::uint8_t>& wave =
                fileSize > start.size() && ReadWave(path, whole) ? whole : start;
            return stream.Open(wave.data(), wave.size());
        },
        [&path] { return PathFileExists(path); });  // a missing file is noticed all the same
}

bool PlayWave(const std::vector<std::uint8_t>& wave) noexcept {
    const auto open = [&wave](CWaveStream& stream) {
        return stream.Open(wave.data(), wave.size());
    };
    return PlayOpened(open, [&open] {
        CWaveStream stream;
        return open(stream);
    });
}
