#include <wx/filename.h>

#include <chrono>
#include <cstdlib>
#include <optional>

#include "GuiTesting.h"
#include "TestFolder.h"
#include "WaveFile.h"
#include "platform/SoundPlayer.h"

namespace {

// A 16-bit mono wave file of a square wave, `samples` long.
Bytes SquareWave(int samples) {
    Bytes b = {'R', 'I', 'F', 'F'};
    auto put = [&b](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b.push_back(v >> (8 * i) & 0xFF);
    };
    put(36 + samples * 2, 4);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(22050, 4);
    put(44100, 4);
    put(2, 2);
    put(16, 2);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    put(samples * 2, 4);
    for (int i = 0; i < samples; ++i) {
        put((i / 20) % 2 == 0 ? 12000 : static_cast<std::uint16_t>(-12000), 2);
    }
    return b;
}

// Plays through SDL's disk driver, which writes what the device would have heard.
class SoundOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        m_speaker.emplace(m_dir / "out.raw");
        InitSoundDevice();
    }
    void TearDown() override { m_speaker.reset(); }
    bool HeardSomething() {
        CloseSoundDevice();  // flushes the file
        Bytes out = ReadBytes(m_dir / "out.raw");
        for (std::uint8_t b : out) {
            if (b != 0) {
                return true;
            }
        }
        return false;
    }
    TestFolder m_dir;
    std::optional<DiskSpeaker> m_speaker;
};

}  // namespace

TEST_F(SoundOnDisk, AWaveFileReachesTheDevice) {
    ASSERT_TRUE(SoundDeviceOpen());
    WriteBytes(m_dir / "beep.wav", SquareWave(4410));
    EXPECT_TRUE(PlaySound(m_dir / "beep.wav"));
    WaitFor([] { return QueuedSoundBytes() == 0; }, 2.0);
    EXPECT_TRUE(HeardSomething());
}

TEST_F(SoundOnDisk, ANewSoundCutsOffTheOldOne) {
    WriteBytes(m_dir / "long.wav", SquareWave(22050 * 5));
    WriteBytes(m_dir / "short.wav", SquareWave(2205));
    ASSERT_TRUE(PlaySound(m_dir / "long.wav"));
    const unsigned queuedLong = QueuedSoundBytes();
    ASSERT_TRUE(PlaySound(m_dir / "short.wav"));
    // No more than the short sound, twice the samples at the device's rate, in two channels.
    const unsigned queuedShort = 2205 * 2 * 4;
    EXPECT_GT(queuedLong, 2 * queuedShort);
    EXPECT_LE(QueuedSoundBytes(), queuedShort);
}

// A minute-long sound starts at the key with only its first part converted, and the rest
// follows while it plays.
TEST_F(SoundOnDisk, ALongSoundStartsAtOnceAndTheRestFollows) {
    const int seconds = 60;
    WriteBytes(m_dir / "minute.wav", SquareWave(22050 * seconds));
    ASSERT_TRUE(PlaySound(m_dir / "minute.wav"));
    const unsigned second = 44100 * 4;  // a second for the device
    const unsigned first = QueuedSoundBytes();
    EXPECT_GT(first, 0u);
    EXPECT_LT(first, 2 * second);
    // The device has heard more than the first part: the rest was queued after it.
    const std::string heard = m_dir / "out.raw";
    ASSERT_TRUE(
        WaitFor([&] { return wxFileName::GetSize(heard).ToULong() > 2 * first + second; }, 30));
    StopSound();
}

TEST_F(SoundOnDisk, UnplayableFilesGiveTheDefaultSoundAndSilenceTheOldOne) {
    WriteBytes(m_dir / "long.wav", SquareWave(22050 * 5));
    WriteBytes(m_dir / "junk.wav", {'R', 'I', 'F', 'F', 1, 2, 3});
    ASSERT_TRUE(PlaySound(m_dir / "long.wav"));
    EXPECT_FALSE(PlaySound(m_dir / "junk.wav"));
    EXPECT_EQ(QueuedSoundBytes(), 0u);
    EXPECT_FALSE(PlaySound(m_dir / "missing.wav"));
}

TEST_F(SoundOnDisk, SoundsBeyondTheLimitsPlayAsUnplayableOnesAtOnce) {
    WriteBytes(m_dir / "long.wav", SquareWave(22050 * 5));
    WriteBytes(m_dir / "slow.wav", MakeWave({1, 1, 8}, 4 << 10));
    WriteBytes(m_dir / "empty.wav", MakeWave({22050, 1, 16}, 0));
    ASSERT_TRUE(PlaySound(m_dir / "long.wav"));
    EXPECT_LT(CpuSecondsFor([&] { EXPECT_FALSE(PlaySound(m_dir / "slow.wav")); }), 0.5);
    EXPECT_EQ(QueuedSoundBytes(), 0u);
    ASSERT_TRUE(PlaySound(m_dir / "long.wav"));
    EXPECT_TRUE(PlaySound(m_dir / "empty.wav"));
    EXPECT_EQ(QueuedSoundBytes(), 0u);
}

TEST(SoundWithoutDevice, IsSilentAndNeverFails) {
    CloseSoundDevice();
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    InitSoundDevice();
    EXPECT_FALSE(SoundDeviceOpen());
    TestFolder dir;
    WriteBytes(dir / "s.wav", SquareWave(100));
    EXPECT_TRUE(PlaySound(dir / "s.wav"));
    CloseSoundDevice();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}
