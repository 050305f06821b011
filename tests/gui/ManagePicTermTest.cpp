#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include <filesystem>

#include "GuiTesting.h"
#include "TestFolder.h"
#include "WaveFile.h"
#include "common/DialogColours.h"
#include "common/Settings.h"
#include "library/ManagePicTerm.h"
#include "library/PictureGroupStorage.h"
#include "library/PreviewFrame.h"
#include "platform/ShellServices.h"
#include "res/Resource.h"

namespace fs = std::filesystem;

namespace {

constexpr char kFolder[] = "0A1B2C3D-0000-4000-8000-000000000001";

// A group of three pictures: Dog.bmp has its own sound and is on the cut list.
class ManageGroup : public ::testing::Test {
protected:
    void SetUp() override {
        theSettings.Load();
        m_group = m_dir / kFolder;
        MakeFolder(m_group);
        WriteBytes(m_group + "/Zebra.bmp", MakeBmp24(40, 30, 0x00FF00));
        WriteBytes(m_group + "/Apple.bmp", MakeBmp24(80, 20, 0xFF0000));
        WriteBytes(m_group + "/Dog.bmp", MakeBmp24(10, 10, 0x0000FF));
        WriteBytes(m_group + "/Dog.wav", MakeWave({8000, 1, 8}, 100));
        WriteBytes(m_group + "/notes.txt", {1, 2});
        WriteGroupFile(GroupFilePath(m_group, kFolder), "Pets", "our pets", 1);
        WriteCutList(m_group, {"Dog.bmp"});
    }
    void TearDown() override {
        SetOpenFilesDialogForTesting({});
        m_dialog.reset();
    }
    CManagePicTerm& Open() {
        m_dialog = std::make_unique<CManagePicTerm>(nullptr);
        m_dialog->m_strGroupName = "Pets";
        m_dialog->m_strDescription = "our pets";
        m_dialog->m_strGroupPath = m_group;
        m_dialog->m_strFolderName = kFolder;
        m_dialog->m_bDisplayGroup = 1;
        m_dialog->InitDialog();
        m_dialog->Show();
        WaitFor([] { return false; }, 0.05);
        return *m_dialog;
    }
    // "name size cut" for each row, top down.
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        wxListCtrl* list = m_dialog->m_listPictures;
        for (long i = 0; i < list->GetItemCount(); ++i) {
            rows.push_back(list->GetItemText(i, 0).utf8_string() + " " +
                           list->GetItemText(i, 1).utf8_string() + " " +
                           list->GetItemText(i, 2).utf8_string());
        }
        return rows;
    }
    long Selected() {
        return m_dialog->m_listPictures->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    }
    void Select(long row) {
        m_dialog->m_listPictures->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        m_dialog->RefreshSelection();
    }
    // Which of the picture and sound buttons are enabled, in the order Delete Picture, Cut,
    // Specify Sounds, Play Sounds, Delete Sounds.
    std::string Enabled() {
        std::string states;
        for (int id : {IDC_DELETE_PICTURE, IDC_CUT_TO_DISPLAY, IDC_SPECIFY_SOUNDS, IDC_PLAY_SOUNDS,
                       IDC_DELETE_PICTURE_SOUND}) {
            states += m_dialog->FindWindow(id)->IsEnabled() ? '1' : '0';
        }
        return states;
    }
    std::string Text(int id) {
        return dynamic_cast<wxTextCtrl*>(m_dialog->FindWindow(id))->GetValue().utf8_string();
    }
    std::string CutLabel() {
        return m_dialog->FindWindow(IDC_CUT_TO_DISPLAY)->GetLabel().utf8_string();
    }
    COLORREF PreviewAt(int x, int y) { return m_dialog->m_pPreview->Canvas().GetPixel(x, y); }
    // The Open dialog answers with these files, or is cancelled when there are none.
    void Choose(std::vector<std::string> files, const char* filter) {
        SetOpenFilesDialogForTesting([files, filter](wxWindow*, const std::string& shown,
                                                     const std::string&,
                                                     std::vector<std::string>& out) {
            EXPECT_EQ(shown, filter);
            out = files;
            return !files.empty();
        });
    }

    TestFolder m_dir;
    std::string m_group;
    std::unique_ptr<CManagePicTerm> m_dialog;
};

constexpr char kBitmaps[] = "Bitmap file (*.bmp) | *.bmp||";
constexpr char kWaves[] = "Sound wave files (*.wav) | *.wav||";

}  // namespace

TEST_F(ManageGroup, OpensOnTheGroupAndTheButtonsFollowTheSelection) {
    fs::create_symlink(m_dir / "nowhere.bmp", m_group + "/Ghost.bmp");
    Open();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Apple.bmp 4854 No", "Dog.bmp 374 Yes",
                                                "Ghost.bmp  No", "Zebra.bmp 3654 No"}));
    EXPECT_EQ(Text(IDC_TOTAL_PICTURES), "4");
    EXPECT_EQ(Text(IDC_GROUP_NAME), "Pets");
    EXPECT_EQ(Text(IDC_GROUP_PATH), m_group);
    EXPECT_EQ(Selected(), -1);
    EXPECT_EQ(Enabled(), "00000");

    Select(1);  // Dog, with its own sound, cut
    EXPECT_EQ(Enabled(), "11111");
    EXPECT_EQ(Text(IDC_CURRENT_SOUND), "Dog.wav");
    EXPECT_EQ(CutLabel(), "Cancel Cu&tting");
    EXPECT_EQ(m_dialog->m_strPicturePath, m_group + "/Dog.bmp");

    Select(0);  // Apple: no sound of its own
    EXPECT_EQ(Enabled(), "11100");
    EXPECT_EQ(Text(IDC_CURRENT_SOUND), "");
    EXPECT_EQ(CutLabel(), "Cu&t to display");

    // The preview fills the frame but for its margin, whatever the picture's shape.
    const CBackBitmap& canvas = m_dialog->m_pPreview->Canvas();
    const int w = canvas.Width(), h = canvas.Height();
    ASSERT_GT(w, 20);
    ASSERT_GT(h, 20);
    for (auto [x, y] : {std::pair{5, 5}, {w - 6, 5}, {5, h - 6}, {w - 6, h - 6}, {w / 2, h / 2}}) {
        EXPECT_EQ(PreviewAt(x, y), RGB(255, 0, 0)) << x << "," << y;
    }
    for (auto [x, y] : {std::pair{4, 4}, {w - 5, h / 2}, {w / 2, h - 5}}) {
        EXPECT_EQ(PreviewAt(x, y), DIALOG_BACK_COLOUR) << x << "," << y;
    }

    // and so does the screen, inside its black frame.
    m_dialog->Raise();
    WaitFor([] { return false; }, 0.1);
    const wxPoint at = m_dialog->m_pPreview->GetScreenPosition();
    EXPECT_EQ(ScreenPixel(at.x + w / 2, at.y + h / 2), 0xFF0000u);
    EXPECT_EQ(ScreenPixel(at.x + 2, at.y + h / 2), 0xFF8040u);
    EXPECT_EQ(ScreenPixel(at.x, at.y), 0u);

    Select(2);  // a file that cannot be read previews nothing
    EXPECT_EQ(PreviewAt(w / 2, h / 2), DIALOG_BACK_COLOUR);
    m_dialog->m_listPictures->SetItemState(2, 0, wxLIST_STATE_SELECTED);
    m_dialog->RefreshSelection();
    EXPECT_EQ(Enabled(), "00000");
}

TEST_F(ManageGroup, CutMarksLiveInTheRowsUntilOKWritesThemInListOrder) {
    Open();
    Select(1);
    m_dialog->OnCutToDisplay();  // Dog off
    EXPECT_EQ(CutLabel(), "Cu&t to display");
    m_dialog->OnCutToDisplay();  // and on again
    EXPECT_EQ(CutLabel(), "Cancel Cu&tting");
    EXPECT_EQ(Rows()[1], "Dog.bmp 374 Yes");
    m_dialog->OnCutToDisplay();
    Select(2);
    m_dialog->OnCutToDisplay();  // Zebra on
    Select(0);
    m_dialog->OnCutToDisplay();  // Apple on
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Apple.bmp 4854 Yes", "Dog.bmp 374 No",
                                                "Zebra.bmp 3654 Yes"}));
    EXPECT_EQ(ReadCutList(m_group), std::vector<std::string>{"Dog.bmp"});  // nothing yet

    dynamic_cast<wxTextCtrl*>(m_dialog->FindWindow(IDC_GROUP_NAME))->ChangeValue("Farm");
    ASSERT_TRUE(m_dialog->SaveGroup());
    const Bytes expected = {2,   0,   0, 0,   9,   'A', 'p', 'p', 'l', 'e', '.', 'b',
                            'm', 'p', 9, 'Z', 'e', 'b', 'r', 'a', '.', 'b', 'm', 'p'};
    EXPECT_EQ(ReadBytes(m_group + "/cutshow.ini"), expected);
    std::string name, description;
    BOOL bDisplay = 0;
    ASSERT_TRUE(ReadGroupFile(GroupFilePath(m_group, kFolder), name, description, bDisplay));
    EXPECT_EQ(name, "Farm");
    EXPECT_EQ(description, "our pets");
    EXPECT_EQ(bDisplay, 1);

    // A mark not saved is lost when the list is read again.
    Select(1);
    m_dialog->OnCutToDisplay();
    Choose({}, kBitmaps);
    m_dialog->OnAddPictures();  // cancelled: nothing is read again
    EXPECT_EQ(Rows()[1], "Dog.bmp 374 Yes");
    WriteBytes(m_dir / "Cat.bmp", MakeBmp24(2, 2, 0));
    Choose({m_dir / "Cat.bmp"}, kBitmaps);
    m_dialog->OnAddPictures();
    EXPECT_EQ(Rows()[2], "Dog.bmp 374 No");
}

TEST_F(ManageGroup, TheNameAndTheDescriptionTakeTwoHundredCharacters) {
    Open();
    for (int id : {IDC_GROUP_NAME, IDC_GROUP_DESCRIPTION}) {
        auto* edit = dynamic_cast<wxTextCtrl*>(m_dialog->FindWindow(id));
        edit->SetValue("");
        edit->WriteText(std::string(200, 'x'));
        edit->WriteText("y");
        EXPECT_EQ(edit->GetValue(), std::string(200, 'x')) << id;
    }
}

TEST_F(ManageGroup, AddingAsksBeforeEachOverwriteAndCancelStopsTheRest) {
    const Bytes newApple = MakeBmp24(3, 3, 0x123456);
    WriteBytes(m_dir / "Cat.bmp", MakeBmp24(2, 2, 0));
    WriteBytes(m_dir / "Apple.bmp", newApple);
    WriteBytes(m_dir / "Emu.bmp", MakeBmp24(2, 2, 0));
    WriteBytes(m_dir / "Emu.wav", MakeWave({8000, 1, 8}, 10));
    Open();
    Select(0);
    Choose({m_dir / "Cat.bmp", m_dir / "Apple.bmp", m_dir / "Emu.bmp"}, kBitmaps);
    std::string question;
    long style = 0;
    wxTEST_DIALOG(m_dialog->OnAddPictures(), ExpectMessage(wxID_CANCEL, &question, &style));
    EXPECT_EQ(question, "File " + m_group + "/Apple.bmp has existed. Overwrite it?");
    EXPECT_TRUE(style & wxICON_QUESTION);
    EXPECT_TRUE(style & wxNO_DEFAULT);
    EXPECT_TRUE(fs::exists(m_group + "/Cat.bmp"));
    EXPECT_FALSE(fs::exists(m_group + "/Emu.bmp"));
    EXPECT_NE(ReadBytes(m_group + "/Apple.bmp"), newApple);
    EXPECT_EQ(Text(IDC_TOTAL_PICTURES), "4");
    EXPECT_EQ(Selected(), -1);
    EXPECT_EQ(Enabled(), "00000");

    // No skips just that file; the sound beside a picture is not copied.
    wxTEST_DIALOG(m_dialog->OnAddPictures(), ExpectMessage(wxID_NO, &question),
                  ExpectMessage(wxID_NO, &question));
    EXPECT_TRUE(fs::exists(m_group + "/Emu.bmp"));
    EXPECT_FALSE(fs::exists(m_group + "/Emu.wav"));
    Choose({m_dir / "Apple.bmp"}, kBitmaps);
    wxTEST_DIALOG(m_dialog->OnAddPictures(), ExpectMessage(wxID_YES, &question));
    EXPECT_EQ(ReadBytes(m_group + "/Apple.bmp"), newApple);

    // A picture chosen from the group folder itself stays whole.
    Choose({m_group + "/Apple.bmp"}, kBitmaps);
    wxTEST_DIALOG(m_dialog->OnAddPictures(), ExpectMessage(wxID_YES, &question));
    EXPECT_EQ(ReadBytes(m_group + "/Apple.bmp"), newApple);
}

TEST_F(ManageGroup, DeletingAPictureTakesItsSoundAndNeverWhatALinkNames) {
    Open();
    Select(1);
    std::string question;
    wxTEST_DIALOG(m_dialog->OnDeletePicture(), ExpectMessage(wxID_NO, &question));
    EXPECT_EQ(question,
              "Assure that you want to delete the picture file Dog.bmp and the sound "
              "corresponding to it.");
    EXPECT_TRUE(fs::exists(m_group + "/Dog.bmp"));
    EXPECT_EQ(Selected(), -1);

    Select(1);
    wxTEST_DIALOG(m_dialog->OnDeletePicture(), ExpectMessage(wxID_YES, &question));
    EXPECT_FALSE(fs::exists(m_group + "/Dog.bmp"));
    EXPECT_FALSE(fs::exists(m_group + "/Dog.wav"));
    EXPECT_TRUE(fs::exists(m_group + "/notes.txt"));
    EXPECT_EQ(Rows().size(), 2u);

    // Links to files outside the group go as links.
    const Bytes owl = MakeBmp24(4, 4, 0x777777);
    WriteBytes(m_dir / "owl-picture", owl);
    WriteBytes(m_dir / "owl-sound", {7, 7});
    fs::create_symlink(m_dir / "owl-picture", m_group + "/Owl.bmp");
    fs::create_symlink(m_dir / "owl-sound", m_group + "/Owl.wav");
    m_dialog->FillPictureList();
    Select(1);
    EXPECT_EQ(Text(IDC_CURRENT_SOUND), "Owl.wav");
    wxTEST_DIALOG(m_dialog->OnDeletePicture(), ExpectMessage(wxID_YES, &question));
    EXPECT_FALSE(fs::is_symlink(m_group + "/Owl.bmp"));
    EXPECT_FALSE(fs::is_symlink(m_group + "/Owl.wav"));
    EXPECT_EQ(ReadBytes(m_dir / "owl-picture"), owl);
    EXPECT_EQ(ReadBytes(m_dir / "owl-sound"), (Bytes{7, 7}));

    Select(0);  // Apple has no sound
    wxTEST_DIALOG(m_dialog->OnDeletePicture(), ExpectMessage(wxID_YES, &question));
    EXPECT_EQ(question, "Do you assure that you want to delete the picture file Apple.bmp?");
    EXPECT_EQ(Rows(), std::vector<std::string>{"Zebra.bmp 3654 No"});
    EXPECT_EQ(Text(IDC_TOTAL_PICTURES), "1");
}

TEST_F(ManageGroup, APictureGetsChangesAndLosesItsOwnSound) {
    const Bytes moo = MakeWave({8000, 1, 8}, 50), baa = MakeWave({8000, 1, 8}, 70);
    WriteBytes(m_dir / "moo.wav", moo);
    WriteBytes(m_dir / "baa.wav", baa);
    Open();
    Select(2);  // Zebra: no sound yet, so no question
    Choose({m_dir / "moo.wav"}, kWaves);
    m_dialog->OnSpecifySounds();
    EXPECT_EQ(ReadBytes(m_group + "/Zebra.wav"), moo);
    EXPECT_EQ(Selected(), -1);  // the list was read again
    EXPECT_EQ(Enabled(), "00000");
    EXPECT_EQ(m_dialog->m_nRememberedRow, 2);
    EXPECT_TRUE(m_dialog->m_listPictures->GetItemState(2, wxLIST_STATE_FOCUSED));
    Select(2);
    EXPECT_EQ(Text(IDC_CURRENT_SOUND), "Zebra.wav");
    EXPECT_EQ(Enabled(), "11111");

    // Replacing asks first; No changes nothing, not even the selection.
    Choose({m_dir / "baa.wav"}, kWaves);
    std::string question;
    long style = 0;
    wxTEST_DIALOG(m_dialog->OnSpecifySounds(), ExpectMessage(wxID_NO, &question, &style));
    EXPECT_EQ(question, "The specified sound file will overwrite the old one. Continue?");
    EXPECT_TRUE(style & wxNO_DEFAULT);
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(ReadBytes(m_group + "/Zebra.wav"), moo);
    // Yes, then a cancelled file dialog: nothing copied, but the list is read again.
    Choose({}, kWaves);
    wxTEST_DIALOG(m_dialog->OnSpecifySounds(), ExpectMessage(wxID_YES, &question));
    EXPECT_EQ(Selected(), -1);
    EXPECT_EQ(ReadBytes(m_group + "/Zebra.wav"), moo);
    // The sound itself, chosen from the group folder, stays whole.
    Select(2);
    Choose({m_group + "/Zebra.wav"}, kWaves);
    wxTEST_DIALOG(m_dialog->OnSpecifySounds(), ExpectMessage(wxID_YES, &question));
    EXPECT_EQ(ReadBytes(m_group + "/Zebra.wav"), moo);

    Select(2);
    wxTEST_DIALOG(m_dialog->OnDeleteSounds(), ExpectMessage(wxID_YES, &question));
    EXPECT_EQ(question, "Are you sure to delete the sound file Zebra.wav?");
    EXPECT_FALSE(fs::exists(m_group + "/Zebra.wav"));
    EXPECT_TRUE(fs::exists(m_group + "/Zebra.bmp"));
    EXPECT_TRUE(fs::exists(m_group + "/Dog.wav"));
    EXPECT_EQ(Selected(), -1);
    Select(2);
    EXPECT_EQ(Enabled(), "11100");
}

TEST_F(ManageGroup, AFailedWriteAtOKIsToldAndTheEditsStay) {
    Open();
    Select(0);
    m_dialog->OnCutToDisplay();
    dynamic_cast<wxTextCtrl*>(m_dialog->FindWindow(IDC_GROUP_NAME))->ChangeValue("Farm");
    const std::string groupFile = GroupFilePath(m_group, kFolder);
    fs::remove(groupFile);
    fs::create_directory(groupFile);  // a description file that cannot be written
    std::string message;
    long style = 0;
    bool bSaved = true;
    wxTEST_DIALOG(bSaved = m_dialog->SaveGroup(), ExpectMessage(wxID_OK, &message, &style));
    EXPECT_FALSE(bSaved);
    EXPECT_NE(message.find(groupFile), std::string::npos) << message;
    EXPECT_NE(message.find("Is a directory"), std::string::npos) << message;
    EXPECT_TRUE(style & wxICON_ERROR);
    EXPECT_EQ(ReadCutList(m_group), std::vector<std::string>{"Dog.bmp"});

    // The edits are still there for the next try; a file written stays written.
    fs::remove(groupFile);
    fs::remove(m_group + "/cutshow.ini");
    fs::create_directory(m_group + "/cutshow.ini");
    wxTEST_DIALOG(bSaved = m_dialog->SaveGroup(), ExpectMessage(wxID_OK, &message));
    EXPECT_FALSE(bSaved);
    EXPECT_NE(message.find("cutshow.ini"), std::string::npos) << message;
    std::string name, description;
    BOOL bDisplay = 0;
    EXPECT_TRUE(ReadGroupFile(groupFile, name, description, bDisplay));
    EXPECT_EQ(name, "Farm");

    fs::remove(m_group + "/cutshow.ini");
    EXPECT_TRUE(m_dialog->SaveGroup());
    EXPECT_EQ(ReadCutList(m_group), (std::vector<std::string>{"Apple.bmp", "Dog.bmp"}));
}
