#include "library/ManagePicTerm.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/wupdlock.h>

#include "common/DataExchange.h"
#include "common/DialogColours.h"
#include "common/Dib.h"
#include "common/FolderFiles.h"
#include "common/HtmlHelp.h"
#include "library/PhotoImport.h"
#include "library/PictureGroupStorage.h"
#include "library/PreviewFrame.h"
#include "platform/DialogLayout.h"
#include "platform/File.h"
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

wxBEGIN_EVENT_TABLE(CManagePicTerm, wxDialog)
    EVT_INIT_DIALOG(CManagePicTerm::OnInitDialog)
    EVT_BUTTON(IDC_ADD_PICTURES, CManagePicTerm::OnAddPicturesEvent)
    EVT_BUTTON(IDC_DELETE_PICTURE, CManagePicTerm::OnDeletePictureEvent)
    EVT_BUTTON(IDC_PLAY_SOUNDS, CManagePicTerm::OnPlaySoundsEvent)
    EVT_BUTTON(IDC_SPECIFY_SOUNDS, CManagePicTerm::OnSpecifySoundsEvent)
    EVT_BUTTON(IDC_RECORD_SOUND, CManagePicTerm::OnRecordSoundEvent)
    EVT_BUTTON(IDC_DELETE_PICTURE_SOUND, CManagePicTerm::OnDeleteSoundsEvent)
    EVT_BUTTON(wxID_HELP, CManagePicTerm::OnHelp)
    EVT_BUTTON(wxID_OK, CManagePicTerm::OnOK)
    EVT_LIST_ITEM_SELECTED(IDC_PICTURE_LIST, CManagePicTerm::OnListItemChanged)
    EVT_LIST_ITEM_DESELECTED(IDC_PICTURE_LIST, CManagePicTerm::OnListItemChanged)
    EVT_BUTTON(IDC_CUT_TO_DISPLAY, CManagePicTerm::OnCutToDisplayEvent)
    EVT_HELP(wxID_ANY, CManagePicTerm::OnHelpInfo)
    EVT_LIST_ITEM_ACTIVATED(IDC_PICTURE_LIST, CManagePicTerm::OnListDoubleClick)
wxEND_EVENT_TABLE()

namespace {
constexpr int kMaxText = 200;
constexpr int kPreviewMargin = 5;
enum { kNameColumn, kSizeColumn, kCutColumn };
// The cut button's text while no picture is selected, as the dialog opens with it.
constexpr char kCutButtonText[] = wxTRANSLATE("Cu&t to Display");
}  // namespace

CManagePicTerm::CManagePicTerm(wxWindow* parent)
    : wxDialog(parent, IDD_MANAGE_PICTERM, _("Manage Picture Group")) {
    SendHelpOnF1(this);
    CreateControls();
    ApplyDialogColours(this);
    CentreOnScreen();
}

void CManagePicTerm::CreateControls() {
    auto du = [this](int x, int y) { return ConvertDialogToPixels(wxSize(x, y)); };
    auto* top = new wxBoxSizer(wxVERTICAL);

    // The group's own fields.
    auto* fields = new wxFlexGridSizer(2, 6, 8);
    fields->AddGrowableCol(1);
    auto label = [&](const wxString& text) {
        fields->Add(new wxStaticText(this, wxID_ANY, text), wxSizerFlags().CenterVertical());
    };
    auto edit = [&](int id, long style, int width) {
        auto* control = new wxTextCtrl(this, id, "", wxDefaultPosition, wxDefaultSize, style);
        control->SetMinSize(wxSize(du(width, 12).x, -1));
        return control;
    };
    label(_("Group &Name:"));
    auto* nameRow = new wxBoxSizer(wxHORIZONTAL);
    nameRow->Add(edit(IDC_GROUP_NAME, 0, 179), wxSizerFlags(1).CenterVertical());
    nameRow->Add(new wxCheckBox(this, IDC_DISPLAY_GROUP, _("Display This &Group")),
                 wxSizerFlags().CenterVertical().Border(wxLEFT, 8));
    fields->Add(nameRow, wxSizerFlags().Expand());
    label(_("&Description:"));
    fields->Add(edit(IDC_GROUP_DESCRIPTION, 0, 300), wxSizerFlags().Expand());
    label(_("Group &Path:"));
    fields->Add(edit(IDC_GROUP_PATH, wxTE_READONLY, 300), wxSizerFlags().Expand());
    top->Add(fields, wxSizerFlags().Expand().Border(wxALL, 10));

    // The pictures.
    auto* box = new wxStaticBoxSizer(wxVERTICAL, this, _("Pictures"));
    wxWindow* inBox = box->GetStaticBox();
    auto button = [&](int id, const wxString& text) {
        auto* control = new wxButton(inBox, id, text);
        SetMinSizeForText(control, du(73, 14));
        return control;
    };
    auto* pictureButtons = new wxBoxSizer(wxHORIZONTAL);
    for (const auto& [id, text] :
         {std::pair<int, const char*>{IDC_ADD_PICTURES, wxTRANSLATE("&Add Pictures...")},
          {IDC_DELETE_PICTURE, wxTRANSLATE("D&elete Picture...")},
          {IDC_CUT_TO_DISPLAY, kCutButtonText}}) {
        pictureButtons->Add(button(id, wxGetTranslation(text)), wxSizerFlags().Border(wxRIGHT, 4));
    }
    // The cut button says either of its two texts: it has room for both.
    wxWindow* cut = FindWindow(IDC_CUT_TO_DISPLAY);
    cut->SetLabel(wxString::FromUTF8(LoadString(IDS_CANCEL_CUTTING)));
    SetMinSizeForText(cut, cut->GetMinSize());
    cut->SetLabel(wxGetTranslation(kCutButtonText));
    pictureButtons->AddStretchSpacer();
    pictureButtons->Add(new wxStaticText(inBox, wxID_ANY, _("Total Pictures:")),
                        wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    auto* total = new wxTextCtrl(inBox, IDC_TOTAL_PICTURES, "", wxDefaultPosition, wxDefaultSize,
                                 wxTE_READONLY | wxTE_RIGHT);
    total->SetMinSize(wxSize(du(45, 12).x, -1));
    pictureButtons->Add(total, wxSizerFlags().CenterVertical());
    box->Add(pictureButtons, wxSizerFlags().Expand().Border(wxALL, 6));

    auto* listRow = new wxBoxSizer(wxHORIZONTAL);
    m_listPictures = new wxListCtrl(inBox, IDC_PICTURE_LIST, wxDefaultPosition, du(223, 76),
                                    wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN);
    listRow->Add(m_listPictures, wxSizerFlags(1).Expand());
    AcceptFileDrops(m_listPictures,
                    [this](const std::vector<std::string>& dropped) { AddPictureFiles(dropped); });
    m_pPreview = new CPreviewFrame(inBox, IDC_PREVIEW, du(113, 76));
    listRow->Add(m_pPreview, wxSizerFlags().Border(wxLEFT, 6));
    box->Add(listRow, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 6));

    auto* soundRow = new wxBoxSizer(wxHORIZONTAL);
    soundRow->Add(new wxStaticText(inBox, wxID_ANY, _("Current Sou&nd:")),
                  wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    soundRow->Add(new wxTextCtrl(inBox, IDC_CURRENT_SOUND, "", wxDefaultPosition, wxDefaultSize,
                                 wxTE_READONLY),
                  wxSizerFlags(1).CenterVertical());
    box->Add(soundRow, wxSizerFlags().Expand().Border(wxALL, 6));

    auto* soundButtons = new wxGridSizer(4, 0, 8);
    for (const auto& [id, text] :
         {std::pair<int, const char*>{IDC_PLAY_SOUNDS, wxTRANSLATE("P&lay Sounds")},
          {IDC_SPECIFY_SOUNDS, wxTRANSLATE("&Specify Sounds...")},
          {IDC_RECORD_SOUND, wxTRANSLATE("&Record Sound...")},
          {IDC_DELETE_PICTURE_SOUND, wxTRANSLATE("Dele&te Sounds...")}}) {
        soundButtons->Add(new wxButton(inBox, id, wxGetTranslation(text)), wxSizerFlags().Expand());
    }
    box->Add(soundButtons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 6));
    top->Add(box, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 10));

    auto* buttons = new wxGridSizer(3, 0, 24);
    auto* ok = new wxButton(this, wxID_OK, wxGETTEXT_IN_CONTEXT("button", "&OK"));
    buttons->Add(ok, wxSizerFlags().Expand());
    buttons->Add(new wxButton(this, wxID_CANCEL, wxGETTEXT_IN_CONTEXT("button", "&Cancel")),
                 wxSizerFlags().Expand());
    buttons->Add(new wxButton(this, wxID_HELP, wxGETTEXT_IN_CONTEXT("button", "&Help")),
                 wxSizerFlags().Expand());
    top->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 10));
    ok->SetDefault();
    SetMinSize(du(368, 221));
    SetSizerAndFit(top);
}

// Each length check follows its own edit, so neither the name nor the description takes a
// 201st character.
void CManagePicTerm::DoDataExchange(CDataExchange& dx) {
    dx.DDX_Text(IDC_GROUP_NAME, m_strGroupName);
    dx.DDV_MaxChars(m_strGroupName, kMaxText);
    dx.DDX_Text(IDC_GROUP_DESCRIPTION, m_strDescription);
    dx.DDV_MaxChars(m_strDescription, kMaxText);
    dx.DDX_Text(IDC_GROUP_PATH, m_strGroupPath);
    dx.DDX_Text(IDC_CURRENT_SOUND, m_strCurrentSound);
    dx.DDX_Check(IDC_DISPLAY_GROUP, m_bDisplayGroup);
    dx.DDX_Text(IDC_TOTAL_PICTURES, m_nTotalPictures);
}

// Runs when the dialog is about to show, after the caller has filled in the group.
void CManagePicTerm::OnInitDialog(wxInitDialogEvent&) {
    m_listPictures->ClearAll();
    InsertListColumn(m_listPictures, kNameColumn, IDS_PICTURE_FILE_NAME, wxLIST_FORMAT_LEFT, 140);
    InsertListColumn(m_listPictures, kSizeColumn, IDS_PICTURE_FILE_SIZE, wxLIST_FORMAT_RIGHT, 100);
    InsertListColumn(m_listPictures, kCutColumn, IDS_CUT_TO_BE_DISPLAYED, wxLIST_FORMAT_CENTRE,
                     130);
    // A converted picture or sound whose writer was killed before its rename left its
    // temporary here; within the library, it goes before the list is made.
    std::string reason;
    if (MayChangeInLibrary(GroupFilePath(m_strGroupPath, m_strFolderName), reason)) {
        RemoveLeftoverTemporaries(m_strGroupPath);
    }
    LoadCutList();
    FillPictureList();
    m_bMicrophone = OfferRecording(FindWindow(IDC_RECORD_SOUND));
    EnableButtons(false, false);
    UpdateData(*this, false);
    FindWindow(IDC_GROUP_NAME)->SetFocus();
}

void CManagePicTerm::LoadCutList() {
    m_cutNames = ReadCutList(m_strGroupPath);
}

void CManagePicTerm::FillPictureList() {
    m_nTotalPictures = 0;
    wxWindowUpdateLocker noRedraw(m_listPictures);  // one redraw for all the rows
    m_listPictures->DeleteAllItems();
    m_rowNames.clear();
    const std::string yes = LoadString(IDS_YES), no = LoadString(IDS_NO);
    for (FolderFile& file : ListFolderFiles(m_strGroupPath, "*.bmp")) {
        const bool bCut = IsInCutList(m_cutNames, file.name);
        const long row = AppendFileRow(m_listPictures, file, m_rowNames);
        m_listPictures->SetItem(row, kCutColumn, bCut ? yes : no);
        ++m_nTotalPictures;
    }
    static_cast<wxTextCtrl*>(FindWindow(IDC_TOTAL_PICTURES))
        ->ChangeValue(std::to_string(m_nTotalPictures));
}

long CManagePicTerm::FirstSelectedRow() const {
    return m_listPictures->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
}

bool CManagePicTerm::RowIsCut(long row) const {
    return m_listPictures->GetItemText(row, kCutColumn).utf8_string() == LoadString(IDS_YES);
}

// The buttons that act on a picture need one selected; the sound buttons also need the
// picture to have its own sound, and recording a microphone. Adding, OK, Cancel and Help
// always work.
void CManagePicTerm::EnableButtons(bool bSelected, bool bHasSound) {
    for (int id : {IDC_DELETE_PICTURE, IDC_SPECIFY_SOUNDS, IDC_CUT_TO_DISPLAY}) {
        FindWindow(id)->Enable(bSelected);
    }
    FindWindow(IDC_RECORD_SOUND)->Enable(bSelected && m_bMicrophone);
    for (int id : {IDC_PLAY_SOUNDS, IDC_DELETE_PICTURE_SOUND}) {
        FindWindow(id)->Enable(bSelected && bHasSound);
    }
}

void CManagePicTerm::RefreshSelection() {
    UpdateData(*this, true);
    const long row = FirstSelectedRow();
    if (row < 0) {
        EnableButtons(false, false);
        FindWindow(IDC_CUT_TO_DISPLAY)->SetLabel(wxGetTranslation(kCutButtonText));
        m_strCurrentSound.clear();
        m_pPreview->BeginDrawing();  // nothing selected, nothing previewed
    } else {
        const std::string name = RowFileName(m_listPictures, row, m_rowNames);
        m_strPicturePath = PathJoin(m_strGroupPath, name);
        FindWindow(IDC_CUT_TO_DISPLAY)
            ->SetLabel(LoadString(RowIsCut(row) ? IDS_CANCEL_CUTTING : IDS_CUT_TO_DISPLAY));
        const bool bHasSound = PathFileExists(PictureSoundPath(m_strPicturePath));
        m_strCurrentSound = bHasSound ? PictureSoundPath(name) : std::string();
        EnableButtons(true, bHasSound);
        DrawPreview();
    }
    UpdateData(*this, false);
}

// The whole picture, stretched into the frame less a margin on every side, whatever its
// shape. A file that is no bitmap leaves the frame empty.
void CManagePicTerm::DrawPreview() {
    CBackBitmap& canvas = m_pPreview->BeginDrawing();
    CFile file;
    if (file.Open(m_strPicturePath, CFile::modeRead | CFile::shareDenyNone)) {
        CDib dib;
        if (dib.Read(file) != 0) {
            const RECT frame = {kPreviewMargin, kPreviewMargin, canvas.Width() - kPreviewMargin,
                                canvas.Height() - kPreviewMargin};
            dib.Paint(canvas, frame, {0, 0, dib.Width(), dib.Height()});
        }
    }
    m_pPreview->Update();
}

void CManagePicTerm::OnAddPictures() {
    std::vector<std::string> chosen;
    if (OpenFilesDialog(this,
                        LoadString(IDS_ALL_PICTURES_FILTER) +
                            LoadString(IDS_PICTURES_AND_SOUNDS_FILTER) +
                            LoadString(IDS_BITMAP_FILTER),
                        "bmp", chosen)) {
        AddPictureFiles(chosen);
    }
}

void CManagePicTerm::AddPictureFiles(const std::vector<std::string>& chosen) {
    const FileConversion toBitmap = PhotosToBitmaps();
    CopyFilesInto(this, chosen, m_strGroupPath, IDS_PICTURE_EXISTS, &toBitmap);
    LoadCutList();
    FillPictureList();
    RefreshSelection();
}

// Only the picture file and its sound go, each as the entry the group folder holds: a
// link goes as a link, never the file it points to. A picture that stays keeps its sound.
void CManagePicTerm::OnDeletePicture() {
    UpdateData(*this, true);
    if (const long row = FirstSelectedRow(); row >= 0) {
        const std::string name = RowFileName(m_listPictures, row, m_rowNames);
        m_strPicturePath = PathJoin(m_strGroupPath, name);
        const std::string sound = PictureSoundPath(m_strPicturePath);
        const bool bHasSound = PathFileExists(sound);
        const std::string question =
            FormatString(bHasSound ? IDS_DELETE_PICTURE_AND_SOUND : IDS_DELETE_PICTURE, name);
        if (MessageBox(this, question, LoadString(IDS_WARNING),
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES) {
            if (DeleteLibraryFile(this, m_strPicturePath) && bHasSound) {
                DeleteLibraryFile(this, sound);
            }
        }
    }
    LoadCutList();
    FillPictureList();
    RefreshSelection();
    Refresh();
}

// The mark lives in the row until OK writes the cut list.
void CManagePicTerm::OnCutToDisplay() {
    UpdateData(*this, true);
    if (const long row = FirstSelectedRow(); row >= 0) {
        const bool bCut = !RowIsCut(row);
        m_listPictures->SetItem(row, kCutColumn, LoadString(bCut ? IDS_YES : IDS_NO));
        FindWindow(IDC_CUT_TO_DISPLAY)
            ->SetLabel(LoadString(bCut ? IDS_CANCEL_CUTTING : IDS_CUT_TO_DISPLAY));
    }
    UpdateData(*this, false);
}

bool CManagePicTerm::SaveGroup() {
    if (!UpdateData(*this, true)) {
        return false;
    }
    // Windows would end the dialog as if both files were written; the parent is told
    // instead, and keeps the edits to try again or cancel. A file written stays written.
    auto tell = [this](const std::string& path, const std::string& reason) {
        MessageBox(this, FormatString(IDS_SAVE_GROUP_FAILED, path, reason), LoadString(IDS_ERROR),
                   MB_ICONHAND | MB_OK);
        return false;
    };
    std::string reason;
    const std::string groupFile = GroupFilePath(m_strGroupPath, m_strFolderName);
    if (!MayChangeInLibrary(groupFile, reason) ||
        !WriteGroupFile(groupFile, m_strGroupName, m_strDescription, m_bDisplayGroup ? 1 : 0,
                        &reason)) {
        return tell(groupFile, reason);
    }
    std::vector<std::string> cut;
    for (long row = 0; row < m_listPictures->GetItemCount(); ++row) {
        if (RowIsCut(row)) {
            cut.push_back(RowFileName(m_listPictures, row, m_rowNames));
        }
    }
    if (!WriteCutList(m_strGroupPath, cut, &reason)) {
        return tell(CutListPath(m_strGroupPath), reason);
    }
    return true;
}

// ---- The picture's own sound ----------------------------------------------------------

void CManagePicTerm::OnPlaySounds() {
    if (!m_strCurrentSound.empty()) {
        PlaySound(PathJoin(m_strGroupPath, m_strCurrentSound));
    }
}

void CManagePicTerm::RememberSelectedRow() {
    if (const long row = FirstSelectedRow(); row >= 0) {
        m_nRememberedRow = static_cast<int>(row);
    }
}

// The row is marked and scrolled into view, not selected again.
void CManagePicTerm::ShowRememberedRow() {
    if (m_nRememberedRow >= 0 && m_nRememberedRow < m_listPictures->GetItemCount()) {
        m_listPictures->SetItemState(m_nRememberedRow, wxLIST_STATE_FOCUSED, wxLIST_STATE_FOCUSED);
        m_listPictures->EnsureVisible(m_nRememberedRow);
    }
}

void CManagePicTerm::OnSpecifySounds() {
    const std::string target = PictureSoundPath(m_strPicturePath);
    if (PathFileExists(target) &&
        MessageBox(this, LoadString(IDS_OVERWRITE_SOUND), LoadString(IDS_INFORMATION),
                   MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        return;
    }
    RememberSelectedRow();
    std::string chosen;
    if (OpenFileDialog(this, LoadString(IDS_ALL_SOUNDS_FILTER) + LoadString(IDS_WAVE_FILTER), "wav",
                       chosen)) {
        // A sound copied onto itself stays as it is; a phone's clip becomes a WAV file.
        ImportLibraryFile(this, VoicesToWaves(), chosen, target);
    }
    LoadCutList();
    FillPictureList();
    RefreshSelection();
    ShowRememberedRow();
}

void CManagePicTerm::OnRecordSound() {
    const std::string target = PictureSoundPath(m_strPicturePath);
    RememberSelectedRow();
    CRecordSoundDialog record(this, [&target](wxWindow* owner, const CSoundRecorder& recorder) {
        return SaveRecordingAs(owner, recorder, target, LoadString(IDS_OVERWRITE_SOUND));
    });
    record.ShowModal();
    LoadCutList();
    FillPictureList();
    RefreshSelection();
    ShowRememberedRow();
}

void CManagePicTerm::OnDeleteSounds() {
    const std::string path = PathJoin(m_strGroupPath, m_strCurrentSound);
    RememberSelectedRow();
    if (!m_strCurrentSound.empty() &&
        MessageBox(this, FormatString(IDS_DELETE_SOUND, m_strCurrentSound), LoadString(IDS_WARNING),
                   MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES) {
        DeleteLibraryFile(this, path);
    }
    LoadCutList();
    FillPictureList();
    RefreshSelection();
    ShowRememberedRow();
}

// ---- Events ---------------------------------------------------------------------------

void CManagePicTerm::OnAddPicturesEvent(wxCommandEvent&) {
    OnAddPictures();
}

void CManagePicTerm::OnDeletePictureEvent(wxCommandEvent&) {
    OnDeletePicture();
}

void CManagePicTerm::OnPlaySoundsEvent(wxCommandEvent&) {
    OnPlaySounds();
}

void CManagePicTerm::OnSpecifySoundsEvent(wxCommandEvent&) {
    OnSpecifySounds();
}

void CManagePicTerm::OnRecordSoundEvent(wxCommandEvent&) {
    OnRecordSound();
}

void CManagePicTerm::OnDeleteSoundsEvent(wxCommandEvent&) {
    OnDeleteSounds();
}

void CManagePicTerm::OnHelp(wxCommandEvent&) {
    OpenHelpTopic(HELP_FAQ);
}

void CManagePicTerm::OnOK(wxCommandEvent&) {
    if (SaveGroup()) {
        EndModal(wxID_OK);
    }
}

void CManagePicTerm::OnListItemChanged(wxListEvent&) {
    RefreshSelection();
}

void CManagePicTerm::OnCutToDisplayEvent(wxCommandEvent&) {
    OnCutToDisplay();
}

void CManagePicTerm::OnHelpInfo(wxHelpEvent&) {
    OpenHelpTopic(HELP_FAQ);
}

void CManagePicTerm::OnListDoubleClick(wxListEvent&) {
    OnPlaySounds();
}
