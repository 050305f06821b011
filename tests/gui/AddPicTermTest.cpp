#include <wx/textctrl.h>

#include <filesystem>
#include <regex>

#include "GuiTesting.h"
#include "TestFolder.h"
#include "common/Settings.h"
#include "library/AddPicTerm.h"
#include "res/Resource.h"

namespace {

// The new group's folder lies beside the test program; each test removes what it made.
class AddGroup : public ::testing::Test {
protected:
    void SetUp() override {
        theSettings.Load();
        m_dialog = std::make_unique<CAddPicTerm>(nullptr);
        m_dialog->Show();
        WaitFor([] { return false; }, 0.05);
    }
    void TearDown() override {
        std::filesystem::remove_all(m_dialog->m_strGroupPath);
        m_dialog.reset();
    }

    wxTextCtrl* Edit(int id) { return dynamic_cast<wxTextCtrl*>(m_dialog->FindWindow(id)); }
    // OK as the parent presses it; the text of the message it shows, if any.
    bool PressOK(std::string* message = nullptr, long* style = nullptr) {
        bool bCreated = false;
        if (message == nullptr) {
            bCreated = m_dialog->CreateGroup();
        } else {
            wxTEST_DIALOG(bCreated = m_dialog->CreateGroup(),
                          ExpectMessage(wxID_OK, message, style));
        }
        return bCreated;
    }

    std::unique_ptr<CAddPicTerm> m_dialog;
};

}  // namespace

TEST_F(AddGroup, ShowsANewUpperCaseFolderReadOnlyAndLimitsTheDescription) {
    const std::string folder = m_dialog->m_strFolderName;
    EXPECT_TRUE(std::regex_match(folder, std::regex("[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}")))
        << folder;
    EXPECT_EQ(m_dialog->m_strGroupPath, theSettings.m_strAppDir + "/" + folder);
    EXPECT_EQ(Edit(IDC_GROUP_PATH)->GetValue().utf8_string(), m_dialog->m_strGroupPath);
    EXPECT_FALSE(Edit(IDC_GROUP_PATH)->IsEditable());
    EXPECT_FALSE(std::filesystem::exists(m_dialog->m_strGroupPath));  // nothing before OK

    // The description takes no more than 200 characters; the name takes more, and OK refuses.
    Edit(IDC_GROUP_DESCRIPTION)->WriteText(std::string(200, 'd'));
    Edit(IDC_GROUP_DESCRIPTION)->WriteText("e");
    EXPECT_EQ(Edit(IDC_GROUP_DESCRIPTION)->GetValue(), std::string(200, 'd'));
    Edit(IDC_GROUP_NAME)->WriteText(std::string(201, 'n'));
    EXPECT_EQ(Edit(IDC_GROUP_NAME)->GetValue().length(), 201u);
    std::string message;
    EXPECT_FALSE(PressOK(&message));
    EXPECT_EQ(message, "Please enter no more than 200 characters.");
    EXPECT_FALSE(std::filesystem::exists(m_dialog->m_strGroupPath));
}

TEST_F(AddGroup, AnEmptyNameIsRefusedThenTheGroupIsMadeInTheFolderShown) {
    std::string message;
    long style = 0;
    EXPECT_FALSE(PressOK(&message, &style));
    EXPECT_EQ(message,
              "You must enter the picture group's name in \"Group Name\".\nPress OK, then go on "
              "typing it.");
    EXPECT_TRUE(style & wxICON_EXCLAMATION);
    EXPECT_FALSE(std::filesystem::exists(m_dialog->m_strGroupPath));

    Edit(IDC_GROUP_NAME)->ChangeValue(" ");  // blanks are a name
    ASSERT_TRUE(PressOK());
    const std::string folder = m_dialog->m_strFolderName;
    const std::string path = m_dialog->m_strGroupPath;
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(path)) {
        files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{folder + ".ini", "cutshow.ini"}));
    EXPECT_EQ(ReadBytes(path + "/cutshow.ini"), (Bytes{0, 0, 0, 0}));
    // Name " ", an empty description, display flag 1.
    EXPECT_EQ(ReadBytes(path + "/" + folder + ".ini"), (Bytes{1, ' ', 0, 1, 0, 0, 0}));
}

// Windows would end the dialog as if the group had been made; the parent hears why instead
// and the dialog stays, with nothing written.
TEST_F(AddGroup, AFolderThatCannotBeCreatedIsReportedAndNothingIsWritten) {
    Edit(IDC_GROUP_NAME)->ChangeValue("Farm");
    WriteBytes(m_dialog->m_strGroupPath, {'x'});  // something else already has the name
    std::string message;
    long style = 0;
    EXPECT_FALSE(PressOK(&message, &style));
    EXPECT_NE(message.find(m_dialog->m_strGroupPath), std::string::npos) << message;
    EXPECT_NE(message.find("File exists"), std::string::npos) << message;
    EXPECT_TRUE(style & wxICON_ERROR);
    EXPECT_EQ(ReadBytes(m_dialog->m_strGroupPath), (Bytes{'x'}));
}
