#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "TestFolder.h"
#include "WaveFile.h"
#include "core/WaveDecoder.h"

namespace {

bool Decode(const Bytes& wave, std::string& pcm) {
    return DecodeWave(wave.data(), wave.size(), pcm);
}

}  // namespace

TEST(WaveDecoder, ConvertsToTheDeviceFormat) {
    std::string pcm;
    // 22.05 kHz mono 16-bit: twice the rate, twice the channels.
    ASSERT_TRUE(Decode(MakeWave({22050, 1, 16}, 4410), pcm));
    EXPECT_NEAR(static_cast<double>(pcm.size()), 4410.0 * 4, 64);
    // Already in the device's format: taken as it is.
    ASSERT_TRUE(Decode(MakeWave({44100, 2, 16}, 4000), pcm));
    EXPECT_EQ(pcm.size(), 4000u);
    // Low rates and many channels within the limits still play.
    EXPECT_TRUE(Decode(MakeWave({8000, 8, 8}, 8000), pcm));
    EXPECT_TRUE(Decode(MakeWave({4000, 1, 8}, 100 << 10), pcm));
}

TEST(WaveDecoder, SoundsThatWouldCostTooMuchAreRefusedAtOnce) {
    struct Case {
        const char* what;
        WaveFormat format;
        std::uint32_t bytes;
    };
    const Case cases[] = {
        {"100 KB at 1 Hz", {1, 1, 8}, 100 << 10},
        {"1 MB at 100 Hz", {100, 1, 16}, 1 << 20},
        {"4 KB at 1 Hz", {1, 1, 8}, 4 << 10},
        {"just below the lowest rate", {3999, 1, 8}, 1000},
        {"above the highest rate", {384001, 1, 16}, 1000},
        {"a conversion beyond the memory limit", {4000, 1, 8}, 1 << 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes wave = MakeWave(c.format, c.bytes);
        std::string pcm = "old";
        EXPECT_LT(CpuSecondsFor([&] { EXPECT_FALSE(Decode(wave, pcm)); }), 0.2);
        EXPECT_TRUE(pcm.empty());
    }
}

TEST(WaveDecoder, EmptyAndDamagedWaves) {
    std::string pcm;
    EXPECT_TRUE(Decode(MakeWave({22050, 1, 16}, 0), pcm));
    EXPECT_TRUE(pcm.empty());
    EXPECT_TRUE(Decode(MakeWave({44100, 2, 16}, 0), pcm));
    EXPECT_TRUE(pcm.empty());

    Bytes noChannels = MakeWave({22050, 1, 16}, 100);
    noChannels[22] = 0;
    EXPECT_FALSE(Decode(noChannels, pcm));
    EXPECT_FALSE(Decode({'R', 'I', 'F', 'F', 1, 2, 3}, pcm));
    EXPECT_FALSE(DecodeWave(nullptr, 0, pcm));

    // A data chunk that claims 4 GiB plays the bytes it has.
    Bytes lying = MakeWave({44100, 2, 16}, 400);
    for (int i = 40; i < 44; ++i) {
        lying[i] = 0xFF;
    }
    ASSERT_TRUE(Decode(lying, pcm));
    EXPECT_EQ(pcm.size(), 400u);
}

// A long sound is read and converted a part at a time while it plays; the parts join as the
// whole converted at once, whatever the rate and channels, and the part sizes. A wave whose
// samples do not lie in the file as they play is not read that way.
TEST(WaveDecoder, PartsJoinAsTheWhole) {
    for (const WaveFormat format :
         {WaveFormat{48000, 2, 16}, WaveFormat{44100, 1, 16}, WaveFormat{22050, 1, 8},
          WaveFormat{32000, 2, 16}, WaveFormat{4001, 1, 16}}) {
        SCOPED_TRACE(format.rate);
        Bytes wave = MakeWave(format, 3 * format.rate * format.channels * format.bits / 8 + 6);
        for (std::size_t i = 44; i < wave.size(); ++i) {
            wave[i] = static_cast<std::uint8_t>(i * 7 % 251);  // a sound with no repeats
        }
        std::string whole;
        ASSERT_TRUE(Decode(wave, whole));
        for (const double seconds : {0.01, 0.25, 1.0}) {
            // Opened from the file's start, as a key plays a long sound; its samples are then
            // read from the file a part at a time.
            CWaveStream stream;
            const auto read = [&wave](std::uint64_t offset, std::size_t length, std::string& b) {
                b.assign(wave.begin() + offset, wave.begin() + offset + length);
                return true;
            };
            ASSERT_TRUE(stream.OpenStart(wave.data(), 4096, wave.size(), read));
            std::string parts;
            while (!stream.AtEnd()) {
                ASSERT_TRUE(stream.Next(seconds, parts));
            }
            ASSERT_EQ(parts.size(), whole.size()) << seconds;
            // The same samples, to the rounding of the last bit.
            int difference = 0;
            for (std::size_t i = 0; i + 1 < whole.size(); i += 2) {
                const auto sample = [i](const std::string& pcm) {
                    return static_cast<std::int16_t>(static_cast<unsigned char>(pcm[i]) |
                                                     static_cast<unsigned char>(pcm[i + 1]) << 8);
                };
                difference = std::max(difference, std::abs(sample(parts) - sample(whole)));
            }
            EXPECT_LE(difference, 1) << seconds;
        }
    }
    const Bytes packed = MakeWave({44100, 1, 24}, 44100 * 3 * 2);
    CWaveStream stream;
    EXPECT_FALSE(stream.OpenStart(packed.data(), 4096, packed.size(), nullptr));
}
