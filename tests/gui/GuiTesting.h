// wxWidgets' dialog testing, reporting to GoogleTest. Include this instead of <wx/testing.h>.
#pragma once

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/stopwatch.h>
#include <wx/textdlg.h>
#include <wx/utils.h>

#include <cstdint>
#include <string>
#include <vector>

class GTestModalHook;
#define wxTEST_DIALOG_HOOK_CLASS GTestModalHook
#include <wx/testing.h>

#include "sounds/RecordSoundDialog.h"

class GTestModalHook : public wxTestingModalHook {
public:
    explicit GTestModalHook(const char* file, int line, const char* func)
        : wxTestingModalHook(file, line, func) {}

protected:
    void ReportFailure(const wxString& msg) override { ADD_FAILURE() << msg.utf8_string(); }
};

// Answers a message box with `answer` and keeps its text and style for the test to check.
class ExpectMessage : public wxExpectModal<wxMessageDialog> {
public:
    ExpectMessage(int answer, std::string* text, long* style = nullptr)
        : wxExpectModal<wxMessageDialog>(answer), m_text(text), m_style(style) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override {
        // The text as the parent reads it, without its invisible break chances.
        wxString text = dialog->GetMessage();
        text.Replace(wxString::FromUTF8("\xE2\x80\x8B"), "");
        *m_text = text.utf8_string();
        if (m_style != nullptr) {
            *m_style = dialog->GetMessageDialogStyle();
        }
        return m_id;
    }

private:
    std::string* m_text;
    long* m_style;
};

// Drives the Record Sound dialog as a parent does: Record, until it stops by itself at its
// cap, then Keep; the dialog ends with OK when the recording was kept. What the dialog then
// says under the meter goes to `said`, when given, on one line.
class RecordAndKeep : public wxExpectModalBase<CRecordSoundDialog, RecordAndKeep> {
public:
    explicit RecordAndKeep(bool* kept, std::string* said = nullptr) : m_kept(kept), m_said(said) {}

protected:
    int OnInvoked(CRecordSoundDialog* dialog) const override;

private:
    bool* m_kept;
    std::string* m_said;
};

// Types `name` into a text prompt and answers OK.
class TypeText : public wxExpectModalBase<wxTextEntryDialog, TypeText> {
public:
    explicit TypeText(std::string name) : m_name(std::move(name)) {}

protected:
    int OnInvoked(wxTextEntryDialog* dialog) const override {
        dialog->SetValue(wxString::FromUTF8(m_name));
        return wxID_OK;
    }

private:
    std::string m_name;
};

// Processes pending events until `done` holds or `seconds` pass; returns `done()`.
template <typename Done>
bool WaitFor(Done done, double seconds = 3.0) {
    wxStopWatch watch;
    while (!done() && watch.Time() < seconds * 1000) {
        wxYield();
        wxMilliSleep(5);
    }
    return done();
}

// How many key presses the program has had, whichever window had them: a test that sends
// keys waits for them to arrive rather than for a time.
int KeyPressesSeen();

// Whether the toolkit shows the button pressed: clicked by the mouse or a key, its click not
// yet sent.
bool IsButtonBeingPressed(wxWindow* button);

// Whether another X client could take the keyboard and the pointer right now.
bool AnotherClientCanGrabInput();

// The colour the display shows at (x, y) of the screen, as 0x00RRGGBB, once everything sent
// to it has been drawn.
std::uint32_t ScreenPixel(int x, int y);

// What another program can do to the top-level window whose title begins with `title` (on a
// display without a window manager); false when there is none.
bool DestroyTopLevelWindow(const std::string& title);
bool UnmapTopLevelWindow(const std::string& title);
// Asks the window to close, as a window manager's close box or a task bar does.
bool SendCloseRequest(const std::string& title);
bool IsTopLevelWindowViewable(const std::string& title);
// A property of 32-bit values, as another client reads it; empty when there is none.
std::vector<long> TopLevelWindowProperty(const std::string& title, const char* property);
