// Asynchronous playback of wave files on one audio device. A new sound cuts off the one
// still playing. A file that cannot be played gives the system's default sound; without an
// audio device every sound is silence, never a failure.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Opens the audio device; later calls do nothing. PlaySound opens it when needed.
void InitSoundDevice();
void CloseSoundDevice();

// Plays `path` (SND_FILENAME | SND_ASYNC) and returns at once; false when the file could
// not be played and the default sound was given instead.
bool PlaySound(const std::string& path) noexcept;

// Plays the wave file held in `wave` the same way.
bool PlayWave(const std::vector<std::uint8_t>& wave) noexcept;

// Stops whatever is playing (SND_PURGE).
void StopSound();

// For tests: whether the device is open and how many bytes are still queued for it.
bool SoundDeviceOpen();
unsigned QueuedSoundBytes();
