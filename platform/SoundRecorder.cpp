#include "platform/SoundRecorder.h"

#include <SDL.h>
#include <wx/translation.h>

#include <algorithm>
#include <cstdlib>

#include "core/PcmClip.h"
#include "platform/FileSystem.h"

namespace {

constexpr std::size_t kCapSamples = static_cast<std::size_t>(kMaxRecordingSeconds) * kRecordingRate;

bool StartAudio(std::string& reason) {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        reason = SDL_GetError();
        return false;
    }
    return true;
}

SDL_AudioDeviceID OpenMicrophone(std::string& reason) {
    if (SDL_GetNumAudioDevices(1) == 0) {
        reason = _("no capture device").utf8_string();
        return 0;
    }
    SDL_AudioSpec want{};
    want.freq = kRecordingRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 1024;
    SDL_AudioSpec have{};
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 1, &want, &have, 0);
    if (device == 0) {
        reason = SDL_GetError();
    }
    return device;
}

PcmClip Trimmed(const std::vector<std::int16_t>& samples) {
    PcmClip clip{kRecordingRate, 1, samples};
    clip.TrimSilence(kCapSamples);
    return clip;
}

}  // namespace

bool CaptureDeviceAvailable(std::string& reason) {
    if (!StartAudio(reason)) {
        return false;
    }
    bool bAvailable = SDL_GetNumAudioDevices(1) > 0;
    const std::string driver = SDL_GetCurrentAudioDriver() ? SDL_GetCurrentAudioDriver() : "";
    if (!bAvailable) {
        reason = _("no capture device").utf8_string();
    } else if (driver != "pulseaudio" && driver != "pipewire") {
        // A sound server lists the microphones there are, and opening one only to look would
        // light the desktop's microphone indicator or switch a headset to its call mode.
        // ALSA lists its configured devices whether or not they can be opened, so there the
        // microphone is opened and closed again.
        const SDL_AudioDeviceID device = OpenMicrophone(reason);
        bAvailable = device != 0;
        if (device != 0) {
            SDL_CloseAudioDevice(device);
        }
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return bAvailable;
}

CSoundRecorder::CSoundRecorder() = default;

CSoundRecorder::~CSoundRecorder() {
    Stop();
    if (m_bAudio) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool CSoundRecorder::Start(std::string& reason) {
    Stop();
    m_samples.clear();
    m_nLevel = 0;
    m_bHeard = false;
    if (!m_bAudio && !(m_bAudio = StartAudio(reason))) {
        return false;
    }
    m_samples.reserve(kCapSamples);
    m_device = OpenMicrophone(reason);
    if (m_device == 0) {
        return false;
    }
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void CSoundRecorder::Stop() {
    if (m_device != 0) {
        SDL_PauseAudioDevice(m_device, 1);
        Take();
        SDL_CloseAudioDevice(m_device);
        m_device = 0;
    }
    m_nLevel = 0;
}

bool CSoundRecorder::Poll() {
    if (m_device == 0) {
        return false;
    }
    Take();
    if (m_samples.size() >= kCapSamples) {
        Stop();
        return false;
    }
    return true;
}

void CSoundRecorder::Take() {
    std::int16_t buffer[4096];
    int peak = 0;
    while (m_samples.size() < kCapSamples) {
        const std::size_t room = std::min(std::size(buffer), kCapSamples - m_samples.size());
        const Uint32 got = SDL_DequeueAudio(m_device, buffer, static_cast<Uint32>(room * 2)) / 2;
        if (got == 0) {
            break;
        }
        for (Uint32 i = 0; i < got; ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(buffer[i])));
        }
        m_samples.insert(m_samples.end(), buffer, buffer + got);
    }
    m_nLevel = std::min(100, peak * 100 / 32767);
    m_bHeard = m_bHeard || peak > kSilenceLevel;
}

std::vector<std::uint8_t> CSoundRecorder::TrimmedWave() const {
    return Trimmed(m_samples).ToWave();
}

ImportResult CSoundRecorder::Save(const std::string& target, std::string& reason) const {
    return WriteWholeFile(target, TrimmedWave(), &reason) ? ImportResult::Done
                                                          : ImportResult::WriteFailed;
}
