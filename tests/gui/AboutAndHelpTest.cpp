#include <algorithm>
#include <functional>

#include <wx/dialog.h>
#include <wx/html/htmlwin.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/utils.h>

#include "GuiTesting.h"
#include "TestFolder.h"
#include "app/AboutDialog.h"
#include "app/MainDialog.h"
#include "common/HelpBinding.h"
#include "common/HtmlHelp.h"
#include "common/HyperLink.h"
#include "platform/KeyStore.h"
#include "platform/ShellServices.h"

namespace {
COLORREF Ref(const wxColour& c) {
    return RGB(c.Red(), c.Green(), c.Blue());
}

wxTopLevelWindow* FindTopLevel(const wxString& titleStart) {
    for (wxWindow* window : wxTopLevelWindows) {
        if (window->GetLabel().StartsWith(titleStart) && window->IsShown()) {
            return dynamic_cast<wxTopLevelWindow*>(window);
        }
    }
    return nullptr;
}

wxHtmlWindow* FindHtml(wxWindow* parent) {
    for (wxWindow* child : parent->GetChildren()) {
        if (auto* html = dynamic_cast<wxHtmlWindow*>(child)) {
            return html;
        }
    }
    return nullptr;
}
}  // namespace

TEST(HyperLink, WithoutSettersItIsPlainText) {
    wxDialog dialog(nullptr, wxID_ANY, "plain");
    auto* link = new CHyperLink(&dialog, 1045, "https://example.org/");
    EXPECT_EQ(Ref(link->GetForegroundColour()),
              Ref(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT)));
    EXPECT_EQ(link->GetBackgroundColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    EXPECT_FALSE(link->GetFont().GetUnderlined());
    EXPECT_FALSE(link->IsLink());

    std::string opened;
    SetShellOpenForTesting([&opened](const std::string& what) {
        opened = what;
        return true;
    });
    wxMouseEvent click(wxEVT_LEFT_DOWN);
    link->GetEventHandler()->ProcessEvent(click);
    EXPECT_EQ(opened, "");  // not a link: inert to the mouse
    link->SetUnderline(TRUE);
    EXPECT_TRUE(link->GetFont().GetUnderlined());
    link->SetUnderline(FALSE);
    EXPECT_FALSE(link->GetFont().GetUnderlined());
    SetShellOpenForTesting({});
}

TEST(AboutBox, LinksAreUnderlinedNavyOnOrangeWithTheHandAndOpenTheirAddress) {
    CAboutDialog about(nullptr);
    for (CHyperLink* link : {about.m_link1, about.m_link2}) {
        EXPECT_TRUE(link->IsLink());
        EXPECT_TRUE(link->GetFont().GetUnderlined());
        EXPECT_EQ(link->m_crLink, 0x00FF0000u);  // its own blue, overruled by the dialog's rule
        EXPECT_EQ(Ref(link->GetForegroundColour()), RGB(0, 0, 128));
        EXPECT_EQ(Ref(link->GetBackgroundColour()), RGB(255, 128, 64));
        EXPECT_TRUE(link->GetCursor().IsOk());
    }
    EXPECT_EQ(Ref(about.GetBackgroundColour()), RGB(255, 128, 64));

    std::string opened;
    SetShellOpenForTesting([&opened](const std::string& what) {
        opened = what;
        return true;
    });
    wxMouseEvent click(wxEVT_LEFT_DOWN);
    about.m_link2->GetEventHandler()->ProcessEvent(click);
    EXPECT_EQ(opened, about.m_link2->GetLabel().utf8_string());
    EXPECT_EQ(opened.rfind("https://", 0), 0u);
    SetShellOpenForTesting({});
}

TEST(WelcomeDialog, EverySystemCommandFrom0x10To0x1FOpensTheAboutBox) {
    CMainDialog dialog;
    std::unique_ptr<wxMenu> menu = dialog.CreateSystemMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->GetLabel(0x0010), "&About Plinkapad...");
    for (int id : {0x0010, 0x0017, 0x001F}) {
        wxTEST_DIALOG(dialog.OnSysCommand(id),
                      wxExpectDismissableModal<CAboutDialog>(wxID_OK).Describe("the About box"));
    }
    dialog.OnSysCommand(0x0020);  // any other command: no box (an unexpected one fails)
}

// The one test that binds the process's help for real: through the key store's record.
TEST(Help, TheViewerShowsTheTopicAndFollowsLinks) {
    ASSERT_TRUE(KeyStoreCreateKey("CLSID", "{ADB880A6-D8FF-11CF-9377-00AA003B7A11}"));
    ASSERT_TRUE(
        KeyStoreCreateKey("CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}", "InprocServer32"));
    ASSERT_TRUE(KeyStoreSetValue(HELP_VIEWER_KEY, "", HELP_VIEWER_PATH));

    const std::string chm = std::string(APP_DIR) + "/NUV2Help.chm";
    EXPECT_NE(HtmlHelp(nullptr, chm + "::/Faq.html", HH_DISPLAY_TOPIC, 0), 0);
    EXPECT_FALSE(TheHelpBinding().m_bFailed);
    wxTopLevelWindow* viewer = nullptr;
    ASSERT_TRUE(
        WaitFor([&viewer] { return (viewer = FindTopLevel("Plinkapad Help")) != nullptr; }));
    wxHtmlWindow* html = FindHtml(viewer);
    ASSERT_NE(html, nullptr);
    EXPECT_TRUE(html->GetOpenedPage().EndsWith("Faq.html"));
    EXPECT_EQ(html->GetOpenedPageTitle(), "Questions and answers");
    // The answers match the program: where an installed copy keeps its library, how
    // pictures are added, what the number fields' buttons look like.
    const std::string faq = html->ToText().utf8_string();
    for (const char* said : {"~/.local/share/plinkapad", "Add Pictures...",
                             "Manage Picture Group...", "- and + buttons"}) {
        EXPECT_NE(faq.find(said), std::string::npos) << said;
    }
    EXPECT_EQ(faq.find("little arrows"), std::string::npos);

    html->OnLinkClicked(wxHtmlLinkInfo("index.html"));  // a link inside the file
    EXPECT_TRUE(html->GetOpenedPage().EndsWith("index.html"));
    EXPECT_EQ(html->GetOpenedPageTitle(), "Welcome to Plinkapad");

    // A second request reuses the binding and the window.
    EXPECT_NE(HtmlHelp(nullptr, chm + "::/Faq.html", HH_DISPLAY_TOPIC, 0), 0);
    EXPECT_EQ(FindTopLevel("Plinkapad Help"), viewer);
    EXPECT_TRUE(html->GetOpenedPage().EndsWith("Faq.html"));

    // A close request closes it, also while a dialog is modal, and so do Escape and Ctrl+W;
    // help opens again after each, however the window went.
    const auto pressOn = [](wxWindow* window, int key, int modifiers) {
        wxKeyEvent press(wxEVT_CHAR_HOOK);
        press.m_keyCode = key;
        press.m_controlDown = (modifiers & wxMOD_CONTROL) != 0;
        press.SetEventObject(window);
        window->GetEventHandler()->ProcessEvent(press);
    };
    const std::function<void(wxTopLevelWindow*)> closings[] = {
        [](wxTopLevelWindow*) { ASSERT_TRUE(SendCloseRequest("Plinkapad Help")); },
        [&](wxTopLevelWindow* window) { pressOn(window, WXK_ESCAPE, wxMOD_NONE); },
        [&](wxTopLevelWindow* window) { pressOn(window, 'W', wxMOD_CONTROL); },
        [](wxTopLevelWindow*) { ASSERT_TRUE(SendCloseRequest("Plinkapad Help")); },
    };
    for (const auto& close : closings) {
        {
            wxWindowDisabler modal;
            close(viewer);
            // Gone for good, not only hidden: the toolkit deletes it once idle.
            ASSERT_TRUE(WaitFor([viewer] {
                return std::find(wxTopLevelWindows.begin(), wxTopLevelWindows.end(), viewer) ==
                       wxTopLevelWindows.end();
            }));
        }
        EXPECT_NE(HtmlHelp(nullptr, chm + "::/index.html", HH_DISPLAY_TOPIC, 0), 0);
        ASSERT_TRUE(
            WaitFor([&viewer] { return (viewer = FindTopLevel("Plinkapad Help")) != nullptr; }));
    }
    viewer->Destroy();
    WaitFor([] { return FindTopLevel("Plinkapad Help") == nullptr; });
}
