#include "setup/SetupDialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/checklst.h>
#include <wx/dc.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "common/DataExchange.h"
#include "common/DialogColours.h"
#include "common/FolderFiles.h"
#include "common/HtmlHelp.h"
#include "common/Settings.h"
#include "library/AddPicTerm.h"
#include "library/ManagePicTerm.h"
#include "library/PictureGroupStorage.h"
#include "platform/DialogLayout.h"
#include "platform/DisplayText.h"
#include "platform/FileFind.h"
#include "platform/FileSystem.h"
#include "platform/HelpKey.h"
#include "platform/ListActivation.h"
#include "platform/MessageBox.h"
#include "platform/OwnerDrawButton.h"
#include "platform/QuickListFill.h"
#include "platform/ShellServices.h"
#include "platform/ShortcutsPermission.h"
#include "platform/SpinButtonCtrl.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "setup/SetupEnables.h"
#include "sounds/ManageVoiceDialog.h"

wxBEGIN_EVENT_TABLE(CSetupDialog, wxDialog)
    EVT_BUTTON(wxID_OK, CSetupDialog::OnOK)
    EVT_CHECKBOX(IDC_CLEAR_BACKGROUND, CSetupDialog::OnCheckOption)
    EVT_CHECKBOX(IDC_RANDOM_COLOR, CSetupDialog::OnCheckOption)
    EVT_CHECKBOX(IDC_KEY_DELAY, CSetupDialog::OnCheckOption)
    EVT_CHECKBOX(IDC_TIME_LIMIT, CSetupDialog::OnCheckOption)
    EVT_CHECKBOX(IDC_AUTO_DISPLAY, CSetupDialog::OnCheckOption)
    EVT_DRAW_ITEM(IDC_COLOR_BUTTON, CSetupDialog::OnDrawItem)
    EVT_BUTTON(IDC_COLOR_BUTTON, CSetupDialog::OnChooseColor)
    EVT_BUTTON(IDC_MANAGE_SOUNDS, CSetupDialog::OnManageSounds)
    EVT_BUTTON(IDC_MANAGE_GROUP, CSetupDialog::OnManageGroupEvent)
    EVT_BUTTON(IDC_ADD_GROUP, CSetupDialog::OnAddGroup)
    EVT_BUTTON(IDC_DELETE_GROUP, CSetupDialog::OnDeleteGroupEvent)
    EVT_LISTBOX(IDC_GROUP_LIST, CSetupDialog::OnGroupSelChangeEvent)
    EVT_LISTBOX_DCLICK(IDC_GROUP_LIST, CSetupDialog::OnManageGroupEvent)
    EVT_BUTTON(wxID_HELP, CSetupDialog::OnHelp)
    EVT_BUTTON(IDC_ALLOW_KEYBOARD_LOCK, CSetupDialog::OnAllowKeyboardLock)
    EVT_HELP(wxID_ANY, CSetupDialog::OnHelpInfo)
wxEND_EVENT_TABLE()

CSetupDialog::CSetupDialog(wxWindow* parent) : wxDialog(parent, IDD_SETUP, _("Setup")) {
    SendHelpOnF1(this);
    CreateControls();
    OnInitDialog();
    ApplyDialogColours(this);
    CentreOnScreen();
}

void CSetupDialog::CreateControls() {
    auto du = [this](int x, int y) { return ConvertDialogToPixels(wxSize(x, y)); };
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* options = new wxBoxSizer(wxHORIZONTAL);

    auto* background = new wxStaticBoxSizer(wxVERTICAL, this, _("Background"));
    wxWindow* box = background->GetStaticBox();
    background->Add(new wxCheckBox(box, IDC_CLEAR_BACKGROUND, _("Cl&ear Background")),
                    wxSizerFlags().Border(wxALL, 4));
    background->Add(new wxCheckBox(box, IDC_RANDOM_COLOR, _("Change the Color &Randomly")),
                    wxSizerFlags().Border(wxALL, 4));
    background->Add(new COwnerDrawButton(box, IDC_COLOR_BUTTON, _("Select the Color of Background"),
                                         du(148, 11)),
                    wxSizerFlags().Expand().Border(wxALL, 4));
    options->Add(background, wxSizerFlags(1).Expand().Border(wxRIGHT, 6));

    auto* time = new wxStaticBoxSizer(wxVERTICAL, this, _("Time"));
    wxWindow* timeBox = time->GetStaticBox();
    auto* rows = new wxFlexGridSizer(5, 4, 6);
    auto addRow = [&](int checkId, const wxString& check, const wxString& label, int editId,
                      int spinId, const wxString& unit, CSpinButtonCtrl*& spin) {
        rows->Add(new wxCheckBox(timeBox, checkId, check), wxSizerFlags().CenterVertical());
        rows->Add(new wxStaticText(timeBox, wxID_ANY, label), wxSizerFlags().CenterVertical());
        auto* edit = new wxTextCtrl(timeBox, editId, "", wxDefaultPosition, wxDefaultSize);
        edit->SetMinSize(wxSize(du(40, 12).x, -1));
        rows->Add(edit, wxSizerFlags().CenterVertical());
        spin = new CSpinButtonCtrl(timeBox, spinId, edit);
        rows->Add(spin, wxSizerFlags().CenterVertical());
        rows->Add(new wxStaticText(timeBox, wxID_ANY, unit), wxSizerFlags().CenterVertical());
    };
    addRow(IDC_TIME_LIMIT, _("Time &Limit:"), _("&Time:"), IDC_TIME_LIMIT_EDIT, IDC_TIME_LIMIT_SPIN,
           _("Min"), m_spinTimeLimit);
    addRow(IDC_KEY_DELAY, _("Key &Delay"), _("T&ime:"), IDC_KEY_DELAY_EDIT, IDC_KEY_DELAY_SPIN,
           _("ms"), m_spinKeyDelay);
    addRow(IDC_AUTO_DISPLAY, _("Aut&o Display"), _("Ti&me:"), IDC_AUTO_DISPLAY_EDIT,
           IDC_AUTO_DISPLAY_SPIN, wxGETTEXT_IN_CONTEXT("seconds", "s"), m_spinAutoDisplay);
    time->Add(rows, wxSizerFlags().Border(wxALL, 4));
    options->Add(time, wxSizerFlags(1).Expand());
    top->Add(options, wxSizerFlags().Expand().Border(wxALL, 8));

    // GNOME keeps its user's answer to whether the game may hold the desktop's shortcuts: the
    // parent can give it here, ahead of the first game or after a Deny.
    if (DesktopKeepsShortcutsAnswer()) {
        auto* lock = new wxBoxSizer(wxHORIZONTAL);
        lock->Add(new wxStaticText(this, wxID_ANY, LoadString(IDS_KEYBOARD_LOCK_NOTE)),
                  wxSizerFlags(1).CenterVertical().Border(wxRIGHT, 6));
        lock->Add(new wxButton(this, IDC_ALLOW_KEYBOARD_LOCK, _("Allow the &Keyboard Lock")),
                  wxSizerFlags().CenterVertical());
        top->Add(lock, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 8));
    }

    auto* library = new wxStaticBoxSizer(wxVERTICAL, this, _("Sounds and Pictures"));
    wxWindow* libraryBox = library->GetStaticBox();
    auto* libraryRow = new wxBoxSizer(wxHORIZONTAL);
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    const std::pair<int, const char*> libraryButtons[] = {
        {IDC_MANAGE_SOUNDS, wxTRANSLATE("Manage Default &Sounds...")},
        {IDC_MANAGE_GROUP, wxTRANSLATE("Ma&nage Picture Group...")},
        {IDC_ADD_GROUP, wxTRANSLATE("&Add Pictures Group...")},
        {IDC_DELETE_GROUP, wxTRANSLATE("Delete &Pictures Group...")},
    };
    for (const auto& [id, label] : libraryButtons) {
        auto* button = new wxButton(libraryBox, id, wxGetTranslation(label));
        SetMinSizeForText(button, wxSize(du(115, 14).x, -1));
        buttons->Add(button, wxSizerFlags().Expand().Border(wxBOTTOM, 4));
    }
    libraryRow->Add(buttons, wxSizerFlags().Border(wxRIGHT, 6));
    m_listGroups = new wxCheckListBox(libraryBox, IDC_GROUP_LIST, wxDefaultPosition, du(194, 65), 0,
                                      nullptr, wxLB_SORT | wxLB_HSCROLL | wxLB_ALWAYS_SB);
    libraryRow->Add(m_listGroups, wxSizerFlags(1).Expand());
    ActivateRowOnEnterOnly(m_listGroups, [this] { OnManageGroup(); });
    library->Add(libraryRow, wxSizerFlags(1).Expand().Border(wxALL, 4));
    library->Add(new wxStaticText(libraryBox, IDC_STATUS, "", wxDefaultPosition, du(311, 8),
                                  wxST_NO_AUTORESIZE),
                 wxSizerFlags().Expand().Border(wxALL, 4));
    top->Add(library, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 8));

    auto* bottom = new wxGridSizer(3, 0, 16);
    auto* ok = new wxButton(this, wxID_OK, wxGETTEXT_IN_CONTEXT("button", "&OK"));
    ok->SetDefault();
    bottom->Add(ok, wxSizerFlags().Expand());
    bottom->Add(new wxButton(this, wxID_CANCEL, wxGETTEXT_IN_CONTEXT("button", "&Cancel")),
                wxSizerFlags().Expand());
    bottom->Add(new wxButton(this, wxID_HELP, wxGETTEXT_IN_CONTEXT("button", "&Help")),
                wxSizerFlags().Expand());
    top->Add(bottom, wxSizerFlags().Expand().Border(wxALL, 8));

    SetMinSize(du(342, 191));
    SetSizerAndFit(top);
}

void CSetupDialog::OnInitDialog() {
    theSettings.Load();
    m_bClearBackground = theSettings.m_bClearBackground;
    m_bRandomColor = theSettings.m_bRandomColor;
    m_nTimeLimit = theSettings.m_nTimeLimit;
    m_nKeyDelay = theSettings.m_nKeyDelay;
    m_bKeyDelay = theSettings.m_bKeyDelay;
    m_crBackground = theSettings.m_crBackground;
    m_bTimeLimit = theSettings.m_bTimeLimit;
    m_bAutoDisplay = theSettings.m_bAutoDisplay;
    m_nAutoDisplay = theSettings.m_nAutoDisplay;
    m_spinTimeLimit->SetRange(1, 1200);
    m_spinKeyDelay->SetRange(0, 30000);
    m_spinAutoDisplay->SetRange(1, 3600);
    UpdateData(*this, false);
    UpdateEnables();
    LoadGroups();
    FillGroupList();
    FindWindow(IDC_MANAGE_GROUP)->Disable();
    FindWindow(IDC_DELETE_GROUP)->Disable();
    m_strStatus.clear();
    FindWindow(IDC_CLEAR_BACKGROUND)->SetFocus();  // the first tab stop
}

void CSetupDialog::DoDataExchange(CDataExchange& dx) {
    dx.DDX_Check(IDC_CLEAR_BACKGROUND, m_bClearBackground);
    dx.DDX_Check(IDC_RANDOM_COLOR, m_bRandomColor);
    dx.DDX_Text(IDC_TIME_LIMIT_EDIT, m_nTimeLimit);
    dx.DDV_MinMaxInt(m_nTimeLimit, 1, 1200);
    dx.DDX_Text(IDC_KEY_DELAY_EDIT, m_nKeyDelay);
    dx.DDV_MinMaxInt(m_nKeyDelay, 0, 30000);
    dx.DDX_Check(IDC_KEY_DELAY, m_bKeyDelay);
    dx.DDX_Text(IDC_STATUS, m_strStatus);
    dx.DDX_Check(IDC_TIME_LIMIT, m_bTimeLimit);
    dx.DDX_Check(IDC_AUTO_DISPLAY, m_bAutoDisplay);
    dx.DDX_Text(IDC_AUTO_DISPLAY_EDIT, m_nAutoDisplay);
    dx.DDV_MinMaxInt(m_nAutoDisplay, 1, 3600);
}

void CSetupDialog::UpdateEnables() {
    UpdateData(*this, true);  // a bad field has been reported; the rules go on regardless
    const SetupEnables enables = ComputeSetupEnables(m_bClearBackground, m_bRandomColor,
                                                     m_bKeyDelay, m_bTimeLimit, m_bAutoDisplay);
    m_bColorActive = enables.bColorActive;
    FindWindow(IDC_RANDOM_COLOR)->Enable(enables.bRandomColorCheck);
    FindWindow(IDC_COLOR_BUTTON)->Enable(enables.bColorButton);
    for (int id : {IDC_KEY_DELAY_EDIT, IDC_KEY_DELAY_SPIN}) {
        FindWindow(id)->Enable(enables.bKeyDelayFields);
    }
    for (int id : {IDC_TIME_LIMIT_EDIT, IDC_TIME_LIMIT_SPIN}) {
        FindWindow(id)->Enable(enables.bTimeLimitFields);
    }
    for (int id : {IDC_AUTO_DISPLAY_EDIT, IDC_AUTO_DISPLAY_SPIN}) {
        FindWindow(id)->Enable(enables.bAutoDisplayFields);
    }
    UpdateData(*this, false);
    ApplyDialogColours(this);
    FindWindow(IDC_COLOR_BUTTON)->Refresh();
}

bool CSetupDialog::SaveSetup() {
    if (!UpdateData(*this, true)) {
        return false;
    }
    theSettings.m_bRandomColor = m_bRandomColor;
    theSettings.m_bClearBackground = m_bClearBackground;
    theSettings.m_nKeyDelay = m_nKeyDelay;
    theSettings.m_nTimeLimit = m_nTimeLimit;
    theSettings.m_bKeyDelay = m_bKeyDelay;
    theSettings.m_crBackground = m_crBackground;
    theSettings.m_bTimeLimit = m_bTimeLimit;
    theSettings.m_bAutoDisplay = m_bAutoDisplay;
    theSettings.m_nAutoDisplay = m_nAutoDisplay;
    theSettings.Save();
    SaveDisplayFlags();
    return true;
}

// ---- The picture group list ----------------------------------------------------------

void CSetupDialog::LoadGroups() {
    RemoveUnfinishedGroups(theSettings.m_strAppDir);
    m_groupDisplay.clear();
    m_groupFolders.clear();
    m_groupNames.clear();
    m_groupDescriptions.clear();
    for (PictureGroupEntry& group : ListPictureGroups(theSettings.m_strAppDir)) {
        m_groupFolders.push_back(std::move(group.folder));
        m_groupNames.push_back(std::move(group.name));
        m_groupDescriptions.push_back(std::move(group.description));
        m_groupDisplay.push_back(group.bDisplay);
    }
    m_nGroups = static_cast<int>(m_groupFolders.size());
}

// Each row carries its group's index, so every listed group can be found again whatever
// its name or folder looks like; the rows keep the list's sorted order by their text. The
// text shows the folder upper-cased, as Windows does; only the exact name finds it.
void CSetupDialog::FillGroupList() {
    CQuickListFill fill(m_listGroups);
    m_listGroups->Clear();
    std::vector<std::string> shown;
    shown.reserve(m_nGroups);
    for (int k = 0; k < m_nGroups; ++k) {
        shown.push_back(ReadableUtf8(m_groupNames[k] + "  [" + ToUpper(m_groupFolders[k]) + "]"));
        const int row = m_listGroups->Append(wxString::FromUTF8(shown.back()),
                                             reinterpret_cast<void*>(static_cast<intptr_t>(k)));
        if (m_groupDisplay[k] != 0) {
            m_listGroups->Check(row);
        }
    }
    fill.Done(shown);
}

int CSetupDialog::FindRowGroup(int row) const {
    if (row < 0 || row >= static_cast<int>(m_listGroups->GetCount())) {
        return -1;
    }
    const auto k = static_cast<int>(reinterpret_cast<intptr_t>(m_listGroups->GetClientData(row)));
    return k >= 0 && k < m_nGroups ? k : -1;
}

// Writes the display marks that differ from what the group's file held, and from then on
// remembers the mark written as the file's, so a mark switched back is written again. A
// mark that cannot be saved is told to the parent and stays unsaved.
void CSetupDialog::SaveDisplayFlags() {
    for (int row = 0; row < static_cast<int>(m_listGroups->GetCount()); ++row) {
        const int g = FindRowGroup(row);
        if (g < 0) {
            continue;
        }
        const BOOL bChecked = m_listGroups->IsChecked(row) ? 1 : 0;
        if (bChecked == m_groupDisplay[g]) {
            continue;
        }
        const std::string folder = PathJoin(theSettings.m_strAppDir, m_groupFolders[g]);
        const std::string file = GroupFilePath(folder, m_groupFolders[g]);
        std::string reason;
        if (MayChangeInLibrary(file, reason) &&
            WriteGroupFile(file, m_groupNames[g], m_groupDescriptions[g], bChecked, &reason)) {
            m_groupDisplay[g] = bChecked;
        } else {
            MessageBox(this, FormatString(IDS_SAVE_MARK_FAILED, m_groupNames[g], file, reason),
                       LoadString(IDS_ERROR), MB_ICONHAND | MB_OK);
        }
    }
}

void CSetupDialog::OnGroupSelChange() {
    UpdateData(*this, true);  // a bad field has been reported; the selection goes on
    if (m_listGroups->GetCount() == 0) {
        FindWindow(IDC_MANAGE_GROUP)->Disable();
        FindWindow(IDC_DELETE_GROUP)->Disable();
    } else {
        const int g = FindRowGroup(m_listGroups->GetSelection());
        if (g >= 0) {
            m_strStatus = m_groupDescriptions[g];
        }
        FindWindow(IDC_MANAGE_GROUP)->Enable();
        FindWindow(IDC_DELETE_GROUP)->Enable();
    }
    UpdateData(*this, false);
}

void CSetupDialog::OnGroupSelChangeEvent(wxCommandEvent&) {
    OnGroupSelChange();
}

// Saves the options and marks first, so the dialog shows the group as it is on disk. After
// OK the list is read again; the selection follows the row index, not the group.
void CSetupDialog::OnManageGroup() {
    SaveSetup();
    const int row = m_listGroups->GetSelection();
    if (const int g = FindRowGroup(row); g >= 0) {
        CManagePicTerm manage(nullptr);
        manage.m_strGroupName = m_groupNames[g];
        manage.m_strDescription = m_groupDescriptions[g];
        manage.m_strGroupPath = PathJoin(theSettings.m_strAppDir, m_groupFolders[g]);
        manage.m_strFolderName = m_groupFolders[g];
        manage.m_bDisplayGroup = m_listGroups->IsChecked(row) ? 1 : 0;
        if (manage.ShowModal() == wxID_OK) {
            LoadGroups();
            FillGroupList();
        }
    }
    if (row >= 0 && row < static_cast<int>(m_listGroups->GetCount())) {
        m_listGroups->SetSelection(row);
    }
    OnGroupSelChange();
}

void CSetupDialog::OnManageGroupEvent(wxCommandEvent&) {
    OnManageGroup();
}

void CSetupDialog::OnDeleteGroup() {
    const int g = FindRowGroup(m_listGroups->GetSelection());
    if (g >= 0) {
        const std::string question =
            FormatString(IDS_DELETE_GROUP, m_groupNames[g], m_groupNames[g],
                         theSettings.m_strAppDir, m_groupFolders[g]);
        if (MessageBox(this, question, LoadString(IDS_WARNING),
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES) {
            DeleteGroupFiles(PathJoin(theSettings.m_strAppDir, m_groupFolders[g]),
                             m_groupFolders[g]);
            LoadGroups();
            FillGroupList();
        }
    }
    SelectFirstRowOrSayEmpty();
}

// Only the files of the group's own folder go: a link goes as a link, and folders inside
// are left, so nothing outside the group is ever touched; a group folder that is a link goes
// as a link, with nothing behind it. The description file goes last, so a group whose files
// cannot all be deleted stays a group. The first file that cannot be deleted is told to the
// parent, and the rest stays.
void CSetupDialog::DeleteGroupFiles(const std::string& folder, const std::string& folderName) {
    if (PathIsLink(folder)) {
        RemoveLibraryFolder(this, folder);
        return;
    }
    const std::string groupFile = ResolvePath(GroupFilePath(folder, folderName));
    std::vector<std::string> files;
    CFileFind finder;
    BOOL bWorking = finder.FindFile(PathJoin(folder, "*.*"));
    while (bWorking) {
        bWorking = finder.FindNextFile();
        if (!finder.IsDots() && !finder.IsDirectory() && finder.GetFilePath() != groupFile) {
            files.push_back(finder.GetFilePath());
        }
    }
    files.push_back(groupFile);
    for (const std::string& file : files) {
        if (PathFileExists(file) || PathIsLink(file)) {
            if (!DeleteLibraryFile(this, file)) {
                return;
            }
        }
    }
    RemoveLibraryFolder(this, folder);  // a folder with folders inside stays, no group any more
}

void CSetupDialog::OnDeleteGroupEvent(wxCommandEvent&) {
    OnDeleteGroup();
}

void CSetupDialog::SelectFirstRowOrSayEmpty() {
    if (m_listGroups->GetCount() == 0) {
        FindWindow(IDC_MANAGE_GROUP)->Disable();
        FindWindow(IDC_DELETE_GROUP)->Disable();
        m_strStatus = LoadString(IDS_NO_GROUP);
        UpdateData(*this, false);
    } else {
        m_listGroups->SetSelection(0);
        OnGroupSelChange();
    }
}

void CSetupDialog::OnOK(wxCommandEvent&) {
    if (SaveSetup()) {
        EndModal(wxID_OK);
    }
}

void CSetupDialog::OnCheckOption(wxCommandEvent&) {
    UpdateEnables();
}

void CSetupDialog::DrawColorButton(wxDC& dc, const wxRect& rect, BOOL bActive, COLORREF colour) {
    auto toColour = [](COLORREF c) { return wxColour(GetRValue(c), GetGValue(c), GetBValue(c)); };
    const wxColour border = toColour(bActive ? colour : RGB(50, 50, 50));
    const wxColour cross = toColour(bActive ? colour : RGB(255, 0, 0));
    const int right = rect.GetWidth(), bottom = rect.GetHeight();
    // Filled one-pixel rectangles only, so every pixel lands exactly where it belongs.
    auto pixels = [&dc](const wxColour& c, int x, int y, int w, int h) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(c));
        dc.DrawRectangle(x, y, w, h);
    };
    pixels(border, 0, 0, right, 1);
    pixels(border, 0, bottom - 1, right, 1);
    pixels(border, 0, 0, 1, bottom);
    pixels(border, right - 1, 0, 1, bottom);
    pixels(border, 1, 1, right - 2, bottom - 2);  // the fill has the border's colour
    const int cx = right / 2, cy = bottom / 2;
    for (int i = 0; i < 15; ++i) {
        pixels(cross, cx - 8 + i, cy - 8 + i, 1, 1);
        pixels(cross, cx + 7 - i, cy - 8 + i, 1, 1);
    }
    dc.SetBrush(wxNullBrush);
    dc.SetPen(wxNullPen);
}

void CSetupDialog::OnDrawItem(CDrawItemEvent& event) {
    DrawColorButton(event.GetDC(), event.GetItemRect(), m_bColorActive, m_crBackground);
    event.Skip();
}

void CSetupDialog::OnChooseColor(wxCommandEvent&) {
    COLORREF colour = m_crBackground;
    if (ChooseColorDialog(this, colour)) {
        m_crBackground = colour;
        SetFocus();
        FindWindow(IDC_COLOR_BUTTON)->Refresh();
    }
}

void CSetupDialog::OnAddGroup(wxCommandEvent&) {
    CAddPicTerm add(nullptr);
    if (add.ShowModal() == wxID_OK) {
        LoadGroups();
        FillGroupList();
        m_listGroups->SetSelection(0);
        OnGroupSelChange();
    }
}

void CSetupDialog::OnManageSounds(wxCommandEvent&) {
    CManageVoiceDialog sounds(nullptr);
    sounds.ShowModal();
}

void CSetupDialog::OnAllowKeyboardLock(wxCommandEvent&) {
    std::string error;
    if (KeepShortcutsAllowed(AppId(), error)) {
        MessageBox(this, LoadString(IDS_KEYBOARD_LOCK_ALLOWED), AppName(), MB_ICONINFORMATION);
    } else {
        MessageBox(this, FormatString(IDS_KEYBOARD_LOCK_FAILED, error), LoadString(IDS_ERROR),
                   MB_ICONHAND);
    }
}

void CSetupDialog::OnHelp(wxCommandEvent&) {
    OpenHelpTopic(HELP_FAQ);
}

void CSetupDialog::OnHelpInfo(wxHelpEvent&) {
    OpenHelpTopic(HELP_FAQ);
}
