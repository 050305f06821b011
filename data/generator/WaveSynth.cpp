#include "WaveSynth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/File.h"

namespace {
constexpr double kPi = 3.14159265358979;

double Envelope(double t, double length) {
    const double attack = 0.01;
    if (t < attack) {
        return t / attack;
    }
    double fade = std::exp(-3.0 * (t - attack) / length);
    double tail = std::min(1.0, (length - t) / 0.03);  // no click at the end
    return fade * std::max(0.0, tail);
}

void Put(std::vector<unsigned char>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(v >> (8 * i) & 0xFF);
    }
}
}  // namespace

double Pitch(int semitones) {
    return 261.63 * std::pow(2.0, semitones / 12.0);
}

void WaveSynth::Reserve(double end) {
    std::size_t n = static_cast<std::size_t>(end * kRate) + 1;
    if (m_samples.size() < n) {
        m_samples.resize(n, 0.0);
    }
}

void WaveSynth::Note(double start, double length, double frequency, double volume) {
    Reserve(start + length);
    const std::size_t first = static_cast<std::size_t>(start * kRate);
    const std::size_t count = static_cast<std::size_t>(length * kRate);
    for (std::size_t i = 0; i < count; ++i) {
        double t = static_cast<double>(i) / kRate;
        double wave = std::sin(2 * kPi * frequency * t) + 0.3 * std::sin(4 * kPi * frequency * t) +
                      0.1 * std::sin(6 * kPi * frequency * t);
        m_samples[first + i] += volume * Envelope(t, length) * wave / 1.4;
    }
}

void WaveSynth::Sweep(double start, double length, double from, double to, double volume) {
    Reserve(start + length);
    const std::size_t first = static_cast<std::size_t>(start * kRate);
    const std::size_t count = static_cast<std::size_t>(length * kRate);
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        double t = static_cast<double>(i) / kRate;
        double f = from * std::pow(to / from, t / length);
        phase += 2 * kPi * f / kRate;
        m_samples[first + i] += volume * Envelope(t, length) * std::sin(phase);
    }
}

void WaveSynth::Drum(double start, double volume) {
    Sweep(start, 0.25, 180, 60, volume);
    Reserve(start + 0.05);
    std::uint32_t noise = 12345;
    const std::size_t first = static_cast<std::size_t>(start * kRate);
    for (std::size_t i = 0; i < static_cast<std::size_t>(0.05 * kRate); ++i) {
        noise = noise * 1103515245u + 12345u;
        double n = ((noise >> 16) & 0x7FFF) / 16384.0 - 1.0;
        m_samples[first + i] += volume * 0.3 * n * (1.0 - i / (0.05 * kRate));
    }
}

bool WaveSynth::Write(const std::string& path) const {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(m_samples.size() * 2);
    std::vector<unsigned char> out;
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    Put(out, 36 + dataBytes, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put(out, 16, 4);
    Put(out, 1, 2);  // PCM
    Put(out, 1, 2);  // mono
    Put(out, kRate, 4);
    Put(out, kRate * 2, 4);
    Put(out, 2, 2);
    Put(out, 16, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    Put(out, dataBytes, 4);
    for (double s : m_samples) {
        auto v = static_cast<std::int16_t>(std::clamp(s, -1.0, 1.0) * 30000);
        Put(out, static_cast<std::uint16_t>(v), 2);
    }
    CFile file;
    return file.Open(path, CFile::modeCreate | CFile::modeWrite) &&
           file.Write(out.data(), out.size()) && file.Close();
}
