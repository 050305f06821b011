// Synthesises the sample sounds: soft bell-like notes, pitch sweeps and little drums, mixed
// into 16-bit mono wave files.
#pragma once

#include <string>
#include <vector>

class WaveSynth {
public:
    static constexpr int kRate = 22050;

    // A bell-like note: a sine with a quieter octave, quick attack and gentle decay.
    void Note(double start, double length, double frequency, double volume = 0.5);
    // A sine whose pitch glides from `from` to `to`.
    void Sweep(double start, double length, double from, double to, double volume = 0.5);
    // A soft drum: a low sweep with a short burst of noise.
    void Drum(double start, double volume = 0.6);

    bool Write(const std::string& path) const;

private:
    void Reserve(double end);
    std::vector<double> m_samples;
};

// Frequency of a note `semitones` above middle C.
double Pitch(int semitones);
