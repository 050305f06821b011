// The Record Sound dialog: records a parent's voice from the microphone, ten seconds at most,
// with a level meter and the time recorded; the parent listens to it, then keeps or
// discards it. Keeping hands the recording to the opener, which stores it where it belongs.
#pragma once

#include <wx/dialog.h>
#include <wx/timer.h>

#include <functional>
#include <string>

#include "platform/SoundRecorder.h"

class wxGauge;
class wxStaticText;

class CRecordSoundDialog : public wxDialog {
public:
    // Stores the recording, asking what it must over `owner`; false keeps the dialog open.
    using Keeper = std::function<bool(wxWindow* owner, const CSoundRecorder& recorder)>;

    CRecordSoundDialog(wxWindow* parent, Keeper keep);
    ~CRecordSoundDialog() override;

    // The handlers' logic, callable without an event.
    void OnRecord();
    void OnStop();
    void OnPlay();
    // True when the recording was stored and the dialog may end.
    bool OnKeep();

    CSoundRecorder m_recorder;

private:
    void CreateControls();
    void UpdateControls();

    void OnRecordButton(wxCommandEvent& event);
    void OnStopButton(wxCommandEvent& event);
    void OnPlayButton(wxCommandEvent& event);
    void OnKeepButton(wxCommandEvent& event);
    void OnTimer(wxTimerEvent& event);

    Keeper m_keep;
    wxGauge* m_level = nullptr;
    wxStaticText* m_time = nullptr;
    wxTimer m_timer;

    wxDECLARE_EVENT_TABLE();
};

// Enables `button` (a Record button) when there is a microphone, and otherwise disables it
// with a tooltip that says why; returns whether there is one.
bool OfferRecording(wxWindow* button);

// Stores the recording at `target` in the library, first asking `question` over `owner` when
// a file is there; false when the parent said No or the file could not be written (and the
// parent was told why).
bool SaveRecordingAs(wxWindow* owner, const CSoundRecorder& recorder, const std::string& target,
                     const std::string& question);
