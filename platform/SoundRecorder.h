// Recording from the default microphone through SDL's capture, as 16-bit mono at 44.1 kHz,
// for a parent's voice beside a picture. The recorder is polled: its dialog takes what has
// arrived a few times a second, and the recording stops by itself at its cap.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ImportResult.h"

constexpr int kMaxRecordingSeconds = 10;
constexpr int kRecordingRate = 44100;

// Whether there is a microphone to record from; when not, `reason` says why in the system's
// words. Where the audio system's list of microphones cannot be trusted (ALSA), the default
// one is opened and closed again to find out.
bool CaptureDeviceAvailable(std::string& reason);

class CSoundRecorder {
public:
    CSoundRecorder();
    ~CSoundRecorder();
    CSoundRecorder(const CSoundRecorder&) = delete;
    CSoundRecorder& operator=(const CSoundRecorder&) = delete;

    // Starts a new recording, dropping the last one; false with `reason` when the microphone
    // cannot be opened.
    bool Start(std::string& reason);
    void Stop();
    // Takes what the microphone gave since the last call, up to the cap, where the recording
    // stops. True while it records.
    bool Poll();
    bool IsRecording() const { return m_device != 0; }

    const std::vector<std::int16_t>& Samples() const { return m_samples; }
    double Seconds() const { return static_cast<double>(m_samples.size()) / kRecordingRate; }
    // The loudest sample of the last Poll, from 0 to 100.
    int Level() const { return m_nLevel; }
    // Whether anything louder than silence was recorded.
    bool Heard() const { return m_bHeard; }

    // The recording trimmed of silence at both ends, as the bytes of a WAV file.
    std::vector<std::uint8_t> TrimmedWave() const;
    // Writes the trimmed recording to `target`, whole or not at all; on WriteFailed `reason`
    // says why.
    ImportResult Save(const std::string& target, std::string& reason) const;

private:
    void Take();

    std::uint32_t m_device = 0;
    bool m_bAudio = false;  // the audio subsystem was started for this recorder
    std::vector<std::int16_t> m_samples;
    int m_nLevel = 0;
    bool m_bHeard = false;
};
