// A phone's voice clips made into library sounds: decoded whatever their format, trimmed of
// silence, cut at a minute, and never a partial or a wrong file. The clips are made with the
// ffmpeg program from a tone between silences.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "PhoneMedia.h"
#include "TestFolder.h"
#include "WaveFile.h"
#include "platform/SoundDecoder.h"
#include "platform/SoundImport.h"

namespace {

class SoundImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CanMakeClips()) {
            GTEST_SKIP() << "no ffmpeg program to make the clips";
        }
    }
    std::string MakeClip(const std::string& name, int rate, int channels, double seconds,
                         const std::string& codec) {
        ::MakeClip(m_folder / name, rate, channels, seconds, codec);
        return m_folder / name;
    }
    TestFolder m_folder;
};

TEST_F(SoundImportTest, EachFormatBecomesATrimmedSixteenBitWave) {
    struct Case {
        const char* name;
        int rate, channels;
        const char* codec;
        int expectedRate;
    };
    const Case cases[] = {
        {"voice.m4a", 44100, 1, "-c:a aac", 44100},
        {"voice.opus", 48000, 1, "-c:a libopus", 48000},
        {"voice.mp3", 44100, 2, "-c:a libmp3lame", 44100},
        {"voice.flac", 48000, 2, "-c:a flac", 48000},
        {"voice.ogg", 44100, 1, "-c:a libvorbis", 44100},
        {"voice.amr", 8000, 1, "amr-nb", 44100},           // resampled
        {"voice22k.wav", 22050, 1, "-c:a pcm_u8", 44100},  // resampled
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string clip = MakeClip(c.name, c.rate, c.channels, 2.0, c.codec);
        std::string reason;
        ASSERT_EQ(ImportSound(clip, m_folder / "out.wav", reason), ImportResult::Done);
        const Wave w = ReadWave(m_folder / "out.wav");
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.channels, c.channels);
        EXPECT_EQ(w.rate, c.expectedRate);
        const double seconds = double(w.samples.size()) / w.channels / w.rate;
        EXPECT_NEAR(seconds, 2.0, 0.06);  // the half seconds of silence are gone
        EXPECT_NEAR(Frequency(w), 1000, 20);
    }
}

TEST_F(SoundImportTest, ALongClipKeepsItsFirstMinuteAndWhatIsNoSoundIsRefused) {
    const std::string clip = MakeClip("long.m4a", 44100, 1, 70, "-c:a aac");
    std::string reason;
    ASSERT_EQ(ImportSound(clip, m_folder / "out.wav", reason), ImportResult::Shortened);
    const Wave w = ReadWave(m_folder / "out.wav");
    EXPECT_NEAR(double(w.samples.size()) / w.rate, kMaxImportedSoundSeconds, 0.01);

    std::filesystem::remove(m_folder / "out.wav");
    WriteBytes(m_folder / "text.m4a", {'h', 'e', 'l', 'l', 'o', '\n'});
    MakeFolder(m_folder / "folder.mp3");
    for (const char* bad : {"text.m4a", "folder.mp3", "missing.ogg"}) {
        EXPECT_EQ(ImportSound(m_folder / bad, m_folder / "out.wav", reason),
                  ImportResult::NotReadable)
            << bad;
        EXPECT_FALSE(std::filesystem::exists(m_folder / "out.wav"));
    }
    EXPECT_EQ(ImportSound(clip, m_folder / "missing/out.wav", reason), ImportResult::WriteFailed);
    EXPECT_FALSE(reason.empty());
}

TEST_F(SoundImportTest, ClipsJoinedEndToEndChangingTheirChannelsAreOneSound) {
    // Phones and editors join clips as they are: a stereo clip followed by a mono one, in
    // formats whose streams may change their layout mid-file.
    for (const auto& [ext, codec] :
         {std::pair{"mp3", "-c:a libmp3lame"}, std::pair{"aac", "-c:a aac"},
          std::pair{"ogg", "-c:a libvorbis"}}) {
        SCOPED_TRACE(ext);
        const std::string joined = m_folder / (std::string("joined.") + ext);
        Bytes bytes = ReadBytes(MakeClip(std::string("a.") + ext, 44100, 2, 1.0, codec));
        const Bytes mono = ReadBytes(MakeClip(std::string("b.") + ext, 48000, 1, 1.0, codec));
        bytes.insert(bytes.end(), mono.begin(), mono.end());
        WriteBytes(joined, bytes);
        std::string reason;
        const ImportResult result = ImportSound(joined, m_folder / "out.wav", reason);
        ASSERT_EQ(result, ImportResult::Done);
        const Wave w = ReadWave(m_folder / "out.wav");
        EXPECT_EQ(w.channels, 2);
        EXPECT_EQ(w.rate, 44100);
        EXPECT_GT(double(w.samples.size()) / w.channels / w.rate, 0.95);
    }
}

}  // namespace
