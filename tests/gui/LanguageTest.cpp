// Every dialog in another language: each label comes from the catalogs, and each has room
// for all of its text, in the longest languages too.
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/listctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/translation.h>

#include <functional>
#include <memory>
#include <set>

#include "GuiTesting.h"
#include "TestFolder.h"
#include "app/AboutDialog.h"
#include "app/MainDialog.h"
#include "common/Settings.h"
#include "library/AddPicTerm.h"
#include "library/ManagePicTerm.h"
#include "library/PictureGroupStorage.h"
#include "play/QuitCode.h"
#include "res/Language.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "setup/SetupDialog.h"
#include "sounds/ManageVoiceDialog.h"
#include "sounds/RecordSoundDialog.h"

namespace {

// The texts of the test's own catalog "xx" are the English ones between these marks.
const wxString kOpen = wxString::FromUTF8("\xE2\x9F\xA6"),
               kClose = wxString::FromUTF8("\xE2\x9F\xA7");

// The program's texts in `language`, from the built catalogs and the test's own, until
// wxTranslations::Set(nullptr).
void UseCatalog(const std::string& language) {
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(PSEUDO_LOCALE_DIR);
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(std::string(APP_DIR) + "/locale");
    auto translations = std::make_unique<wxTranslations>();
    translations->SetLanguage(language);
    ASSERT_TRUE(translations->AddCatalog(CATALOG_NAME)) << language;
    wxTranslations::Set(translations.release());
}

// The program's texts in `language` until the end of the test.
class Language : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        UseCatalog(GetParam());
        theSettings.Load();
        theSettings.m_strAppDir = m_dir.Path();
        MakeFolder(m_dir / "DefVoice");
    }
    void TearDown() override {
        wxTranslations::Set(nullptr);
        theSettings.Load();
    }

    TestFolder m_dir;
};

// Names, addresses and numbers, which no language changes.
const std::set<wxString> kData = {"Plinkapad V2.0", "Ada Lindqvist", "Tomas Brenner",
                                  "Noor Haddad"};

// Checks every label under `top`, and `top` itself on the screen.
void ExpectWholeLabels(wxWindow* top, bool bMarked) {
    const wxRect screen = wxDisplay(top).GetClientArea();
    EXPECT_LE(top->GetSize().x, screen.width) << top->GetLabel();
    EXPECT_LE(top->GetSize().y, screen.height) << top->GetLabel();
    if (bMarked) {
        EXPECT_TRUE(top->GetLabel().StartsWith(kOpen)) << top->GetLabel();
    }
    std::function<void(wxWindow*)> visit = [&](wxWindow* window) {
        for (wxWindow* child : window->GetChildren()) {
            const bool bLabel =
                dynamic_cast<wxStaticText*>(child) || dynamic_cast<wxButton*>(child) ||
                dynamic_cast<wxCheckBox*>(child) || dynamic_cast<wxStaticBox*>(child);
            const wxString label = child->GetLabel();
            if (bLabel && !label.empty() && kData.count(label) == 0 && !label.Contains("@") &&
                !label.StartsWith("http")) {
                if (bMarked) {
                    EXPECT_TRUE(label.StartsWith(kOpen) && label.EndsWith(kClose))
                        << "not from the catalogs: " << label << " in " << top->GetLabel();
                }
                // Room for the whole text: a static box's title, and every other label.
                if (!dynamic_cast<wxStaticBox*>(child)) {
                    const wxSize best = child->GetBestSize();
                    EXPECT_GE(child->GetSize().x, best.x) << label << " in " << top->GetLabel();
                    EXPECT_GE(child->GetSize().y, best.y) << label << " in " << top->GetLabel();
                }
                EXPECT_LE(child->GetRect().GetRight(), window->GetClientSize().x)
                    << label << " in " << top->GetLabel();
            }
            if (auto* list = dynamic_cast<wxListCtrl*>(child); list && bMarked) {
                for (int column = 0; column < list->GetColumnCount(); ++column) {
                    wxListItem item;
                    item.SetMask(wxLIST_MASK_TEXT);
                    list->GetColumn(column, item);
                    EXPECT_TRUE(item.GetText().StartsWith(kOpen)) << item.GetText();
                }
            }
            visit(child);
        }
    };
    visit(top);
}

TEST_P(Language, EveryDialogSpeaksItWithNoLabelCut) {
    const bool bMarked = std::string(GetParam()) == "xx";
    const std::string folder = "Pets";
    MakeFolder(m_dir / folder);
    WriteGroupFile(GroupFilePath(m_dir / folder, folder), "Pets", "our pets", 1);

    std::vector<std::unique_ptr<wxDialog>> dialogs;
    dialogs.push_back(std::make_unique<CMainDialog>());
    dialogs.push_back(std::make_unique<CSetupDialog>(nullptr));
    dialogs.push_back(std::make_unique<CAboutDialog>(nullptr));
    dialogs.push_back(std::make_unique<CAddPicTerm>(nullptr));
    dialogs.push_back(std::make_unique<CManageVoiceDialog>(nullptr));
    dialogs.push_back(std::make_unique<CRecordSoundDialog>(
        nullptr, [](wxWindow*, const CSoundRecorder&) { return false; }));
    auto manage = std::make_unique<CManagePicTerm>(nullptr);
    manage->m_strGroupName = "Pets";
    manage->m_strGroupPath = m_dir / folder;
    manage->m_strFolderName = folder;
    manage->InitDialog();
    dialogs.push_back(std::move(manage));
    for (auto& dialog : dialogs) {
        dialog->Show();
    }
    WaitFor([] { return false; }, 0.05);
    for (auto& dialog : dialogs) {
        ExpectWholeLabels(dialog.get(), bMarked);
    }

    // The quit code is the same in every language, inside the translated hint.
    const std::string hint = FormatString(IDS_QUIT_HINT, kQuitCodeText);
    EXPECT_NE(hint.find("kolo479"), std::string::npos) << hint;
    EXPECT_NE(hint, "Type \"kolo479\" to quit.") << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Catalogs, Language, ::testing::Values("xx", "de", "ru", "fr"));

// A language's forms for a count, with the count where the language puts it.
TEST(LanguageForms, EachCountTakesItsForm) {
    struct Case {
        const char* language;
        std::vector<std::size_t> counts;  // each takes a form of its own
    };
    for (const Case& c : {Case{"ru", {1, 3, 5}}, Case{"pl", {1, 3, 5}}, Case{"fr", {1, 2}}}) {
        UseCatalog(c.language);
        std::set<std::string> forms;
        for (std::size_t n : c.counts) {
            const std::string number = std::to_string(n);
            std::string form = FormatCountString(IDS_DELETE_SOUNDS, n, number);
            const std::size_t at = form.find(number);
            ASSERT_NE(at, std::string::npos) << c.language << " " << form;
            forms.insert(form.replace(at, number.size(), "#"));
        }
        EXPECT_EQ(forms.size(), c.counts.size()) << c.language;
    }
    wxTranslations::Set(nullptr);
}

}  // namespace
