#include <gtest/gtest.h>

#include <chrono>

#include "WaveFile.h"
#include "platform/WaveDecoder.h"

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
        const auto start = std::chrono::steady_clock::now();
        std::string pcm = "old";
        EXPECT_FALSE(Decode(MakeWave(c.format, c.bytes), pcm));
        EXPECT_TRUE(pcm.empty());
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
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
