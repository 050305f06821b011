#include <wx/checkbox.h>
#include <wx/checklst.h>
#include <wx/dcmemory.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <filesystem>

#include "FullDisk.h"
#include "GuiTesting.h"
#include "TestFolder.h"
#include "common/Settings.h"
#include "library/ManagePicTerm.h"
#include "library/PictureGroupStorage.h"
#include "platform/OwnerDrawButton.h"
#include "platform/ShellServices.h"
#include "platform/SpinButtonCtrl.h"
#include "res/Resource.h"
#include "setup/SetupDialog.h"

namespace {

// The settings file lies beside the test program; each test starts from a known one.
class Setup : public ::testing::Test {
protected:
    void SetUp() override {
        theSettings.Load();
        m_path = theSettings.m_strIniPath;
        // 0, 1, 20 ms, 15 min, 1, green, 1, 0, 7 s
        m_file = {0, 0, 0, 0,    1, 0, 0, 0, 20, 0, 0, 0, 15, 0, 0, 0, 1, 0,
                  0, 0, 0, 0xFF, 0, 0, 1, 0, 0,  0, 0, 0, 0,  0, 7, 0, 0, 0};
        WriteBytes(m_path, m_file);
    }
    void TearDown() override {
        SetColorDialogForTesting({});
        std::filesystem::remove(m_path);
    }

    // A dialog shown as the parent would see it, without its own modal loop.
    std::unique_ptr<CSetupDialog> Open() {
        auto dialog = std::make_unique<CSetupDialog>(nullptr);
        dialog->Show();
        WaitFor([] { return false; }, 0.05);
        return dialog;
    }
    static wxTextCtrl* Edit(CSetupDialog& d, int id) {
        return dynamic_cast<wxTextCtrl*>(d.FindWindow(id));
    }
    static wxCheckBox* Check(CSetupDialog& d, int id) {
        return dynamic_cast<wxCheckBox*>(d.FindWindow(id));
    }
    // Clicks a check box as the parent would: its mark changes and the dialog hears of it.
    static void Click(CSetupDialog& d, int id) {
        wxCheckBox* box = Check(d, id);
        box->SetValue(!box->GetValue());
        wxCommandEvent event(wxEVT_CHECKBOX, id);
        event.SetEventObject(box);
        box->GetEventHandler()->ProcessEvent(event);
    }
    // SaveSetup with a bad field: the message it shows.
    static std::string SaveFails(CSetupDialog& d) {
        std::string message;
        long style = 0;
        bool saved = true;
        wxTEST_DIALOG(saved = d.SaveSetup(), ExpectMessage(wxID_OK, &message, &style));
        EXPECT_FALSE(saved);
        EXPECT_TRUE(style & wxICON_EXCLAMATION);
        return message;
    }

    std::string m_path;
    Bytes m_file;
};

}  // namespace

TEST_F(Setup, OpensWithTheFilesValuesOrTheDefaults) {
    auto d = Open();
    EXPECT_EQ(Edit(*d, IDC_TIME_LIMIT_EDIT)->GetValue(), "15");
    EXPECT_EQ(Edit(*d, IDC_KEY_DELAY_EDIT)->GetValue(), "20");
    EXPECT_EQ(Edit(*d, IDC_AUTO_DISPLAY_EDIT)->GetValue(), "7");
    EXPECT_FALSE(Check(*d, IDC_AUTO_DISPLAY)->GetValue());
    EXPECT_FALSE(Edit(*d, IDC_AUTO_DISPLAY_EDIT)->IsEnabled());
    EXPECT_EQ(d->m_crBackground, RGB(0, 255, 0));
    EXPECT_EQ(d->m_listGroups->GetCount(), 0u);
    EXPECT_FALSE(d->FindWindow(IDC_MANAGE_GROUP)->IsEnabled());
    EXPECT_FALSE(d->FindWindow(IDC_DELETE_GROUP)->IsEnabled());
    EXPECT_TRUE(d->FindWindow(IDC_ADD_GROUP)->IsEnabled());
    d.reset();

    std::filesystem::remove(m_path);
    d = Open();
    EXPECT_EQ(Edit(*d, IDC_TIME_LIMIT_EDIT)->GetValue(), "10");
    EXPECT_EQ(Edit(*d, IDC_KEY_DELAY_EDIT)->GetValue(), "300");
    EXPECT_EQ(Edit(*d, IDC_AUTO_DISPLAY_EDIT)->GetValue(), "5");
    EXPECT_EQ(d->m_crBackground, RGB(0, 0, 255));
}

TEST_F(Setup, OutOfRangeNumbersShowTheirBoundsAndSaveNothing) {
    auto d = Open();
    struct Case {
        int id;
        const char* value;
        const char* message;
    };
    const Case cases[] = {
        {IDC_TIME_LIMIT_EDIT, "0", "Please enter an integer between 1 and 1200."},
        {IDC_TIME_LIMIT_EDIT, "1201", "Please enter an integer between 1 and 1200."},
        {IDC_KEY_DELAY_EDIT, "-1", "Please enter an integer between 0 and 30000."},
        {IDC_KEY_DELAY_EDIT, "30001", "Please enter an integer between 0 and 30000."},
        {IDC_AUTO_DISPLAY_EDIT, "0", "Please enter an integer between 1 and 3600."},
        {IDC_AUTO_DISPLAY_EDIT, "3601", "Please enter an integer between 1 and 3600."},
        {IDC_TIME_LIMIT_EDIT, "ten", "Please enter an integer."},
    };
    Check(*d, IDC_AUTO_DISPLAY)->SetValue(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const wxString before = Edit(*d, c.id)->GetValue();
        Edit(*d, c.id)->ChangeValue(c.value);
        EXPECT_EQ(SaveFails(*d), c.message);
        EXPECT_EQ(wxWindow::FindFocus(), Edit(*d, c.id));
        EXPECT_EQ(ReadBytes(m_path), m_file);
        Edit(*d, c.id)->ChangeValue(before);
    }
    Edit(*d, IDC_KEY_DELAY_EDIT)->ChangeValue("0");  // a valid key delay
    EXPECT_TRUE(d->SaveSetup());
}

TEST_F(Setup, OkWritesExactlyTheNewValues) {
    auto d = Open();
    Check(*d, IDC_RANDOM_COLOR)->SetValue(true);
    Edit(*d, IDC_TIME_LIMIT_EDIT)->ChangeValue("1200");
    Edit(*d, IDC_KEY_DELAY_EDIT)->ChangeValue("0");
    Check(*d, IDC_AUTO_DISPLAY)->SetValue(true);
    Edit(*d, IDC_AUTO_DISPLAY_EDIT)->ChangeValue("3600");
    SetColorDialogForTesting([](wxWindow*, COLORREF& c) {
        c = RGB(1, 2, 3);
        return true;
    });
    wxCommandEvent click(wxEVT_BUTTON, IDC_COLOR_BUTTON);
    d->FindWindow(IDC_COLOR_BUTTON)->GetEventHandler()->ProcessEvent(click);
    ASSERT_TRUE(d->SaveSetup());
    EXPECT_EQ(ReadBytes(m_path),
              (Bytes{1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0xB0, 4, 0,    0,    1, 0,
                     0, 0, 1, 2, 3, 0, 1, 0, 0, 0, 1, 0, 0,    0, 0x10, 0x0E, 0, 0}));
    EXPECT_EQ(theSettings.m_nTimeLimit, 1200);  // the next game uses them
}

TEST_F(Setup, CancelledColourChoiceAndCancelledDialogChangeNothing) {
    {
        auto d = Open();
        SetColorDialogForTesting([](wxWindow*, COLORREF& c) {
            c = RGB(9, 9, 9);
            return false;
        });
        wxCommandEvent click(wxEVT_BUTTON, IDC_COLOR_BUTTON);
        d->FindWindow(IDC_COLOR_BUTTON)->GetEventHandler()->ProcessEvent(click);
        EXPECT_EQ(d->m_crBackground, RGB(0, 255, 0));
        Click(*d, IDC_CLEAR_BACKGROUND);
        Edit(*d, IDC_TIME_LIMIT_EDIT)->ChangeValue("99");
        // Cancel: the dialog goes without saving.
    }
    EXPECT_EQ(ReadBytes(m_path), m_file);
}

TEST_F(Setup, AFailedReadLeavesTheLaterFieldsAsTheyWere) {
    auto d = Open();
    Edit(*d, IDC_TIME_LIMIT_EDIT)->ChangeValue("abc");
    std::string message;
    wxTEST_DIALOG(Click(*d, IDC_KEY_DELAY), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, "Please enter an integer.");
    // The fields were written back from the members: the old number, the old check mark.
    EXPECT_EQ(Edit(*d, IDC_TIME_LIMIT_EDIT)->GetValue(), "15");
    EXPECT_TRUE(Check(*d, IDC_KEY_DELAY)->GetValue());
    EXPECT_TRUE(Edit(*d, IDC_KEY_DELAY_EDIT)->IsEnabled());
}

TEST_F(Setup, EnableRulesFollowTheCheckBoxes) {
    auto d = Open();
    wxWindow* random = d->FindWindow(IDC_RANDOM_COLOR);
    wxWindow* colour = d->FindWindow(IDC_COLOR_BUTTON);
    Click(*d, IDC_RANDOM_COLOR);  // clear on, random on
    EXPECT_TRUE(random->IsEnabled());
    EXPECT_FALSE(colour->IsEnabled());
    EXPECT_EQ(d->m_bColorActive, 0);
    Click(*d, IDC_CLEAR_BACKGROUND);  // clear off: random greyed but still ticked
    EXPECT_FALSE(random->IsEnabled());
    EXPECT_TRUE(Check(*d, IDC_RANDOM_COLOR)->GetValue());
    EXPECT_TRUE(colour->IsEnabled());
    EXPECT_EQ(d->m_bColorActive, 1);
    for (auto [check, edit, spin] :
         {std::tuple{IDC_KEY_DELAY, IDC_KEY_DELAY_EDIT, IDC_KEY_DELAY_SPIN},
          {IDC_TIME_LIMIT, IDC_TIME_LIMIT_EDIT, IDC_TIME_LIMIT_SPIN},
          {IDC_AUTO_DISPLAY, IDC_AUTO_DISPLAY_EDIT, IDC_AUTO_DISPLAY_SPIN}}) {
        for (int i = 0; i < 2; ++i) {
            Click(*d, check);
            const bool bOn = Check(*d, check)->GetValue();
            EXPECT_EQ(d->FindWindow(edit)->IsEnabled(), bOn) << check;
            EXPECT_EQ(d->FindWindow(spin)->IsEnabled(), bOn) << check;
        }
    }
}

TEST_F(Setup, SpinControlsWrapAtBothEnds) {
    auto d = Open();
    struct Case {
        CSpinButtonCtrl* spin;
        int edit;
        const char* from;
        int step;
        const char* to;
    };
    const Case cases[] = {
        {d->m_spinTimeLimit, IDC_TIME_LIMIT_EDIT, "1200", +1, "1"},
        {d->m_spinTimeLimit, IDC_TIME_LIMIT_EDIT, "1", -1, "1200"},
        {d->m_spinKeyDelay, IDC_KEY_DELAY_EDIT, "0", -1, "30000"},
        {d->m_spinKeyDelay, IDC_KEY_DELAY_EDIT, "30000", +1, "0"},
        {d->m_spinAutoDisplay, IDC_AUTO_DISPLAY_EDIT, "3600", +1, "1"},
        {d->m_spinAutoDisplay, IDC_AUTO_DISPLAY_EDIT, "1", -1, "3600"},
        {d->m_spinKeyDelay, IDC_KEY_DELAY_EDIT, "299", +1, "300"},
    };
    for (const Case& c : cases) {
        Edit(*d, c.edit)->ChangeValue(c.from);
        c.spin->Step(c.step);
        EXPECT_EQ(Edit(*d, c.edit)->GetValue(), c.to) << c.from;
    }
}

namespace {
std::uint32_t PixelAt(const wxBitmap& bitmap, int x, int y) {
    wxImage image = bitmap.ConvertToImage();
    return RGB(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}
}  // namespace

TEST(ColorButton, ActiveSwatchAndInactiveCross) {
    const wxRect rect(0, 0, 60, 24);  // cx = 30, cy = 12
    wxBitmap bitmap(60, 24, 24);
    {
        wxMemoryDC dc(bitmap);
        CSetupDialog::DrawColorButton(dc, rect, 1, RGB(10, 200, 30));
    }
    for (auto [x, y] : {std::pair{0, 0}, {59, 23}, {30, 12}, {22, 4}, {5, 12}}) {
        EXPECT_EQ(PixelAt(bitmap, x, y), RGB(10, 200, 30)) << x << "," << y;
    }
    {
        wxMemoryDC dc(bitmap);
        CSetupDialog::DrawColorButton(dc, rect, 0, RGB(10, 200, 30));
    }
    const COLORREF grey = RGB(50, 50, 50), red = RGB(255, 0, 0);
    for (auto [x, y] : {std::pair{0, 0}, {59, 23}, {5, 12}, {30, 5}, {45, 12}}) {
        EXPECT_EQ(PixelAt(bitmap, x, y), grey) << x << "," << y;
    }
    // The two diagonals, from (cx-8, cy-8) and (cx+7, cy-8), 15 pixels each.
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(PixelAt(bitmap, 22 + i, 4 + i), red) << i;
        EXPECT_EQ(PixelAt(bitmap, 37 - i, 4 + i), red) << i;
    }
    EXPECT_EQ(PixelAt(bitmap, 37, 19), grey);  // the end points are left out
    EXPECT_EQ(PixelAt(bitmap, 22, 19), grey);
}

TEST_F(Setup, TheColourButtonIsDrawnByTheDialog) {
    auto d = Open();
    auto* button = dynamic_cast<COwnerDrawButton*>(d->FindWindow(IDC_COLOR_BUTTON));
    ASSERT_NE(button, nullptr);
    const wxSize size = button->GetClientSize();
    wxBitmap bitmap(size.x, size.y, 24);
    {
        wxMemoryDC dc(bitmap);
        button->DrawInto(dc);
    }
    EXPECT_EQ(PixelAt(bitmap, size.x / 2, size.y / 2), RGB(0, 255, 0));
    Click(*d, IDC_RANDOM_COLOR);
    {
        wxMemoryDC dc(bitmap);
        button->DrawInto(dc);
    }
    EXPECT_EQ(PixelAt(bitmap, size.x / 2, size.y / 2), RGB(255, 0, 0));
}

namespace {

// Picture groups beside the test program, removed again after each test.
class GroupList : public Setup {
protected:
    void TearDown() override {
        for (const std::string& folder : m_folders) {
            std::filesystem::remove_all(theSettings.m_strAppDir + "/" + folder);
        }
        Setup::TearDown();
    }
    std::string MakeGroup(const std::string& folder, const std::string& name,
                          const std::string& description, BOOL bDisplay) {
        const std::string path = theSettings.m_strAppDir + "/" + folder;
        MakeFolder(path);
        WriteGroupFile(path + "/" + folder + ".ini", name, description, bDisplay);
        m_folders.push_back(folder);
        return path + "/" + folder + ".ini";
    }
    static std::vector<std::string> Rows(CSetupDialog& d) {
        std::vector<std::string> rows;
        for (unsigned i = 0; i < d.m_listGroups->GetCount(); ++i) {
            rows.push_back(d.m_listGroups->GetString(i).utf8_string() +
                           (d.m_listGroups->IsChecked(i) ? " +" : " -"));
        }
        return rows;
    }
    static int RowOf(CSetupDialog& d, const std::string& text) {
        return d.m_listGroups->FindString(wxString::FromUTF8(text));
    }
    static void Select(CSetupDialog& d, int row) {
        d.m_listGroups->SetSelection(row);
        d.OnGroupSelChange();
    }

    std::vector<std::string> m_folders;
};

const char kFolderA[] = "0A000000-0000-4000-8000-000000000001";
const char kFolderB[] = "0B000000-0000-4000-8000-000000000002";

}  // namespace

// Every group is listed, sorted by its row text, and found again from its row whatever its
// folder is called or whether it has a name at all.
TEST_F(GroupList, RowsAreSortedAndEveryRowFindsItsGroup) {
    MakeGroup(kFolderB, "Farm", "the second farm", 1);
    MakeGroup(kFolderA, "Farm", "the first farm", 0);
    MakeGroup("Animals", "Animals", "copied in by hand", 1);
    MakeGroup("ZOO", "", "no name", 1);
    MakeGroup("DefVoice", "Sounds", "never a group", 1);
    auto d = Open();
    EXPECT_EQ(Rows(*d), (std::vector<std::string>{"  [ZOO] +", "Animals  [ANIMALS] +",
                                                  std::string("Farm  [") + kFolderA + "] -",
                                                  std::string("Farm  [") + kFolderB + "] +"}));
    EXPECT_FALSE(d->FindWindow(IDC_MANAGE_GROUP)->IsEnabled());
    for (const auto& [row, description] :
         std::vector<std::pair<int, std::string>>{{0, "no name"},
                                                  {1, "copied in by hand"},
                                                  {2, "the first farm"},
                                                  {3, "the second farm"}}) {
        Select(*d, row);
        EXPECT_EQ(d->m_strStatus, description);
        EXPECT_EQ(dynamic_cast<wxStaticText*>(d->FindWindow(IDC_STATUS))->GetLabel().utf8_string(),
                  description);
        EXPECT_TRUE(d->FindWindow(IDC_MANAGE_GROUP)->IsEnabled());
        EXPECT_TRUE(d->FindWindow(IDC_DELETE_GROUP)->IsEnabled());
    }
}

TEST_F(GroupList, OnlyChangedMarksAreWrittenAndCancelWritesNone) {
    const std::string animals = MakeGroup("Animals", "Animals", "copied in by hand", 1);
    const std::string farm = MakeGroup(kFolderA, "Farm", "cows", 1);
    const Bytes farmBefore = ReadBytes(farm);
    const auto farmTime = std::filesystem::last_write_time(farm);

    auto d = Open();
    d->m_listGroups->Check(RowOf(*d, "Animals  [ANIMALS]"), false);
    d.reset();  // Cancel
    EXPECT_EQ(ReadBytes(animals),
              (Bytes{7,   'A', 'n', 'i', 'm', 'a', 'l', 's', 17,  'c', 'o', 'p', 'i', 'e', 'd',
                     ' ', 'i', 'n', ' ', 'b', 'y', ' ', 'h', 'a', 'n', 'd', 1,   0,   0,   0}));

    d = Open();
    d->m_listGroups->Check(RowOf(*d, "Animals  [ANIMALS]"), false);
    ASSERT_TRUE(d->SaveSetup());
    const Bytes after = ReadBytes(animals);
    EXPECT_EQ(after[after.size() - 4], 0);  // the flag is now 0, the texts as read
    EXPECT_EQ(after.size(), 30u);
    EXPECT_EQ(ReadBytes(farm), farmBefore);
    EXPECT_EQ(std::filesystem::last_write_time(farm), farmTime);
}

// Deleting a group removes its own files; a link in it goes as a link, and what it points
// to elsewhere stays.
TEST_F(GroupList, DeletingAGroupRemovesOnlyItsOwnFilesThenSaysTheListIsEmpty) {
    TestFolder elsewhere;
    WriteBytes(elsewhere / "precious.bmp", {1, 2, 3});
    const std::string file = MakeGroup(kFolderA, "Farm", "cows", 1);
    const std::string folder = theSettings.m_strAppDir + "/" + kFolderA;
    WriteBytes(folder + "/cow.bmp", {4});
    std::filesystem::create_symlink(elsewhere / "precious.bmp", folder + "/link.bmp");

    auto d = Open();
    Select(*d, 0);
    std::string question;
    long style = 0;
    wxTEST_DIALOG(d->OnDeleteGroup(), ExpectMessage(wxID_NO, &question, &style));
    EXPECT_EQ(question,
              "Are you sure you want to delete the picture group Farm? The path of Farm is\n" +
                  theSettings.m_strAppDir + "/" + kFolderA + ".");
    EXPECT_TRUE(style & wxNO_DEFAULT);
    EXPECT_TRUE(std::filesystem::exists(file));

    wxTEST_DIALOG(d->OnDeleteGroup(), ExpectMessage(wxID_YES, &question));
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_EQ(ReadBytes(elsewhere / "precious.bmp"), (Bytes{1, 2, 3}));
    EXPECT_EQ(d->m_listGroups->GetCount(), 0u);
    EXPECT_EQ(d->m_strStatus, "There is no picture group yet.");
    EXPECT_FALSE(d->FindWindow(IDC_MANAGE_GROUP)->IsEnabled());
    EXPECT_FALSE(d->FindWindow(IDC_DELETE_GROUP)->IsEnabled());
}

namespace {

// Takes the Manage Picture Group dialog Setup opens, keeps what it was given, renames the
// group and ends with OK.
class RenameGroup : public wxExpectModalBase<CManagePicTerm, RenameGroup> {
public:
    RenameGroup(std::string newName, CManagePicTerm* given)
        : m_name(std::move(newName)), m_given(given) {}

protected:
    int OnInvoked(CManagePicTerm* dialog) const override {
        m_given->m_strGroupName = dialog->m_strGroupName;
        m_given->m_strDescription = dialog->m_strDescription;
        m_given->m_strGroupPath = dialog->m_strGroupPath;
        m_given->m_strFolderName = dialog->m_strFolderName;
        m_given->m_bDisplayGroup = dialog->m_bDisplayGroup;
        dialog->InitDialog();
        dynamic_cast<wxTextCtrl*>(dialog->FindWindow(IDC_GROUP_NAME))
            ->ChangeValue(wxString::FromUTF8(m_name));
        return dialog->SaveGroup() ? wxID_OK : wxID_CANCEL;
    }

private:
    std::string m_name;
    CManagePicTerm* m_given;
};

// Takes the Manage Picture Group dialog and cancels it.
class CancelManage : public wxExpectModalBase<CManagePicTerm, CancelManage> {
protected:
    int OnInvoked(CManagePicTerm*) const override { return wxID_CANCEL; }
};

}  // namespace

// Manage saves the marks first, hands the group to the dialog, and after OK lists the
// groups again with the selection on the same row.
TEST_F(GroupList, ManageOpensTheGroupAndARenameShowsInTheList) {
    MakeGroup(kFolderA, "Farm", "cows", 1);
    MakeGroup(kFolderB, "Zoo", "lions", 1);
    auto d = Open();
    Select(*d, 0);
    d->m_listGroups->Check(0, false);
    CManagePicTerm given;
    wxTEST_DIALOG(d->OnManageGroup(), RenameGroup("Zulus", &given));
    EXPECT_EQ(given.m_strGroupName, "Farm");
    EXPECT_EQ(given.m_strDescription, "cows");
    EXPECT_EQ(given.m_strGroupPath, theSettings.m_strAppDir + "/" + kFolderA);
    EXPECT_EQ(given.m_strFolderName, kFolderA);
    EXPECT_EQ(given.m_bDisplayGroup, 0);
    EXPECT_EQ(Rows(*d), (std::vector<std::string>{std::string("Zoo  [") + kFolderB + "] +",
                                                  std::string("Zulus  [") + kFolderA + "] -"}));
    // The selection follows the row index, which now shows the other group.
    EXPECT_EQ(d->m_listGroups->GetSelection(), 0);
    EXPECT_EQ(d->m_strStatus, "lions");
}

// Folders "abc" and "ABC" are two groups; the rows show both upper-cased, and each row's
// operations reach its own folder.
TEST_F(GroupList, FoldersThatDifferOnlyInCaseAreTwoGroups) {
    MakeGroup("abc", "Lower", "small letters", 1);
    const std::string upperFile = MakeGroup("ABC", "Upper", "capitals", 1);
    const Bytes upper = ReadBytes(upperFile);
    auto d = Open();
    EXPECT_EQ(Rows(*d), (std::vector<std::string>{"Lower  [ABC] +", "Upper  [ABC] +"}));
    Select(*d, 0);
    EXPECT_EQ(d->m_strStatus, "small letters");
    CManagePicTerm given;
    wxTEST_DIALOG(d->OnManageGroup(), RenameGroup("Lower", &given));
    EXPECT_EQ(given.m_strGroupPath, theSettings.m_strAppDir + "/abc");
    EXPECT_EQ(given.m_strFolderName, "abc");

    Select(*d, 0);
    std::string question;
    wxTEST_DIALOG(d->OnDeleteGroup(), ExpectMessage(wxID_YES, &question));
    EXPECT_NE(question.find(theSettings.m_strAppDir + "/abc."), std::string::npos) << question;
    EXPECT_FALSE(std::filesystem::exists(theSettings.m_strAppDir + "/abc"));
    EXPECT_EQ(ReadBytes(upperFile), upper);
    EXPECT_EQ(Rows(*d), std::vector<std::string>{"Upper  [ABC] +"});
}

// Names a Windows copy stored in its code page show readably, and a changed mark writes
// them back as they were.
TEST_F(GroupList, NamesAWindowsCopyStoredShowInTheRowsAndStayAsTheyWere) {
    const std::string file = MakeGroup(kFolderA, "Caf\xe9", "D\xe9j\xe0 vu", 1);
    auto d = Open();
    EXPECT_EQ(Rows(*d), std::vector<std::string>{std::string("Caf\xc3\xa9  [") + kFolderA + "] +"});
    Select(*d, 0);
    EXPECT_EQ(dynamic_cast<wxStaticText*>(d->FindWindow(IDC_STATUS))->GetLabel().utf8_string(),
              "D\xc3\xa9j\xc3\xa0 vu");
    d->m_listGroups->Check(0, false);
    ASSERT_TRUE(d->SaveSetup());
    EXPECT_EQ(GroupFileFields(file), "Caf\xe9|D\xe9j\xe0 vu|0");
}

// A name and description stored in the wide form stay in it through the marks' save and an
// OK of Manage Picture Group that changed nothing.
TEST_F(GroupList, WideNamesStayWideWhenNothingChanged) {
    const std::string file = MakeGroup(kFolderA, "", "", 1);
    const Bytes wide{0xFF, 0xFE, 0xFF, 4, 'N', 0, 'o', 0, 0xEB, 0, 'l', 0};
    const auto withFlag = [&wide](std::uint8_t flag) {
        Bytes bytes = wide;
        bytes.insert(bytes.end(), wide.begin(), wide.end());
        bytes.insert(bytes.end(), {flag, 0, 0, 0});
        return bytes;
    };
    WriteBytes(file, withFlag(1));
    auto d = Open();
    Select(*d, 0);
    d->m_listGroups->Check(0, false);
    CManagePicTerm given;
    wxTEST_DIALOG(d->OnManageGroup(), RenameGroup("No\u00ebl", &given));
    EXPECT_EQ(ReadBytes(file), withFlag(0));
    d->m_listGroups->Check(0, true);
    ASSERT_TRUE(d->SaveSetup());
    EXPECT_EQ(ReadBytes(file), withFlag(1));
}

// A group whose folder is a link goes as a link; what it leads to stays.
TEST_F(GroupList, ALinkedGroupFolderGoesAsALink) {
    TestFolder elsewhere;
    WriteGroupFile(elsewhere / "Linked.ini", "Linked", "from elsewhere", 1);
    WriteBytes(elsewhere / "precious.bmp", {1, 2, 3});
    std::filesystem::create_symlink(elsewhere.Path(), theSettings.m_strAppDir + "/Linked");
    m_folders.push_back("Linked");
    auto d = Open();
    Select(*d, 0);
    std::string question;
    wxTEST_DIALOG(d->OnDeleteGroup(), ExpectMessage(wxID_YES, &question));
    EXPECT_FALSE(std::filesystem::exists(
        std::filesystem::symlink_status(theSettings.m_strAppDir + "/Linked")));
    EXPECT_EQ(ReadBytes(elsewhere / "precious.bmp"), (Bytes{1, 2, 3}));
    EXPECT_TRUE(std::filesystem::exists(elsewhere / "Linked.ini"));
}

// Every save of the marks remembers what it wrote: a mark switched off, saved by Manage, and
// switched on again is saved again by OK.
TEST_F(GroupList, AMarkSwitchedBackOnIsSavedAgain) {
    const std::string farm = MakeGroup(kFolderA, "Farm", "cows", 1);
    MakeGroup(kFolderB, "Zoo", "lions", 1);
    auto d = Open();
    d->m_listGroups->Check(0, false);
    Select(*d, 1);
    wxTEST_DIALOG(d->OnManageGroup(), CancelManage());
    EXPECT_EQ(GroupFileFields(farm), "Farm|cows|0");
    d->m_listGroups->Check(0, true);
    ASSERT_TRUE(d->SaveSetup());
    EXPECT_EQ(GroupFileFields(farm), "Farm|cows|1");
}

// Enter on a clicked row opens the group, as a double-click does, and nothing more: the
// dialog's OK is not pressed by the same key.
TEST_F(GroupList, EnterOnARowOpensTheGroupAndNothingMore) {
    MakeGroup(kFolderA, "Farm", "cows", 1);
    auto d = Open();
    int nOkPressed = 0;
    d->Bind(
        wxEVT_BUTTON, [&nOkPressed](wxCommandEvent&) { ++nOkPressed; }, wxID_OK);
    bool bShiftSeen = false;
    d->m_listGroups->Bind(wxEVT_KEY_UP, [&bShiftSeen](wxKeyEvent& event) {
        bShiftSeen = bShiftSeen || event.GetKeyCode() == WXK_SHIFT;
        event.Skip();
    });
    wxUIActionSimulator sim;
    const wxRect row = d->m_listGroups->GetScreenRect();
    sim.MouseMove(row.GetLeft() + row.GetWidth() / 2, row.GetTop() + 8);
    sim.MouseClick();
    ASSERT_TRUE(WaitFor(
        [&] { return d->m_listGroups->HasFocus() && d->m_listGroups->GetSelection() == 0; }));
    wxTEST_DIALOG(
        {
            sim.Char(WXK_RETURN);
            // A key after it: once it has come, so has everything Enter set off.
            sim.Char(WXK_SHIFT);
            ASSERT_TRUE(WaitFor([&] { return bShiftSeen; }));
        },
        CancelManage());
    EXPECT_FALSE(IsButtonBeingPressed(d->FindWindow(wxID_OK)));
    WaitFor([&] { return !IsButtonBeingPressed(d->FindWindow(wxID_OK)); });
    EXPECT_EQ(nOkPressed, 0);
}

TEST_F(GroupList, AMarkThatCannotBeSavedIsTold) {
    const std::string folder = theSettings.m_strAppDir + "/" + kFolderA;
    MakeFolder(folder);
    FullDisk disk(folder);
    const std::string file = MakeGroup(kFolderA, "Farm", "cows", 1);
    disk.Fill();
    auto d = Open();
    d->m_listGroups->Check(0, false);
    std::string message;
    long style = 0;
    wxTEST_DIALOG(d->SaveSetup(), ExpectMessage(wxID_OK, &message, &style));
    EXPECT_EQ(message, "The display mark of the picture group Farm could not be saved: " + file +
                           " could not be written (" + disk.Reason() + ").");
    EXPECT_TRUE(style & wxICON_ERROR);
    EXPECT_EQ(GroupFileFields(file), "Farm|cows|1");
}
