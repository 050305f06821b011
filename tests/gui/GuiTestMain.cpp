// Runs the GUI tests inside a wx application on the virtual display. Any modal dialog a
// test did not expect fails that test and is cancelled, so the run never hangs on one.
#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/eventfilter.h>
#include <wx/init.h>
#include <wx/modalhook.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <cstdlib>

#include "GuiTesting.h"
#include "res/Resource.h"

namespace {
class UnexpectedDialogHook : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dialog) override {
        ADD_FAILURE() << "unexpected modal dialog: " << dialog->GetTitle().utf8_string();
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};
}  // namespace

int RecordAndKeep::OnInvoked(CRecordSoundDialog* dialog) const {
    dialog->OnRecord();
    WaitFor([dialog] { return !dialog->m_recorder.IsRecording(); }, 15);
    if (m_said != nullptr) {
        // What the dialog says is seen whole: every line fits the label, and the label the
        // dialog.
        wxWindow* time = dialog->FindWindow(IDC_RECORD_TIME);
        wxClientDC dc(time);
        dc.SetFont(time->GetFont());
        const wxArrayString lines = wxSplit(time->GetLabel(), '\n', '\0');
        for (const wxString& line : lines) {
            EXPECT_LE(dc.GetTextExtent(line).x, time->GetClientSize().x) << line;
        }
        EXPECT_LE(int(lines.size()) * dc.GetCharHeight(), time->GetClientSize().y);
        EXPECT_LE(time->GetRect().GetRight(), dialog->GetClientSize().x);
        *m_said = time->GetLabel().utf8_string();
        std::replace(m_said->begin(), m_said->end(), '\n', ' ');
    }
    *m_kept = dialog->OnKeep();
    return *m_kept ? wxID_OK : wxID_CANCEL;
}

namespace {
class KeyPressCounter : public wxEventFilter {
public:
    int FilterEvent(wxEvent& event) override {
        m_nSeen += event.GetEventType() == wxEVT_KEY_DOWN;
        return Event_Skip;
    }
    int m_nSeen = 0;
};
KeyPressCounter g_keyPresses;
}  // namespace

int KeyPressesSeen() {
    return g_keyPresses.m_nSeen;
}

bool IsButtonBeingPressed(wxWindow* button) {
    GtkWidget* widget = button->GetHandle();
    return widget != nullptr && (gtk_widget_get_state_flags(widget) & GTK_STATE_FLAG_ACTIVE) != 0;
}

bool AnotherClientCanGrabInput() {
    wxYield();
    return std::system(TRY_GRAB_PATH) == 0;
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        return 1;
    }
    UnexpectedDialogHook hook;
    hook.Register();
    wxEvtHandler::AddFilter(&g_keyPresses);
    int result = RUN_ALL_TESTS();
    wxEvtHandler::RemoveFilter(&g_keyPresses);
    hook.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
