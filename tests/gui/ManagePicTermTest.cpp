#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <map>

#include "FullDisk.h"
#include "GuiTesting.h"
#include "ObeyFilePermissions.h"
#include "PhoneMedia.h"
#include "TestFolder.h"
#include "WaveFile.h"
#include "common/DialogColours.h"
#include "common/Settings.h"
#include "core/BmpImage.h"
#include "library/ManagePicTerm.h"
#include "library/PictureGroupStorage.h"
#include "library/PreviewFrame.h"
#include "platform/ScreenMetrics.h"
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
        theSettings.m_strAppDir = m_dir.Path();  // the library the dialog may change
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
        theSettings.Load();
    }
    // The dialog as Setup opens it on the group in `folder` of the library.
    CManagePicTerm& Open(const std::string& folder = kFolder, const std::string& name = "Pets",
                         const std::string& description = "our pets") {
        m_dialog = std::make_unique<CManagePicTerm>(nullptr);
        m_dialog->m_strGroupName = name;
        m_dialog->m_strDescription = description;
        m_dialog->m_strGroupPath = m_dir / folder;
        m_dialog->m_strFolderName = folder;
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

// Every entry under `root` but the folder `skip`, with what it holds or where it leads.
std::map<std::string, std::string> Tree(const std::string& root, const std::string& skip) {
    std::map<std::string, std::string> tree;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::end(it); ++it) {
        const fs::path relative = fs::relative(it->path(), root);
        if (relative.begin()->string() == skip) {
            it.disable_recursion_pending();
            continue;
        }
        const Bytes bytes = it->is_regular_file() ? ReadBytes(it->path()) : Bytes();
        tree[relative.string()] = it->is_symlink() ? "-> " + fs::read_symlink(it->path()).string()
                                  : it->is_directory() ? "folder"
                                                       : std::string(bytes.begin(), bytes.end());
    }
    return tree;
}

constexpr char kBitmaps[] =
    "All pictures (*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.webp;*.heic;*.heif) | "
    "*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.webp;*.heic;*.heif |"
    "Pictures and their sounds (*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.webp;*.heic;*.heif;"
    "*.wav;*.m4a;*.aac;*.mp3;*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp) | "
    "*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.webp;*.heic;*.heif;*.wav;*.m4a;*.aac;*.mp3;"
    "*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp |"
    "Bitmap files (*.bmp) | *.bmp||";
constexpr char kWaves[] =
    "All sounds (*.wav;*.m4a;*.aac;*.mp3;*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp) | "
    "*.wav;*.m4a;*.aac;*.mp3;*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp |"
    "Sound wave files (*.wav) | *.wav||";

}  // namespace

TEST_F(ManageGroup, OpensOnTheGroupAndTheButtonsFollowTheSelection) {
    fs::create_symlink(m_dir / "nowhere.bmp", m_group + "/Ghost.bmp");
    // A converted picture whose writer was killed before its rename: cleared at the opening.
    WriteBytes(m_group + "/IMG_0011.bmp.tmp-Ab12Cd", {'B', 'M'});
    Open();
    EXPECT_FALSE(fs::exists(m_group + "/IMG_0011.bmp.tmp-Ab12Cd"));
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
    EXPECT_EQ(question, "The file " + m_group + "/Apple.bmp already exists. Overwrite it?");
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

// A phone's photos become bitmaps of their own names that fit within three quarters of the
// screen, turned upright, and their clips their sounds; a file that is no picture is named
// at the end and not added, as is a sound with no picture of its name.
TEST_F(ManageGroup, PhotosBecomeBitmapsThatFitTheirClipsTheirSoundsAndWhatIsNeitherIsNamed) {
    WriteBytes(m_dir / "Photo.JPG", MakePicture(2000, 1500, "jpeg", 6));
    WriteBytes(m_dir / "Broken.jpg", {'n', 'o', 't', '\n'});
    WriteBytes(m_dir / "Apple.png", MakePicture(20, 10, "png"));
    WriteBytes(m_dir / "Apple.mp3", {'n', 'o', 't', '\n'});
    // Dropped from a file manager: a folder, and a file of no kind a group keeps, whose
    // bitmap name exists; neither is asked about.
    MakeFolder(m_dir / "Holiday");
    WriteBytes(m_dir / "Apple.txt", {'n', 'o', 't', 'e'});
    WriteBytes(m_dir / "Song.wav", MakeWave({8000, 1, 8}, 10));
    const bool bClips = CanMakeClips();
    if (bClips) {
        MakeClip(m_dir / "Photo.m4a", 44100, 1, 0.5, "-c:a aac");
    }
    Open();
    const Bytes apple = ReadBytes(m_group + "/Apple.bmp");
    const std::string total = Text(IDC_TOTAL_PICTURES);
    // The clip comes before its photo, as a file manager may give them.
    Choose({m_dir / "Photo.m4a", m_dir / "Song.wav", m_dir / "Photo.JPG", m_dir / "Broken.jpg",
            m_dir / "Apple.png", m_dir / "Apple.mp3", m_dir / "Holiday", m_dir / "Apple.txt"},
           kBitmaps);
    std::string question, message, alone;
    wxTEST_DIALOG(m_dialog->OnAddPictures(), ExpectMessage(wxID_NO, &question),
                  ExpectMessage(wxID_OK, &message), ExpectMessage(wxID_OK, &alone));
    EXPECT_EQ(question, "The file " + m_group + "/Apple.bmp already exists. Overwrite it?");
    EXPECT_EQ(message,
              "These files are not pictures or sounds Plinkapad can read, and were not added:\n" +
                  m_dir / "Broken.jpg\n" + m_dir / "Holiday\n" + m_dir / "Apple.txt" +
                  (bClips ? "" : "\n" + m_dir / "Photo.m4a") + "\n" + m_dir / "Apple.mp3");
    EXPECT_EQ(alone,
              "This sound has no picture of the same name in the group, and was not added:\n" +
                  m_dir / "Song.wav");
    EXPECT_FALSE(fs::exists(m_group + "/Song.wav"));
    if (bClips) {
        EXPECT_NEAR(ReadWave(m_group + "/Photo.wav").Seconds(), 0.5, 0.06);  // the photo's sound
    }
    EXPECT_EQ(ReadBytes(m_group + "/Apple.bmp"), apple);
    EXPECT_FALSE(fs::exists(m_group + "/Broken.bmp"));
    CBmpImage photo;
    ASSERT_TRUE(photo.Load(m_group + "/Photo.bmp"));
    EXPECT_EQ(photo.Width(), GetSystemMetrics(SM_CYSCREEN) * 3 / 4 * 1500 / 2000);
    EXPECT_EQ(photo.Height(), GetSystemMetrics(SM_CYSCREEN) * 3 / 4);
    EXPECT_EQ(Text(IDC_TOTAL_PICTURES), std::to_string(std::stoi(total) + 1));
}

TEST_F(ManageGroup, DeletingAPictureTakesItsSoundAndNeverWhatALinkNames) {
    Open();
    Select(1);
    std::string question;
    wxTEST_DIALOG(m_dialog->OnDeletePicture(), ExpectMessage(wxID_NO, &question));
    EXPECT_EQ(question,
              "Are you sure you want to delete the picture file Dog.bmp and the sound that "
              "goes with it?");
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
    EXPECT_EQ(question, "Are you sure you want to delete the picture file Apple.bmp?");
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
    EXPECT_EQ(question, "Are you sure you want to delete the sound file Zebra.wav?");
    EXPECT_FALSE(fs::exists(m_group + "/Zebra.wav"));
    EXPECT_TRUE(fs::exists(m_group + "/Zebra.bmp"));
    EXPECT_TRUE(fs::exists(m_group + "/Dog.wav"));
    EXPECT_EQ(Selected(), -1);
    Select(2);
    EXPECT_EQ(Enabled(), "11100");
}

TEST_F(ManageGroup, ARecordedVoiceBecomesThePicturesOwnSoundAndNeedsAMicrophone) {
    TestFolder heard;
    {
        DiskMicrophone microphone(heard.Path(), MakeRawTone(1.0));
        Open();
        EXPECT_FALSE(m_dialog->FindWindow(IDC_RECORD_SOUND)->IsEnabled());  // no picture yet
        Select(0);  // Apple: no sound of its own
        ASSERT_TRUE(m_dialog->FindWindow(IDC_RECORD_SOUND)->IsEnabled());
        bool kept = false;
        wxTEST_DIALOG(m_dialog->OnRecordSound(), RecordAndKeep(&kept));
        EXPECT_TRUE(kept);
        const Wave voice = ReadWave(m_group + "/Apple.wav");
        EXPECT_NEAR(voice.Seconds(), 1.0, 0.02);  // trimmed of the silence around it
        EXPECT_NEAR(Frequency(voice), 1000, 20);
        Select(0);
        EXPECT_EQ(Text(IDC_CURRENT_SOUND), "Apple.wav");

        // Dog has a sound: Keep asks first, and No keeps the old one and the dialog open.
        const Bytes bark = ReadBytes(m_group + "/Dog.wav");
        Select(1);
        std::string question;
        wxTEST_DIALOG(m_dialog->OnRecordSound(), RecordAndKeep(&kept),
                      ExpectMessage(wxID_NO, &question));
        EXPECT_FALSE(kept);
        EXPECT_EQ(question, "The specified sound file will overwrite the old one. Continue?");
        EXPECT_EQ(ReadBytes(m_group + "/Dog.wav"), bark);
    }
    {
        // A muted microphone: the take can be neither played nor kept, and the dialog says why.
        DiskMicrophone muted(heard.Path(), Bytes(44100, 0));
        Open();
        Select(0);
        bool kept = true;
        std::string said;
        wxTEST_DIALOG(m_dialog->OnRecordSound(), RecordAndKeep(&kept, &said));
        EXPECT_FALSE(kept);
        EXPECT_EQ(said,
                  "Nothing was heard. Is the microphone switched on? Press Record to try again.");
    }
    DiskMicrophone none(heard.Path(), std::nullopt);
    Open();
    Select(0);
    wxWindow* record = m_dialog->FindWindow(IDC_RECORD_SOUND);
    EXPECT_FALSE(record->IsEnabled());
    EXPECT_NE(record->GetToolTipText().utf8_string().find("There is no microphone to record from"),
              std::string::npos)
        << record->GetToolTipText();
    EXPECT_TRUE(m_dialog->FindWindow(IDC_SPECIFY_SOUNDS)->IsEnabled());
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
    EXPECT_NE(message.find("(Not a regular file)"), std::string::npos) << message;
    EXPECT_EQ(message.find("disk"), std::string::npos) << message;
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

// A library copied from another system: its folder's and a picture's names are no UTF-8. The
// dialog shows them readably, acts on exactly those files, and nothing outside the group
// changes.
TEST_F(ManageGroup, NamesThatAreNoUtf8ReachTheirOwnFilesAndNothingElse) {
    const std::string folder = "Gr\xfcn", group = m_dir / folder;
    MakeFolder(group);
    WriteBytes(group + "/B\xe4r.bmp", MakeBmp24(4, 4, 0x112233));
    WriteBytes(group + "/B\xe4r.wav", MakeWave({8000, 1, 8}, 20));
    WriteBytes(group + "/Ok.bmp", MakeBmp24(4, 4, 0));
    WriteGroupFile(GroupFilePath(group, folder), "Gr\xfcn", "", 1);
    WriteBytes(m_dir / "Grwav", {1});  // where a path made from the shown text once led
    const auto before = Tree(m_dir.Path(), folder);
    Open(folder, "Gr\xfcn", "");
    EXPECT_EQ(Text(IDC_GROUP_PATH), m_dir / "Gr\xc3\xbcn");
    EXPECT_EQ(Text(IDC_GROUP_NAME), "Gr\xc3\xbcn");
    EXPECT_EQ(Rows()[0], "B\xc3\xa4r.bmp 102 No");
    Select(0);
    EXPECT_EQ(Text(IDC_CURRENT_SOUND), "B\xc3\xa4r.wav");
    std::string question;
    wxTEST_DIALOG(m_dialog->OnDeletePicture(), ExpectMessage(wxID_YES, &question));
    EXPECT_NE(question.find("file B\xc3\xa4r.bmp and"), std::string::npos) << question;
    EXPECT_FALSE(fs::exists(group + "/B\xe4r.bmp"));
    EXPECT_FALSE(fs::exists(group + "/B\xe4r.wav"));
    EXPECT_EQ(Rows(), std::vector<std::string>{"Ok.bmp 102 No"});

    Select(0);
    m_dialog->OnCutToDisplay();
    ASSERT_TRUE(m_dialog->SaveGroup());
    EXPECT_EQ(GroupFileFields(GroupFilePath(group, folder)), "Gr\xfcn||1");
    EXPECT_EQ(ReadCutList(group), std::vector<std::string>{"Ok.bmp"});
    EXPECT_FALSE(fs::exists("/" + folder + ".ini"));
    EXPECT_EQ(Tree(m_dir.Path(), folder), before);
}

// A name and a description a Windows copy stored in its code page show readably, and are
// written back byte for byte unless the parent changes them.
TEST_F(ManageGroup, NamesAWindowsCopyStoredAreShownAndKeptByteForByte) {
    const std::string file = GroupFilePath(m_group, kFolder);
    WriteGroupFile(file, "Caf\xe9", "D\xe9j\xe0 vu", 1);
    const Bytes stored = ReadBytes(file);
    Open(kFolder, "Caf\xe9", "D\xe9j\xe0 vu");
    EXPECT_EQ(Text(IDC_GROUP_NAME), "Caf\xc3\xa9");
    EXPECT_EQ(Text(IDC_GROUP_DESCRIPTION), "D\xc3\xa9j\xc3\xa0 vu");
    ASSERT_TRUE(m_dialog->SaveGroup());
    EXPECT_EQ(ReadBytes(file), stored);

    dynamic_cast<wxTextCtrl*>(m_dialog->FindWindow(IDC_GROUP_NAME))
        ->ChangeValue(wxString::FromUTF8("Caf\xc3\xa9 au lait"));
    ASSERT_TRUE(m_dialog->SaveGroup());
    EXPECT_EQ(GroupFileFields(file), "Caf\xe9 au lait|D\xe9j\xe0 vu|1");  // in Windows-1252
}

// A picture that is a link is replaced, as a link; a group folder that a link leads out of
// the library is left alone, and the parent hears why.
TEST_F(ManageGroup, NothingIsWrittenThroughALink) {
    TestFolder elsewhere;
    const Bytes precious = MakeBmp24(2, 2, 0x777777), newApple = MakeBmp24(3, 3, 0x123456);
    WriteBytes(elsewhere / "precious.bmp", precious);
    fs::remove(m_group + "/Apple.bmp");
    fs::create_symlink(elsewhere / "precious.bmp", m_group + "/Apple.bmp");
    WriteBytes(m_dir / "Apple.bmp", newApple);
    Open();
    Choose({m_dir / "Apple.bmp"}, kBitmaps);
    std::string message;
    wxTEST_DIALOG(m_dialog->OnAddPictures(), ExpectMessage(wxID_YES, &message));
    EXPECT_FALSE(fs::is_symlink(m_group + "/Apple.bmp"));
    EXPECT_EQ(ReadBytes(m_group + "/Apple.bmp"), newApple);
    EXPECT_EQ(ReadBytes(elsewhere / "precious.bmp"), precious);

    WriteGroupFile(elsewhere / "Linked.ini", "Linked", "", 1);
    const Bytes linkedFile = ReadBytes(elsewhere / "Linked.ini");
    fs::create_symlink(elsewhere.Path(), m_dir / "Linked");
    Open("Linked", "Linked", "");
    wxTEST_DIALOG(m_dialog->OnAddPictures(), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message,
              m_dir / "Apple.bmp could not be copied to " +
                  m_dir / "Linked/Apple.bmp (Outside Plinkapad's folder, where a link leads).");
    EXPECT_FALSE(fs::exists(elsewhere / "Apple.bmp"));
    bool bSaved = true;
    wxTEST_DIALOG(bSaved = m_dialog->SaveGroup(), ExpectMessage(wxID_OK, &message));
    EXPECT_FALSE(bSaved);
    EXPECT_EQ(ReadBytes(elsewhere / "Linked.ini"), linkedFile);
}

// Each copy or delete that fails shows one message with the file and the system's reason;
// the list shows what is on disk.
TEST_F(ManageGroup, AFullDiskAndAReadOnlyFolderAreToldWithTheirReasons) {
    const std::string folder = "Full", group = m_dir / folder;
    MakeFolder(group);
    WriteBytes(m_dir / "Cat.bmp", MakeBmp24(40, 30, 0));
    WriteBytes(m_dir / "moo.wav", MakeWave({8000, 1, 8}, 4000));
    {
        FullDisk disk(group);
        WriteGroupFile(GroupFilePath(group, folder), "Full", "", 1);
        WriteBytes(group + "/Dog.bmp", MakeBmp24(10, 10, 0x0000FF));
        disk.Fill();
        Open(folder, "Full", "");
        // A bitmap copied and a photo converted: neither leaves a partial file behind.
        WriteBytes(m_dir / "Photo.jpg", MakePicture(400, 300, "jpeg"));
        Choose({m_dir / "Cat.bmp", m_dir / "Photo.jpg"}, kBitmaps);
        std::string message, converting;
        long style = 0;
        wxTEST_DIALOG(m_dialog->OnAddPictures(), ExpectMessage(wxID_OK, &message, &style),
                      ExpectMessage(wxID_OK, &converting));
        EXPECT_EQ(message, m_dir / "Cat.bmp could not be copied to " + group + "/Cat.bmp (" +
                               disk.Reason() + ").");
        EXPECT_EQ(converting, m_dir / "Photo.jpg could not be copied to " + group + "/Photo.bmp (" +
                                  disk.Reason() + ").");
        EXPECT_TRUE(style & wxICON_ERROR);
        EXPECT_EQ(Rows(), std::vector<std::string>{"Dog.bmp 374 No"});
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(group)) {
            left.push_back(entry.path().filename());
        }
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, (std::vector<std::string>{".filler", "Dog.bmp",
                                                  "Full.ini"}));  // .filler fills the disk
        Select(0);
        Choose({m_dir / "moo.wav"}, kWaves);
        wxTEST_DIALOG(m_dialog->OnSpecifySounds(), ExpectMessage(wxID_OK, &message));
        EXPECT_EQ(message, m_dir / "moo.wav could not be copied to " + group + "/Dog.wav (" +
                               disk.Reason() + ").");
        EXPECT_FALSE(fs::exists(group + "/Dog.wav"));
    }

    Open();
    fs::permissions(m_group, fs::perms::owner_all, fs::perm_options::remove);
    fs::permissions(m_group, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::add);
    Select(1);  // Dog, with its sound
    std::string question, message;
    {
        ObeyFilePermissions obey;
        wxTEST_DIALOG(m_dialog->OnDeletePicture(), ExpectMessage(wxID_YES, &question),
                      ExpectMessage(wxID_OK, &message));
    }
    fs::permissions(m_group, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(message, m_group + "/Dog.bmp could not be deleted (Permission denied).");
    EXPECT_TRUE(fs::exists(m_group + "/Dog.wav"));
    EXPECT_EQ(Rows().size(), 3u);
}

// With no picture left, nothing is selected and the cut button reads as it did at the start;
// the list's headers are never cut off.
TEST_F(ManageGroup, AnEmptiedListResetsTheCutButtonAndHeadersFit) {
    fs::remove(m_group + "/Apple.bmp");
    fs::remove(m_group + "/Zebra.bmp");
    Open();
    EXPECT_EQ(CutLabel(), "Cu&t to Display");
    wxListCtrl* list = m_dialog->m_listPictures;
    for (int column = 0; column < list->GetColumnCount(); ++column) {
        wxListItem header;
        header.SetMask(wxLIST_MASK_TEXT);
        list->GetColumn(column, header);
        EXPECT_GT(list->GetColumnWidth(column), list->GetTextExtent(header.GetText()).x)
            << header.GetText();
    }
    Select(0);  // Dog, cut
    EXPECT_EQ(CutLabel(), "Cancel Cu&tting");
    std::string question;
    wxTEST_DIALOG(m_dialog->OnDeletePicture(), ExpectMessage(wxID_YES, &question));
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(CutLabel(), "Cu&t to Display");
}
