// A parent's voice from the microphone: recorded up to its cap, kept trimmed of silence, and
// named by what the parent types. The microphone is SDL's disk capture driver fed a tone.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "TestFolder.h"
#include "WaveFile.h"
#include "platform/SoundRecorder.h"
#include "sounds/VoiceImport.h"

namespace {

// Polls as the dialog's timer does until the recording stops by itself.
void RecordUntilTheCap(CSoundRecorder& recorder) {
    for (int i = 0; i < 20000 && recorder.Poll(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

TEST(SoundRecorder, StopsAtTenSecondsAndKeepsTheVoiceTrimmed) {
    TestFolder folder;
    DiskMicrophone microphone(folder.Path(), MakeRawTone(1.0));
    std::string reason;
    ASSERT_TRUE(CaptureDeviceAvailable(reason)) << reason;
    CSoundRecorder recorder;
    ASSERT_TRUE(recorder.Start(reason)) << reason;
    RecordUntilTheCap(recorder);
    EXPECT_FALSE(recorder.IsRecording());
    EXPECT_EQ(recorder.Samples().size(), std::size_t(kMaxRecordingSeconds) * kRecordingRate);

    ASSERT_EQ(recorder.Save(folder / "voice.wav", reason), ImportResult::Done);
    const Wave w = ReadWave(folder / "voice.wav");
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.bits, 16);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, kRecordingRate);
    EXPECT_NEAR(w.Seconds(), 1.0, 0.02);  // the silence before and after is gone
    EXPECT_NEAR(Frequency(w), 1000, 20);

    EXPECT_TRUE(recorder.Heard());
    // A new recording starts afresh, and Stop ends it (the capture runs unpaced here, so it
    // may have reached the cap already).
    ASSERT_TRUE(recorder.Start(reason)) << reason;
    recorder.Stop();
    EXPECT_FALSE(recorder.IsRecording());
    EXPECT_LE(recorder.Samples().size(), std::size_t(kMaxRecordingSeconds) * kRecordingRate);
    EXPECT_EQ(recorder.Save(folder / "missing/voice.wav", reason), ImportResult::WriteFailed);
    EXPECT_FALSE(reason.empty());
}

TEST(SoundRecorder, AMutedMicrophoneIsHeardAsNothing) {
    TestFolder folder;
    DiskMicrophone muted(folder.Path(), MakeRawTone(0));
    CSoundRecorder recorder;
    std::string reason;
    ASSERT_TRUE(recorder.Start(reason)) << reason;
    RecordUntilTheCap(recorder);
    EXPECT_FALSE(recorder.Heard());  // the dialog then offers neither Play nor Keep
}

TEST(SoundRecorder, WithoutAMicrophoneNothingStarts) {
    TestFolder folder;
    DiskMicrophone none(folder.Path(), std::nullopt);
    std::string reason;
    EXPECT_FALSE(CaptureDeviceAvailable(reason));
    EXPECT_FALSE(reason.empty());
    CSoundRecorder recorder;
    EXPECT_FALSE(recorder.Start(reason));
    EXPECT_FALSE(recorder.IsRecording());
}

TEST(SoundRecorder, ARecordingIsNamedAfterWhatTheParentTyped) {
    const std::pair<const char*, const char*> cases[] = {
        {"Grandma", "Grandma.wav"},
        {"  Grandma says hi ", "Grandma says hi.wav"},
        {"Dog.WAV", "Dog.WAV"},
        {"Opa.mp3", "Opa.mp3.wav"},
        {"", ""},
        {"   ", ""},
        {".hidden", ""},
        {"a/b", ""},
        {"../DefVoice", ""},
        {"..\\DefVoice", ""},
        {"a\\b", ""},
        {"Mum: hi?", ""},
        {"Ünïcödé", "Ünïcödé.wav"},
    };
    for (const auto& [typed, name] : cases) {
        EXPECT_EQ(RecordingFileName(typed), name) << '"' << typed << '"';
    }
}

}  // namespace
