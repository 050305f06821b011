#include "sounds/RecordSoundDialog.h"

#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <cstdio>

#include "common/DialogColours.h"
#include "common/FolderFiles.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/SoundPlayer.h"
#include "res/Resource.h"
#include "res/StringTable.h"

wxBEGIN_EVENT_TABLE(CRecordSoundDialog, wxDialog)
    EVT_BUTTON(IDC_RECORD, CRecordSoundDialog::OnRecordButton)
    EVT_BUTTON(IDC_RECORD_STOP, CRecordSoundDialog::OnStopButton)
    EVT_BUTTON(IDC_RECORD_PLAY, CRecordSoundDialog::OnPlayButton)
    EVT_BUTTON(IDC_RECORD_KEEP, CRecordSoundDialog::OnKeepButton)
    EVT_TIMER(wxID_ANY, CRecordSoundDialog::OnTimer)
wxEND_EVENT_TABLE()

namespace {
// How often the level meter and the time move while recording.
constexpr int kPollMs = 50;
}  // namespace

CRecordSoundDialog::CRecordSoundDialog(wxWindow* parent, Keeper keep)
    : wxDialog(parent, IDD_RECORD_SOUND, _("Record Sound")),
      m_keep(std::move(keep)),
      m_timer(this) {
    CreateControls();
    UpdateControls();
    ApplyDialogColours(this);
    CentreOnParent();
}

// A recording being listened to stops with the dialog.
CRecordSoundDialog::~CRecordSoundDialog() {
    StopSound();
}

void CRecordSoundDialog::CreateControls() {
    auto du = [this](int x, int y) { return ConvertDialogToPixels(wxSize(x, y)); };
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* text = new wxStaticText(this, wxID_ANY,
                                  _("Press Record and speak. The recording stops by itself after "
                                    "ten seconds; the silence before and after it is left out."));
    text->Wrap(du(230, 20).x);
    top->Add(text, wxSizerFlags().Expand().Border(wxALL, 8));
    m_level = new wxGauge(this, IDC_RECORD_LEVEL, 100, wxDefaultPosition, du(230, 10));
    top->Add(m_level, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 8));
    // Up to three lines: the time, or why a take cannot be kept. Its size stays as made, and
    // its text is wrapped to that width.
    m_time = new wxStaticText(this, IDC_RECORD_TIME, "", wxDefaultPosition, du(230, 26),
                              wxST_NO_AUTORESIZE);
    top->Add(m_time, wxSizerFlags().Expand().Border(wxALL, 8));
    auto* buttons = new wxGridSizer(5, 0, 6);
    for (const auto& [id, label] : {std::pair<int, const char*>{IDC_RECORD, wxTRANSLATE("&Record")},
                                    {IDC_RECORD_STOP, wxTRANSLATE("&Stop")},
                                    {IDC_RECORD_PLAY, wxTRANSLATE("&Play")},
                                    {IDC_RECORD_KEEP, wxTRANSLATE("&Keep")},
                                    {wxID_CANCEL, wxTRANSLATE("&Discard")}}) {
        buttons->Add(new wxButton(this, id, wxGetTranslation(label)), wxSizerFlags().Expand());
    }
    top->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 8));
    SetSizerAndFit(top);
}

// Recording, only Stop and Discard work; after it, a recording with sound in it may be
// played and kept. A silent one, from a muted microphone, may not, and the dialog says so.
void CRecordSoundDialog::UpdateControls() {
    const bool bRecording = m_recorder.IsRecording();
    const bool bRecorded = !bRecording && m_recorder.Heard();
    FindWindow(IDC_RECORD)->Enable(!bRecording);
    FindWindow(IDC_RECORD_STOP)->Enable(bRecording);
    FindWindow(IDC_RECORD_PLAY)->Enable(bRecorded);
    FindWindow(IDC_RECORD_KEEP)->Enable(bRecorded);
    m_level->SetValue(m_recorder.Level());
    char seconds[16];
    std::snprintf(seconds, sizeof seconds, "%.1f", m_recorder.Seconds());
    const bool bSilent = !bRecording && !bRecorded && m_recorder.Seconds() > 0;
    m_time->SetLabel(wxString::FromUTF8(
        bSilent ? LoadString(IDS_NOTHING_HEARD)
                : FormatCountString(IDS_RECORDED_SECONDS, kMaxRecordingSeconds, seconds,
                                    std::to_string(kMaxRecordingSeconds))));
    m_time->Wrap(m_time->GetClientSize().x);
}

void CRecordSoundDialog::OnRecord() {
    StopSound();
    std::string reason;
    if (!m_recorder.Start(reason)) {
        MessageBox(this, FormatString(IDS_MICROPHONE_FAILED, reason), LoadString(IDS_ERROR),
                   MB_ICONHAND | MB_OK);
    } else {
        m_timer.Start(kPollMs);
    }
    UpdateControls();
    FindWindow(m_recorder.IsRecording() ? IDC_RECORD_STOP : IDC_RECORD)->SetFocus();
}

void CRecordSoundDialog::OnStop() {
    m_timer.Stop();
    m_recorder.Stop();
    UpdateControls();
    // A disabled button would take the focus and leave the dialog deaf to Escape.
    FindWindow(m_recorder.Heard() ? IDC_RECORD_PLAY : IDC_RECORD)->SetFocus();
}

void CRecordSoundDialog::OnPlay() {
    PlayWave(m_recorder.TrimmedWave());
}

bool CRecordSoundDialog::OnKeep() {
    if (m_recorder.IsRecording() || !m_recorder.Heard()) {
        return false;
    }
    StopSound();
    return m_keep(this, m_recorder);
}

// No memory for a recording, its playback or its file: the recording ends, and what was
// recorded stays for another try.
void CRecordSoundDialog::OnRecordButton(wxCommandEvent&) {
    try {
        OnRecord();
    } catch (...) {
        OnStop();
    }
}

void CRecordSoundDialog::OnStopButton(wxCommandEvent&) {
    OnStop();
}

void CRecordSoundDialog::OnPlayButton(wxCommandEvent&) {
    try {
        OnPlay();
    } catch (...) {
    }
}

void CRecordSoundDialog::OnKeepButton(wxCommandEvent&) {
    bool bKept = false;
    try {
        bKept = OnKeep();
    } catch (...) {
    }
    if (bKept) {
        EndModal(wxID_OK);
    }
}

void CRecordSoundDialog::OnTimer(wxTimerEvent&) {
    bool bRecording = false;
    try {
        bRecording = m_recorder.Poll();
    } catch (...) {
    }
    if (!bRecording) {
        OnStop();  // ten seconds, or no memory for more: the recording is over
        return;
    }
    UpdateControls();
}

bool OfferRecording(wxWindow* button) {
    std::string reason;
    const bool bMicrophone = CaptureDeviceAvailable(reason);
    button->Enable(bMicrophone);
    button->SetToolTip(bMicrophone ? wxString()
                                   : wxString::FromUTF8(FormatString(IDS_NO_MICROPHONE, reason)));
    return bMicrophone;
}

bool SaveRecordingAs(wxWindow* owner, const CSoundRecorder& recorder, const std::string& target,
                     const std::string& question) {
    if (PathFileExists(target) && MessageBox(owner, question, LoadString(IDS_INFORMATION),
                                             MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        return false;
    }
    return WriteLibraryFile(owner, target, [&](std::string& reason) {
        return recorder.Save(target, reason) == ImportResult::Done;
    });
}
