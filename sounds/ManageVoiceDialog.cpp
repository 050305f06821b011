#include "sounds/ManageVoiceDialog.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textdlg.h>

#include "common/DialogColours.h"
#include "common/FolderFiles.h"
#include "common/HtmlHelp.h"
#include "common/Settings.h"
#include "platform/FileDrop.h"
#include "platform/FileSystem.h"
#include "platform/HelpKey.h"
#include "platform/MessageBox.h"
#include "platform/ShellServices.h"
#include "platform/SoundPlayer.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "sounds/RecordSoundDialog.h"
#include "sounds/VoiceImport.h"

wxBEGIN_EVENT_TABLE(CManageVoiceDialog, wxDialog)
    EVT_BUTTON(IDC_PLAY, CManageVoiceDialog::OnPlayButton)
    EVT_BUTTON(IDC_STOP, CManageVoiceDialog::OnStop)
    EVT_BUTTON(IDC_ADD_SOUNDS, CManageVoiceDialog::OnAddButton)
    EVT_BUTTON(IDC_RECORD_DEFAULT_SOUND, CManageVoiceDialog::OnRecordButton)
    EVT_BUTTON(IDC_DELETE_SOUNDS, CManageVoiceDialog::OnDeleteButton)
    EVT_BUTTON(wxID_HELP, CManageVoiceDialog::OnHelp)
    EVT_HELP(wxID_ANY, CManageVoiceDialog::OnHelpInfo)
    EVT_LIST_ITEM_ACTIVATED(IDC_SOUND_LIST, CManageVoiceDialog::OnDblClk)
    EVT_LIST_ITEM_SELECTED(IDC_SOUND_LIST, CManageVoiceDialog::OnItemChangedEvent)
    EVT_LIST_ITEM_DESELECTED(IDC_SOUND_LIST, CManageVoiceDialog::OnItemChangedEvent)
wxEND_EVENT_TABLE()

namespace {
const char kSoundsFolder[] = "DefVoice";
// A recording's name is a word or a few, and stays well within a file name's 255 bytes.
constexpr int kMaxSoundName = 60;
}  // namespace

CManageVoiceDialog::CManageVoiceDialog(wxWindow* parent)
    : wxDialog(parent, IDD_MANAGE_VOICE, _("Manage Default Sounds")) {
    SendHelpOnF1(this);
    CreateControls();
    OnInitDialog();
    ApplyDialogColours(this);
    CentreOnScreen();
}

void CManageVoiceDialog::CreateControls() {
    auto du = [this](int x, int y) { return ConvertDialogToPixels(wxSize(x, y)); };
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* text = new wxStaticText(
        this, wxID_ANY,
        _("If you have not specified a sound for the picture you will display, the picture "
          "will be displayed with a sound chosen at random from the sounds below."));
    text->Wrap(du(300, 21).x);
    top->Add(text, wxSizerFlags().Expand().Border(wxALL, 8));
    auto* buttons = new wxGridSizer(5, 0, 8);
    for (const auto& [id, label] : {std::pair<int, const char*>{IDC_PLAY, wxTRANSLATE("&Play")},
                                    {IDC_STOP, wxTRANSLATE("&Stop")},
                                    {IDC_ADD_SOUNDS, wxTRANSLATE("&Add...")},
                                    {IDC_RECORD_DEFAULT_SOUND, wxTRANSLATE("&Record...")},
                                    {IDC_DELETE_SOUNDS, wxTRANSLATE("&Delete...")}}) {
        buttons->Add(new wxButton(this, id, wxGetTranslation(label)), wxSizerFlags().Expand());
    }
    top->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 8));
    m_listSounds = new wxListCtrl(this, IDC_SOUND_LIST, wxDefaultPosition, du(300, 101),
                                  wxLC_REPORT | wxBORDER_SUNKEN);
    AcceptFileDrops(m_listSounds,
                    [this](const std::vector<std::string>& dropped) { AddSoundFiles(dropped); });
    top->Add(m_listSounds, wxSizerFlags(1).Expand().Border(wxALL, 8));
    auto* bottom = new wxGridSizer(2, 0, 24);
    auto* close = new wxButton(this, wxID_OK, _("&Close"));
    close->SetDefault();
    bottom->Add(close, wxSizerFlags().Expand());
    bottom->Add(new wxButton(this, wxID_HELP, wxGETTEXT_IN_CONTEXT("button", "&Help")),
                wxSizerFlags().Expand());
    top->Add(bottom, wxSizerFlags().Center().Border(wxLEFT | wxRIGHT | wxBOTTOM, 8));
    SetEscapeId(wxID_OK);
    SetMinSize(du(314, 175));
    SetSizerAndFit(top);
}

void CManageVoiceDialog::OnInitDialog() {
    InsertListColumn(m_listSounds, 0, IDS_FILE_NAME, wxLIST_FORMAT_LEFT, 200);
    InsertListColumn(m_listSounds, 1, IDS_FILE_SIZE, wxLIST_FORMAT_RIGHT, 100);
    FillSoundList();
    m_nSelected = 0;
    m_selectedPaths.clear();
    FindWindow(IDC_PLAY)->Disable();
    FindWindow(IDC_DELETE_SOUNDS)->Disable();
    OfferRecording(FindWindow(IDC_RECORD_DEFAULT_SOUND));
}

std::string CManageVoiceDialog::SoundPath(const std::string& fileName) const {
    return PathJoin(PathJoin(theSettings.m_strAppDir, kSoundsFolder), fileName);
}

void CManageVoiceDialog::FillSoundList() {
    m_listSounds->DeleteAllItems();
    m_rowNames.clear();
    for (FolderFile& file :
         ListFolderFiles(PathJoin(theSettings.m_strAppDir, kSoundsFolder), "*.wav")) {
        AppendFileRow(m_listSounds, file, m_rowNames);
    }
}

// Counts the selection, row by row, and remembers the selected files from the top row down.
void CManageVoiceDialog::OnItemChanged() {
    m_selectedPaths.clear();
    for (long row = m_listSounds->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
         row != -1; row = m_listSounds->GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) {
        m_selectedPaths.push_back(SoundPath(RowFileName(m_listSounds, row, m_rowNames)));
    }
    m_nSelected = static_cast<int>(m_selectedPaths.size());
    FindWindow(IDC_PLAY)->Enable(m_nSelected > 0);
    FindWindow(IDC_DELETE_SOUNDS)->Enable(m_nSelected > 0);
}

void CManageVoiceDialog::OnPlay() {
    if (m_nSelected > 0 && !m_selectedPaths.empty()) {
        PlaySound(m_selectedPaths[0]);
    }
}

void CManageVoiceDialog::OnAdd() {
    std::vector<std::string> chosen;
    if (OpenFilesDialog(this, LoadString(IDS_ALL_SOUNDS_FILTER) + LoadString(IDS_WAVE_FILTER),
                        "wav", chosen)) {
        AddSoundFiles(chosen);
    }
}

void CManageVoiceDialog::AddSoundFiles(const std::vector<std::string>& chosen) {
    const FileConversion toWave = VoicesToWaves();
    CopyFilesInto(this, chosen, PathJoin(theSettings.m_strAppDir, kSoundsFolder), IDS_SOUND_EXISTS,
                  &toWave);
    FillSoundList();
    OnItemChanged();  // the list was read again: nothing is selected
}

void CManageVoiceDialog::OnRecord() {
    CRecordSoundDialog record(this, [this](wxWindow* owner, const CSoundRecorder& recorder) {
        wxTextEntryDialog ask(owner, wxString::FromUTF8(LoadString(IDS_RECORDING_NAME)),
                              _("Record Sound"));
        ask.SetMaxLength(kMaxSoundName);
        std::string name;
        while (name.empty()) {
            if (ask.ShowModal() != wxID_OK) {
                return false;
            }
            name = RecordingFileName(ask.GetValue().utf8_string());
            if (name.empty()) {
                MessageBox(owner, LoadString(IDS_BAD_SOUND_NAME), LoadString(IDS_WARNING),
                           MB_ICONEXCLAMATION | MB_OK);
            }
        }
        const std::string target = SoundPath(name);
        return SaveRecordingAs(owner, recorder, target, FormatString(IDS_SOUND_EXISTS, target));
    });
    record.ShowModal();
    FillSoundList();
    OnItemChanged();  // the list was read again: nothing is selected
}

// Rows go only for the files that are really gone; a file that could not be deleted keeps
// its row, and the parent is told why.
void CManageVoiceDialog::OnDelete() {
    if (m_nSelected == 0) {
        return;
    }
    const std::string question = FormatCountString(
        IDS_DELETE_SOUNDS, static_cast<std::size_t>(m_nSelected), std::to_string(m_nSelected));
    if (MessageBox(this, question, LoadString(IDS_WARNING),
                   MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        return;
    }
    const std::vector<std::string> paths = m_selectedPaths;
    for (const std::string& path : paths) {
        DeleteLibraryFile(this, path);
    }
    for (const std::string& path : paths) {
        if (PathFileExists(path)) {
            continue;
        }
        const std::string name = PathFindFileName(path);
        for (long row = 0; row < m_listSounds->GetItemCount(); ++row) {
            if (RowFileName(m_listSounds, row, m_rowNames) == name) {
                m_listSounds->DeleteItem(row);
                break;
            }
        }
    }
    OnItemChanged();
}

void CManageVoiceDialog::OnPlayButton(wxCommandEvent&) {
    OnPlay();
}

void CManageVoiceDialog::OnStop(wxCommandEvent&) {
    StopSound();
}

void CManageVoiceDialog::OnAddButton(wxCommandEvent&) {
    OnAdd();
}

void CManageVoiceDialog::OnRecordButton(wxCommandEvent&) {
    OnRecord();
}

void CManageVoiceDialog::OnDeleteButton(wxCommandEvent&) {
    OnDelete();
}

void CManageVoiceDialog::OnHelp(wxCommandEvent&) {
    OpenHelpTopic(HELP_FAQ);
}

void CManageVoiceDialog::OnHelpInfo(wxHelpEvent&) {
    OpenHelpTopic(HELP_FAQ);
}

void CManageVoiceDialog::OnDblClk(wxListEvent&) {
    OnPlay();
}

void CManageVoiceDialog::OnItemChangedEvent(wxListEvent&) {
    OnItemChanged();
}
