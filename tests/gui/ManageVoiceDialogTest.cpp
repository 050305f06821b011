#include <wx/listctrl.h>
#include <wx/progdlg.h>

#include <filesystem>

#include "FullDisk.h"
#include "GuiTesting.h"
#include "PhoneMedia.h"
#include "TestFolder.h"
#include "WaveFile.h"
#include "common/FolderFiles.h"
#include "common/Settings.h"
#include "platform/FileSystem.h"
#include "platform/ShellServices.h"
#include "res/Resource.h"
#include "sounds/ManageVoiceDialog.h"

namespace {

constexpr char kSounds[] =
    "All sounds (*.wav;*.m4a;*.aac;*.mp3;*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp) | "
    "*.wav;*.m4a;*.aac;*.mp3;*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp |"
    "Sound wave files (*.wav) | *.wav||";

// The default sounds folder lies beside the test program; each test lays out its own.
class DefaultSounds : public ::testing::Test {
protected:
    void SetUp() override {
        theSettings.Load();
        m_folder = theSettings.m_strAppDir + "/DefVoice";
        std::filesystem::remove_all(m_folder);
        MakeFolder(m_folder);
    }
    void TearDown() override {
        SetOpenFilesDialogForTesting({});
        m_dialog.reset();
        std::filesystem::remove_all(m_folder);
    }
    CManageVoiceDialog& Open() {
        m_dialog = std::make_unique<CManageVoiceDialog>(nullptr);
        m_dialog->Show();
        WaitFor([] { return false; }, 0.05);
        return *m_dialog;
    }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (long i = 0; i < m_dialog->m_listSounds->GetItemCount(); ++i) {
            rows.push_back(m_dialog->m_listSounds->GetItemText(i, 0).utf8_string() + " " +
                           m_dialog->m_listSounds->GetItemText(i, 1).utf8_string());
        }
        return rows;
    }
    void Select(std::initializer_list<long> rows) {
        for (long row : rows) {
            m_dialog->m_listSounds->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        }
        m_dialog->OnItemChanged();
    }
    // The Open dialog answers with these files.
    void Choose(std::vector<std::string> files) {
        SetOpenFilesDialogForTesting([files](wxWindow*, const std::string& filter,
                                             const std::string&, std::vector<std::string>& out) {
            EXPECT_EQ(filter, kSounds);
            out = files;
            return true;
        });
    }

    std::string m_folder;
    std::unique_ptr<CManageVoiceDialog> m_dialog;
};

}  // namespace

TEST_F(DefaultSounds, ListsTheWavesSortedWithTheirSizesAndFollowsTheSelection) {
    WriteBytes(m_folder + "/moo.wav", Bytes(12, 1));
    WriteBytes(m_folder + "/Baa.WAV", {});
    WriteBytes(m_folder + "/cluck.wav", Bytes(3, 1));
    WriteBytes(m_folder + "/notes.txt", {1});
    Open();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Baa.WAV 0", "cluck.wav 3", "moo.wav 12"}));
    EXPECT_FALSE(m_dialog->FindWindow(IDC_PLAY)->IsEnabled());
    EXPECT_FALSE(m_dialog->FindWindow(IDC_DELETE_SOUNDS)->IsEnabled());
    EXPECT_TRUE(m_dialog->FindWindow(IDC_ADD_SOUNDS)->IsEnabled());

    Select({2, 0});
    EXPECT_EQ(m_dialog->m_nSelected, 2);
    EXPECT_EQ(m_dialog->m_selectedPaths,
              (std::vector<std::string>{m_folder + "/Baa.WAV", m_folder + "/moo.wav"}));
    EXPECT_TRUE(m_dialog->FindWindow(IDC_PLAY)->IsEnabled());
    EXPECT_TRUE(m_dialog->FindWindow(IDC_DELETE_SOUNDS)->IsEnabled());
}

// Yes copies over, No skips that file, Cancel skips the rest; a file chosen from the folder
// itself stays whole when copied onto itself.
TEST_F(DefaultSounds, AddingAsksBeforeEachOverwriteAndNeverEmptiesAFile) {
    TestFolder source;
    for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav"}) {
        WriteBytes(source / name, Bytes(5, 2));
    }
    WriteBytes(m_folder + "/b.wav", Bytes(1, 9));
    WriteBytes(m_folder + "/c.wav", Bytes(1, 9));
    WriteBytes(m_folder + "/own.wav", Bytes(7, 3));
    Open();
    Choose({source / "a.wav", source / "b.wav", source / "c.wav", source / "d.wav"});
    std::string first, second;
    long style = 0;
    wxTEST_DIALOG(m_dialog->OnAdd(), ExpectMessage(wxID_NO, &first, &style),
                  ExpectMessage(wxID_CANCEL, &second));
    EXPECT_EQ(first, "The file " + m_folder + "/b.wav already exists. Overwrite it?");
    EXPECT_TRUE(style & wxNO_DEFAULT);
    EXPECT_TRUE(style & wxCANCEL);
    EXPECT_EQ(ReadBytes(m_folder + "/a.wav"), Bytes(5, 2));  // new: copied without a question
    EXPECT_EQ(ReadBytes(m_folder + "/b.wav"), Bytes(1, 9));  // No
    EXPECT_EQ(ReadBytes(m_folder + "/c.wav"), Bytes(1, 9));  // Cancel
    EXPECT_FALSE(std::filesystem::exists(m_folder + "/d.wav"));
    EXPECT_EQ(Rows().size(), 4u);  // the list is read again after Cancel too

    Choose({m_folder + "/own.wav", source / "b.wav"});
    wxTEST_DIALOG(m_dialog->OnAdd(), ExpectMessage(wxID_YES, &first),
                  ExpectMessage(wxID_YES, &second));
    EXPECT_EQ(ReadBytes(m_folder + "/own.wav"), Bytes(7, 3));
    EXPECT_EQ(ReadBytes(m_folder + "/b.wav"), Bytes(5, 2));
}

// Rows go only for files that are really gone; the parent hears why one stays.
// A phone's voice clips become WAV files of their own names; what is no sound, and what was
// cut to its first minute, are each named once at the end.
TEST_F(DefaultSounds, VoiceClipsBecomeWavesAndTheBrokenAndTheLongAreNamed) {
    if (!CanMakeClips()) {
        GTEST_SKIP() << "no ffmpeg program to make the clips";
    }
    TestFolder from;
    MakeClip(from / "Grandma.m4a", 44100, 1, 1.0, "-c:a aac");
    MakeClip(from / "Story.opus", 48000, 1, 61.0, "-c:a libopus");
    WriteBytes(from / "Broken.mp3", {'n', 'o'});
    Open();
    Choose({from / "Grandma.m4a", from / "Broken.mp3", from / "Story.opus"});
    std::string notSounds, shortened;
    wxTEST_DIALOG(m_dialog->OnAdd(), ExpectMessage(wxID_OK, &notSounds),
                  ExpectMessage(wxID_OK, &shortened));
    EXPECT_EQ(notSounds, "This file is not a sound Plinkapad can read, and was not added:\n" +
                             from / "Broken.mp3");
    EXPECT_EQ(shortened,
              "This sound was longer than a minute, and only its first minute was kept:\n" +
                  from / "Story.opus");
    const Bytes grandma = ReadBytes(m_folder + "/Grandma.wav");
    ASSERT_GT(grandma.size(), 44u);
    EXPECT_EQ(std::string(grandma.begin() + 8, grandma.begin() + 12), "WAVE");
    EXPECT_TRUE(std::filesystem::exists(m_folder + "/Story.wav"));
    EXPECT_FALSE(std::filesystem::exists(m_folder + "/Broken.wav"));
    EXPECT_EQ(m_dialog->m_listSounds->GetItemCount(), 2);
}

TEST_F(DefaultSounds, ARecordingBecomesADefaultSoundUnderTheNameTyped) {
    TestFolder heard;
    DiskMicrophone microphone(heard.Path(), MakeRawTone(0.5));
    WriteBytes(m_folder + "/Grandma.wav", MakeWave({8000, 1, 8}, 10));
    Open();
    ASSERT_TRUE(m_dialog->FindWindow(IDC_RECORD_DEFAULT_SOUND)->IsEnabled());
    // A name that is no file's is asked again; an existing sound is replaced only on Yes.
    bool kept = false;
    std::string warning, question;
    wxTEST_DIALOG(m_dialog->OnRecord(), RecordAndKeep(&kept), TypeText("../Grandma"),
                  ExpectMessage(wxID_OK, &warning), TypeText(" Grandma "),
                  ExpectMessage(wxID_YES, &question));
    EXPECT_TRUE(kept);
    EXPECT_EQ(warning,
              "A sound's name may not be empty, begin with a dot or hold any of / \\ : * ? \" < > "
              "|. Please type another name.");
    EXPECT_EQ(question, "The file " + m_folder + "/Grandma.wav already exists. Overwrite it?");
    EXPECT_NEAR(ReadWave(m_folder + "/Grandma.wav").Seconds(), 0.5, 0.02);
    EXPECT_FALSE(std::filesystem::exists(theSettings.m_strAppDir + "/Grandma.wav"));
    EXPECT_EQ(Rows().size(), 1u);
}

TEST_F(DefaultSounds, ManyFilesShowTheirProgressAndCancelKeepsWhatWasAdded) {
    Open();
    std::vector<std::string> chosen;
    for (const char* name : {"a.m4a", "b.m4a", "c.m4a", "d.m4a", "e.m4a", "f.m4a"}) {
        chosen.push_back(m_folder + "/" + name);
    }
    // The third conversion is under way when the parent presses Cancel.
    int converted = 0;
    std::string shown;
    const FileConversion slow{
        ".wav",
        [&](const std::string&, const std::string& to, std::string& reason) {
            if (++converted == 3) {
                for (wxWindow* window : wxTopLevelWindows) {
                    if (auto* progress = dynamic_cast<wxGenericProgressDialog*>(window)) {
                        shown = progress->GetMessage().utf8_string();
                        wxCommandEvent cancel(wxEVT_BUTTON, wxID_CANCEL);
                        progress->FindWindow(wxID_CANCEL)->GetEventHandler()->ProcessEvent(cancel);
                    }
                }
            }
            return WriteWholeFile(to, {'R', 'I', 'F', 'F'}, &reason) ? ImportResult::Done
                                                                     : ImportResult::WriteFailed;
        },
        IDS_NOT_SOUNDS,
        0,
        {},
        {}};
    CopyFilesInto(m_dialog.get(), chosen, m_folder, IDS_SOUND_EXISTS, &slow);
    EXPECT_EQ(converted, 3);
    EXPECT_EQ(shown, "Adding 3 of 6:\nc.m4a");
    for (const char* name : {"a.wav", "b.wav", "c.wav"}) {
        EXPECT_EQ(ReadBytes(m_folder + "/" + name).size(), 4u) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(m_folder + "/d.wav"));
}

TEST_F(DefaultSounds, DeletingAsksWithTheCountAndKeepsTheRowsOfFilesThatStay) {
    WriteBytes(m_folder + "/a.wav", {1});
    WriteBytes(m_folder + "/b.wav", {1});
    MakeFolder(m_folder + "/c.wav");  // no file: it cannot be deleted as one
    Open();
    Select({0, 1, 2});
    std::string question;
    wxTEST_DIALOG(m_dialog->OnDelete(), ExpectMessage(wxID_NO, &question));
    EXPECT_EQ(question, "Delete the 3 chosen sound files?");
    EXPECT_EQ(Rows().size(), 3u);

    std::string failure;
    wxTEST_DIALOG(m_dialog->OnDelete(), ExpectMessage(wxID_YES, &question),
                  ExpectMessage(wxID_OK, &failure));
    EXPECT_EQ(failure, m_folder + "/c.wav could not be deleted (Is a directory).");
    EXPECT_FALSE(std::filesystem::exists(m_folder + "/a.wav"));
    EXPECT_FALSE(std::filesystem::exists(m_folder + "/b.wav"));
    EXPECT_EQ(Rows(), (std::vector<std::string>{"c.wav "}));
}

// After any change the selection is counted again: with nothing selected Play and Delete are
// off, and the next Delete asks about the rows selected then.
TEST_F(DefaultSounds, TheSelectionIsCountedAgainAfterEveryChange) {
    for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav"}) {
        WriteBytes(m_folder + "/" + name, {1});
    }
    Open();
    Select({0, 1, 2});
    std::string question;
    wxTEST_DIALOG(m_dialog->OnDelete(), ExpectMessage(wxID_YES, &question));
    EXPECT_EQ(Rows(), std::vector<std::string>{"d.wav 1"});
    EXPECT_EQ(m_dialog->m_nSelected, 0);
    EXPECT_FALSE(m_dialog->FindWindow(IDC_PLAY)->IsEnabled());
    EXPECT_FALSE(m_dialog->FindWindow(IDC_DELETE_SOUNDS)->IsEnabled());
    Select({0});
    wxTEST_DIALOG(m_dialog->OnDelete(), ExpectMessage(wxID_NO, &question));
    EXPECT_EQ(question, "Delete the 1 chosen sound file?");

    WriteBytes(m_folder + "/e.wav", {1});
    Choose({m_folder + "/e.wav"});
    wxTEST_DIALOG(m_dialog->OnAdd(), ExpectMessage(wxID_NO, &question));
    EXPECT_EQ(m_dialog->m_nSelected, 0);
    EXPECT_FALSE(m_dialog->FindWindow(IDC_DELETE_SOUNDS)->IsEnabled());
}

TEST_F(DefaultSounds, ACopyOntoAFullDiskIsToldWithItsReason) {
    TestFolder source;
    WriteBytes(source / "moo.wav", Bytes(20000, 1));
    FullDisk disk(m_folder);
    WriteBytes(m_folder + "/baa.wav", Bytes(3, 1));
    disk.Fill();
    Open();
    Choose({source / "moo.wav"});
    std::string message;
    wxTEST_DIALOG(m_dialog->OnAdd(), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, source / "moo.wav could not be copied to " + m_folder + "/moo.wav (" +
                           disk.Reason() + ").");
    EXPECT_EQ(Rows(), std::vector<std::string>{"baa.wav 3"});
}
