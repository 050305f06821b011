#include <wx/msgdlg.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "FailingAllocations.h"
#include "GuiTesting.h"
#include "PhoneMedia.h"
#include "TestFolder.h"
#include "WaveFile.h"
#include "app/MainDialog.h"
#include "common/Settings.h"
#include "core/WaveDecoder.h"
#include "library/PictureGroupStorage.h"
#include "platform/InputLock.h"
#include "platform/PerformanceCounter.h"
#include "platform/PictureImport.h"
#include "platform/SoundPlayer.h"
#include "platform/SoundRecorder.h"
#include "play/KeyboardHook.h"
#include "play/PlayTimers.h"

namespace {

// Start reloads the settings from beside the executable, so these tests lay out their
// library in the test program's own folder and remove it afterwards.
class Game : public ::testing::Test {
protected:
    void SetUp() override {
        theSettings.Load();
        m_group = theSettings.m_strAppDir + "/GuiGroup";
        std::filesystem::remove_all(m_group);
        theSettings.SetDefaults();
        theSettings.m_bKeyDelay = 0;
        theSettings.m_bAutoDisplay = 0;
        theSettings.Save();
    }
    void TearDown() override {
        if (m_dialog.Game().IsWindow()) {
            m_dialog.Game().DestroyWindow();
        }
        WaitFor([] { return false; }, 0.05);
        std::filesystem::remove_all(m_group);
        std::filesystem::remove(theSettings.m_strIniPath);
        SetPerformanceCounterSource(nullptr);
    }

    void MakeGroup() {
        MakeFolder(m_group);
        WriteGroupFile(m_group + "/GuiGroup.ini", "Gui", "", 1);
        WriteBytes(m_group + "/p.bmp", MakeBmp24(40, 40, 0xFF0000));
        WriteBytes(m_group + "/p.wav", {});
    }
    void Start() {
        m_dialog.OnStart();
        ASSERT_TRUE(m_dialog.Game().IsWindow());
        ASSERT_TRUE(WaitFor([] { return InputGrabbed(); }));
    }
    // Presses and releases each key, with `modifiers` held, and waits until the program has
    // had every press.
    static void Press(const std::vector<int>& keys, int modifiers = wxMOD_NONE) {
        wxUIActionSimulator sim;
        const int before = KeyPressesSeen();
        for (int key : keys) {
            sim.Char(key, modifiers);
            wxYield();
        }
        const int presses = int(keys.size()) * (modifiers != wxMOD_NONE ? 2 : 1);
        ASSERT_TRUE(WaitFor([&] { return KeyPressesSeen() >= before + presses; }, 10));
    }
    static void Type(const char* keys) { Press(std::vector<int>(keys, keys + std::strlen(keys))); }

    std::string m_group;
    CMainDialog m_dialog;
};

}  // namespace

TEST_F(Game, StartWithoutASettingsFileDoesNothing) {
    MakeGroup();
    std::filesystem::remove(theSettings.m_strIniPath);
    m_dialog.OnStart();
    EXPECT_FALSE(m_dialog.Game().IsWindow());
    EXPECT_FALSE(InputLockHeld());
    EXPECT_EQ(theSettings.m_bPlaying, 0);
}

TEST_F(Game, StartWithoutPicturesWarnsAndLocksNothing) {
    wxTEST_DIALOG(m_dialog.OnStart(),
                  wxExpectModal<wxMessageDialog>(wxID_OK).Describe("the Warning message"));
    EXPECT_FALSE(m_dialog.Game().IsWindow());
    EXPECT_FALSE(InputLockHeld());
    EXPECT_EQ(g_hKeyboardHook, 0);
    EXPECT_TRUE(AnotherClientCanGrabInput());
}

TEST_F(Game, AGameHoldsTheKeyboardUntilTheQuitCode) {
    MakeGroup();
    Start();
    EXPECT_EQ(theSettings.m_bPlaying, 1);
    EXPECT_TRUE(m_dialog.IsTimerRunning(TIMER_TIME_LIMIT));
    EXPECT_FALSE(m_dialog.IsTimerRunning(TIMER_AUTO_DISPLAY));
    EXPECT_FALSE(AnotherClientCanGrabInput());

    // Swallowed keys show nothing; an ordinary key shows a picture with its sound.
    Press({WXK_TAB, WXK_ESCAPE, WXK_F1, WXK_F4, WXK_F12});
    EXPECT_EQ(m_dialog.Game().m_strLastSound, "");
    // Ctrl itself is an ordinary key, so Ctrl+Space is checked at the window's handler.
    wxKeyEvent ctrlSpace(wxEVT_KEY_DOWN);
    ctrlSpace.m_keyCode = WXK_SPACE;
    ctrlSpace.SetControlDown(true);
    m_dialog.Game().GetView()->GetEventHandler()->ProcessEvent(ctrlSpace);
    EXPECT_EQ(m_dialog.Game().m_strLastSound, "");
    Type("b");
    EXPECT_EQ(m_dialog.Game().m_strLastSound, m_group + "/p.wav");

    // Alt chords never reach the quit code machine.
    Type("kolo47");
    EXPECT_EQ(m_dialog.Game().m_nQuitState, 6);
    Press({'9'}, wxMOD_ALT);
    EXPECT_TRUE(m_dialog.Game().IsWindow());
    EXPECT_EQ(m_dialog.Game().m_nQuitState, 6);

    Type("9");
    EXPECT_FALSE(m_dialog.Game().IsWindow());
    EXPECT_EQ(theSettings.m_bPlaying, 0);
    EXPECT_FALSE(m_dialog.IsTimerRunning(TIMER_TIME_LIMIT));  // an old limit ends no later game
    EXPECT_FALSE(InputLockHeld());
    EXPECT_TRUE(AnotherClientCanGrabInput());
}

TEST_F(Game, TheTimeLimitEndsTheGameWithTheRestMessage) {
    MakeGroup();
    Start();
    wxTEST_DIALOG(m_dialog.OnTimer(TIMER_TIME_LIMIT),
                  wxExpectModal<wxMessageDialog>(wxID_OK).Describe("the rest message"));
    EXPECT_FALSE(m_dialog.Game().IsWindow());
    EXPECT_EQ(theSettings.m_bPlaying, 0);
    EXPECT_TRUE(AnotherClientCanGrabInput());
    m_dialog.OnTimer(TIMER_TIME_LIMIT);  // no game: nothing more happens
}

TEST_F(Game, WithoutTimersStartSetsNone) {
    MakeGroup();
    theSettings.m_bTimeLimit = 0;
    theSettings.Save();
    Start();
    EXPECT_FALSE(m_dialog.IsTimerRunning(TIMER_TIME_LIMIT));
    EXPECT_FALSE(m_dialog.IsTimerRunning(TIMER_AUTO_DISPLAY));
}

TEST_F(Game, AutoDisplayComesWhileNobodyPlaysAndItsTimerStopsAfterTheGame) {
    static std::int64_t now = 0;
    SetPerformanceCounterSource([] { return now; });
    MakeGroup();
    theSettings.m_bAutoDisplay = 1;
    theSettings.m_nAutoDisplay = 2;
    theSettings.Save();
    Start();
    EXPECT_TRUE(m_dialog.IsTimerRunning(TIMER_AUTO_DISPLAY));
    now += 2'000'000'000;
    m_dialog.OnTimer(TIMER_AUTO_DISPLAY);
    EXPECT_EQ(m_dialog.Game().m_strLastSound, "");  // exactly the interval: not yet
    now += 100'000'000;
    m_dialog.OnTimer(TIMER_AUTO_DISPLAY);
    EXPECT_EQ(m_dialog.Game().m_strLastSound, m_group + "/p.wav");

    m_dialog.Game().DestroyWindow();
    m_dialog.OnTimer(TIMER_AUTO_DISPLAY);
    EXPECT_FALSE(m_dialog.IsTimerRunning(TIMER_AUTO_DISPLAY));
}

TEST_F(Game, ASecondGameReusesThePlayWindowObject) {
    MakeGroup();
    Start();
    for (int vk : {'K', 'O', 'L', 'O', '4', '7', '9'}) {
        m_dialog.Game().OnKeyDown(vk);
    }
    ASSERT_FALSE(m_dialog.Game().IsWindow());
    WaitFor([] { return false; }, 0.1);
    Start();
    EXPECT_EQ(m_dialog.Game().m_nQuitState, 0);
    EXPECT_EQ(theSettings.m_bPlaying, 1);
}

TEST_F(Game, EveryPressOfADoubleClickShowsAPicture) {
    MakeGroup();
    Start();
    for (wxEventType type : {wxEVT_LEFT_DCLICK, wxEVT_MIDDLE_DCLICK, wxEVT_RIGHT_DCLICK}) {
        m_dialog.Game().m_strLastSound.clear();
        wxMouseEvent click(type);
        m_dialog.Game().GetView()->GetEventHandler()->ProcessEvent(click);
        EXPECT_EQ(m_dialog.Game().m_strLastSound, m_group + "/p.wav") << type;
    }
}

TEST_F(Game, StartDuringAGameDoesNothing) {
    MakeGroup();
    Start();
    m_dialog.OnStart();  // an "Error" box would fail the test
    EXPECT_TRUE(m_dialog.Game().IsWindow());
    EXPECT_EQ(theSettings.m_bPlaying, 1);
}

TEST_F(Game, ClosingTheWelcomeDialogEndsTheGameAndFreesTheInput) {
    MakeGroup();
    Start();
    m_dialog.Close();
    EXPECT_FALSE(m_dialog.Game().IsWindow());
    EXPECT_EQ(theSettings.m_bPlaying, 0);
    EXPECT_FALSE(InputLockHeld());
    EXPECT_TRUE(AnotherClientCanGrabInput());
}

TEST_F(Game, ADialogDestroyedDuringAGameEndsItCleanly) {
    MakeGroup();
    {
        CMainDialog dialog;
        dialog.OnStart();
        ASSERT_TRUE(dialog.Game().IsWindow());
        ASSERT_TRUE(WaitFor([] { return InputGrabbed(); }));
    }
    EXPECT_EQ(theSettings.m_bPlaying, 0);
    EXPECT_FALSE(InputLockHeld());
    EXPECT_TRUE(AnotherClientCanGrabInput());
}

TEST_F(Game, AWindowClosedBehindTheGamesBackEndsItAndTheNextStartWorks) {
    MakeGroup();
    Start();
    wxWindow* frame = wxGetTopLevelParent(m_dialog.Game().GetView());
    frame->Destroy();
    EXPECT_TRUE(WaitFor([this] { return !m_dialog.Game().IsWindow(); }));
    EXPECT_FALSE(InputLockHeld());
    WaitFor([] { return false; }, 0.1);
    Start();
    EXPECT_EQ(theSettings.m_bPlaying, 1);
}

// Memory running out anywhere in a display: that display is skipped, the game and its lock
// go on, and the quit code still ends the game.
TEST_F(Game, AFailingDisplayIsSkippedAndTheGameGoesOn) {
    MakeGroup();
    Start();
    int failures = 0;
    for (int n = 1; n < 1000; ++n) {
        FailAllocationAfter(n);
        EXPECT_NO_THROW(m_dialog.Game().OnKeyDown('B'));
        EXPECT_NO_THROW(m_dialog.OnTimer(TIMER_AUTO_DISPLAY));
        const bool bFailed = AllocationFailed();
        FailAllocationAfter(0);
        ASSERT_TRUE(m_dialog.Game().IsWindow()) << n;
        ASSERT_TRUE(InputLockHeld()) << n;
        if (!bFailed) {
            break;  // every allocation of a display has failed once
        }
        ++failures;
    }
    EXPECT_GT(failures, 3);
    Type("kolo479");
    EXPECT_FALSE(m_dialog.Game().IsWindow());
    EXPECT_TRUE(AnotherClientCanGrabInput());
}

// During a game no other window of the program can take the focus from it: the welcome
// dialog is out of reach, and back where it was when the game ends.
TEST_F(Game, TheWelcomeDialogIsOutOfReachDuringAGameAndBackAfterIt) {
    MakeGroup();
    m_dialog.Show();
    ASSERT_TRUE(WaitFor([] { return IsTopLevelWindowViewable("Welcome to Plinkapad"); }));
    const wxPoint place = m_dialog.GetScreenPosition();
    Start();
    EXPECT_FALSE(IsTopLevelWindowViewable("Welcome to Plinkapad"));
    Type("kolo479");
    ASSERT_FALSE(m_dialog.Game().IsWindow());
    EXPECT_TRUE(WaitFor([] { return IsTopLevelWindowViewable("Welcome to Plinkapad"); }));
    EXPECT_EQ(m_dialog.GetScreenPosition(), place);
}

// Another program keeps the keyboard: the game does not go on unlocked, and the parent is
// told why.
TEST_F(Game, AGameThatCannotTakeTheLockEndsWithAMessage) {
    MakeGroup();
    // The other program says when it holds the keyboard.
    FILE* holder = ::popen("echo $$; exec " TRY_GRAB_PATH " hold 60", "r");
    ASSERT_NE(holder, nullptr);
    char pid[16] = {}, said[16] = {};
    ASSERT_NE(std::fgets(pid, sizeof pid, holder), nullptr);
    ASSERT_NE(std::fgets(said, sizeof said, holder), nullptr);
    ASSERT_STREQ(said, "held\n");
    std::string text;
    wxTEST_DIALOG(
        {
            m_dialog.OnStart();
            EXPECT_TRUE(m_dialog.Game().IsWindow());
            EXPECT_TRUE(WaitFor([this] { return !m_dialog.Game().IsWindow(); }, 6));
        },
        ExpectMessage(wxID_OK, &text));
    EXPECT_NE(text.find("Another program or the desktop holds the keyboard"), std::string::npos)
        << text;
    EXPECT_EQ(theSettings.m_bPlaying, 0);
    EXPECT_FALSE(InputLockHeld());
    ::kill(std::atoi(pid), SIGKILL);  // the other program lets go
    ::pclose(holder);
    EXPECT_TRUE(WaitFor([] { return AnotherClientCanGrabInput(); }));
}

// A lock lost during the game and not had back (here the window is hidden behind the game's
// back) ends the game with the same message, rather than leave it running unlocked.
TEST_F(Game, ALockLostForGoodEndsTheGameWithAMessage) {
    MakeGroup();
    Start();
    wxGetTopLevelParent(m_dialog.Game().GetView())->Hide();
    std::string text;
    wxTEST_DIALOG(EXPECT_TRUE(WaitFor([this] { return !m_dialog.Game().IsWindow(); }, 6)),
                  ExpectMessage(wxID_OK, &text));
    EXPECT_NE(text.find("Another program or the desktop holds the keyboard"), std::string::npos)
        << text;
    EXPECT_FALSE(InputLockHeld());
    EXPECT_TRUE(AnotherClientCanGrabInput());
}

// Another program may destroy the play window just before the lock asks the server about
// it: the server's error does not end the program, and the game ends as for any close.
TEST_F(Game, APlayWindowDestroyedUnderTheLocksFeetIsNoEndOfTheProgram) {
    MakeGroup();
    Start();
    ASSERT_TRUE(DestroyTopLevelWindow("Plinkapad"));
    // The lock takes the grabs again before the toolkit has heard of the destruction.
    GrabInputFor(m_dialog.Game().GetView(), &m_dialog, [](LockLoss) {});
    EXPECT_TRUE(WaitFor([this] { return !m_dialog.Game().IsWindow(); }));
    EXPECT_FALSE(InputLockHeld());
    EXPECT_TRUE(AnotherClientCanGrabInput());
}

// Another program destroys the welcome dialog's window during a game: as with a close of the
// dialog, the game ends and frees the input.
TEST_F(Game, AWelcomeWindowDestroyedByAnotherProgramEndsTheGame) {
    MakeGroup();
    m_dialog.Show();
    Start();
    ASSERT_TRUE(DestroyTopLevelWindow("Welcome to Plinkapad"));
    EXPECT_TRUE(WaitFor([this] { return !m_dialog.Game().IsWindow(); }));
    EXPECT_EQ(theSettings.m_bPlaying, 0);
    EXPECT_FALSE(InputLockHeld());
    EXPECT_TRUE(AnotherClientCanGrabInput());
}

// Another program hides (or a window manager minimises) the play window: it is back at once,
// with the lock, and the game goes on.
TEST_F(Game, APlayWindowHiddenByAnotherProgramComesBackLocked) {
    MakeGroup();
    Start();
    ASSERT_TRUE(UnmapTopLevelWindow("Plinkapad"));
    WaitFor([] { return false; }, 0.1);
    EXPECT_TRUE(
        WaitFor([] { return IsTopLevelWindowViewable("Plinkapad") && InputGrabbed(); }, 1.0));
    EXPECT_TRUE(m_dialog.Game().IsWindow());
    EXPECT_FALSE(AnotherClientCanGrabInput());
}

// Window managers that follow the Motif hints (KWin) only close a window whose hints allow
// it, and logging out closes every window.
TEST_F(Game, ThePlayWindowsHintsAllowTheWindowManagerToCloseIt) {
    MakeGroup();
    Start();
    const std::vector<long> hints = TopLevelWindowProperty("Plinkapad", "_MOTIF_WM_HINTS");
    ASSERT_GE(hints.size(), 2u);
    constexpr long kFunctions = 1, kAll = 1, kClose = 32;
    ASSERT_TRUE(hints[0] & kFunctions);
    EXPECT_NE((hints[1] & kAll) != 0, (hints[1] & kClose) != 0) << hints[1];
}

// A parent's photo and voice, as the library dialogs add them, come together in the next
// game: what the speaker hears (SDL's disk driver) is the recorded tone.
TEST_F(Game, APhotoAndItsRecordedVoicePlayTogether) {
    MakeGroup();
    TestFolder home;
    WriteBytes(home / "Grandma.jpg", MakePicture(400, 300, "jpeg", 6));
    std::string reason;
    ASSERT_EQ(ImportPicture(home / "Grandma.jpg", m_group + "/Grandma.bmp", 960, 768, reason),
              ImportResult::Done);
    {
        DiskMicrophone microphone(home.Path(), MakeRawTone(1.0));
        CSoundRecorder recorder;
        ASSERT_TRUE(recorder.Start(reason)) << reason;
        ASSERT_TRUE(WaitFor([&recorder] { return !recorder.Poll(); }, 15));
        ASSERT_EQ(recorder.Save(m_group + "/Grandma.wav", reason), ImportResult::Done);
    }
    std::filesystem::remove(m_group + "/p.bmp");
    {
        DiskSpeaker speaker(home / "speaker.raw");
        Start();
        Type("g");
        // The voice plays out, the device's own buffer too.
        EXPECT_TRUE(WaitFor([] { return QueuedSoundBytes() == 0; }, 5));
        WaitFor([] { return false; }, 0.2);
        Type("kolo479");
        EXPECT_TRUE(WaitFor([this] { return !m_dialog.Game().IsWindow(); }));
    }  // the file has all the device heard

    Wave heard{1, kDeviceChannels, kDeviceRate, 16, {}};
    const Bytes out = ReadBytes(home / "speaker.raw");
    for (std::size_t at = 0; at + 1 < out.size(); at += 2) {
        heard.samples.push_back(static_cast<std::int16_t>(out[at] | out[at + 1] << 8));
    }
    // The key's sound: from its first loud sample to the silence after it (each key of the
    // quit code plays it again later).
    const auto loud = [](std::int16_t sample) { return std::abs(sample) > 1000; };
    const auto first = std::find_if(heard.samples.begin(), heard.samples.end(), loud);
    ASSERT_NE(first, heard.samples.end());
    auto last = first;
    for (auto at = first; at != heard.samples.end() && at - last < kDeviceRate / 5; ++at) {
        last = loud(*at) ? at : last;
    }
    heard.samples = std::vector<std::int16_t>(first, last + 1);
    EXPECT_NEAR(heard.Seconds(), 1.0, 0.05);
    EXPECT_NEAR(Frequency(heard), 1000, 20);
}
