#include "platform/SoundPlayer.h"

#include <SDL.h>
#include <wx/app.h>
#include <wx/utils.h>

#include <functional>

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
    SoundDevice& device = Device();
    if (device.id != 0) {
        SDL_LockAudioDevice(device.id);
        SDL_ClearQueuedAudio(device.id);
        SDL_UnlockAudioDevice(device.id);
    }
}

// Reads a wave file and converts it to the device's format; false if it is not a playable
// wave. The device is opened without allowed changes, so its format is the one asked for.
static bool LoadWave(const std::string& path, std::string& pcm) {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone) || file.GetLength() == 0 ||
        file.GetLength() > kMaxWaveBytes) {
        return false;
    }
    std::string bytes(static_cast<std::size_t>(file.GetLength()), '\0');
    if (file.Read(bytes.data(), bytes.size()) != bytes.size()) {
        return false;
    }
    return DecodeWave(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), pcm);
}

// Plays the samples `load` gives, cutting off what was playing; gives the default sound when
// `load` fails. Without a device `load` only checks the sound.
static bool PlayLoaded(const std::function<bool(std::string& pcm)>& load) noexcept {
    InitSoundDevice();
    SoundDevice& device = Device();
    std::string pcm;
    bool bLoaded = false;
    try {
        bLoaded = load(pcm);
    } catch (...) {
        // Memory ran out: the sound is one that cannot be played.
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
    if (!pcm.empty()) {
        SDL_QueueAudio(device.id, pcm.data(), static_cast<Uint32>(pcm.size()));
    }
    SDL_UnlockAudioDevice(device.id);
    return true;
}

bool PlaySound(const std::string& path) noexcept {
    return PlayLoaded([&path](std::string& pcm) {
        if (Device().id == 0) {
            // No audio device: check the file all the same, so a missing one is noticed.
            return PathFileExists(path);
        }
        return LoadWave(path, pcm);
    });
}

bool PlayWave(const std::vector<std::uint8_t>& wave) noexcept {
    return PlayLoaded([&wave](std::string& pcm) {
        return Device().id == 0 || DecodeWave(wave.data(), wave.size(), pcm);
    });
}
