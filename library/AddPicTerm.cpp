#include "library/AddPicTerm.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "common/DataExchange.h"
#include "common/DialogColours.h"
#include "common/HtmlHelp.h"
#include "common/Settings.h"
#include "library/PictureGroupStorage.h"
#include "platform/FileSystem.h"
#include "platform/HelpKey.h"
#include "platform/MessageBox.h"
#include "res/Resource.h"
#include "res/StringTable.h"

wxBEGIN_EVENT_TABLE(CAddPicTerm, wxDialog)
    EVT_BUTTON(wxID_OK, CAddPicTerm::OnOK)
    EVT_BUTTON(wxID_HELP, CAddPicTerm::OnHelp)
    EVT_HELP(wxID_ANY, CAddPicTerm::OnHelpInfo)
wxEND_EVENT_TABLE()

namespace {
constexpr int kMaxText = 200;
}  // namespace

CAddPicTerm::CAddPicTerm(wxWindow* parent)
    : wxDialog(parent, IDD_ADD_PICTERM, _("Add Picture Group")) {
    SendHelpOnF1(this);
    CreateControls();
    OnInitDialog();
    ApplyDialogColours(this);
    CentreOnScreen();
}

void CAddPicTerm::CreateControls() {
    const wxSize minimum = ConvertDialogToPixels(wxSize(304, 78));
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* rows = new wxFlexGridSizer(2, 6, 8);
    rows->AddGrowableCol(1);
    auto addRow = [&](const wxString& label, int id, long style) {
        rows->Add(new wxStaticText(this, wxID_ANY, label), wxSizerFlags().CenterVertical());
        auto* edit = new wxTextCtrl(this, id, "", wxDefaultPosition, wxDefaultSize, style);
        edit->SetMinSize(wxSize(ConvertDialogToPixels(wxSize(229, 12)).x, -1));
        rows->Add(edit, wxSizerFlags().Expand());
        return edit;
    };
    wxTextCtrl* path = addRow(_("&Group Path:"), IDC_GROUP_PATH, wxTE_READONLY);
    path->DisableFocusFromKeyboard();  // no tab stop: the focus starts in the name
    addRow(_("Group &Name:"), IDC_GROUP_NAME, 0);
    addRow(_("&Description:"), IDC_GROUP_DESCRIPTION, 0);
    top->Add(rows, wxSizerFlags().Expand().Border(wxALL, 10));

    auto* buttons = new wxGridSizer(3, 0, 12);
    auto* ok = new wxButton(this, wxID_OK, wxGETTEXT_IN_CONTEXT("button", "&OK"));
    buttons->Add(ok, wxSizerFlags().Expand());
    buttons->Add(new wxButton(this, wxID_CANCEL, wxGETTEXT_IN_CONTEXT("button", "&Cancel")),
                 wxSizerFlags().Expand());
    buttons->Add(new wxButton(this, wxID_HELP, wxGETTEXT_IN_CONTEXT("button", "&Help")),
                 wxSizerFlags().Expand());
    top->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 10));
    ok->SetDefault();
    SetMinSize(minimum);
    SetSizerAndFit(top);
}

// Both length checks come after the last edit, so only the description is limited while
// typing; a longer name is caught when OK reads the fields.
void CAddPicTerm::DoDataExchange(CDataExchange& dx) {
    dx.DDX_Text(IDC_GROUP_PATH, m_strGroupPath);
    dx.DDX_Text(IDC_GROUP_NAME, m_strGroupName);
    dx.DDX_Text(IDC_GROUP_DESCRIPTION, m_strDescription);
    dx.DDV_MaxChars(m_strGroupName, kMaxText);
    dx.DDV_MaxChars(m_strDescription, kMaxText);
}

void CAddPicTerm::OnInitDialog() {
    m_strFolderName = NewGroupFolderName();
    m_strGroupPath = PathJoin(theSettings.m_strAppDir, m_strFolderName);
    UpdateData(*this, false);
    FindWindow(IDC_GROUP_NAME)->SetFocus();
}

bool CAddPicTerm::CreateGroup() {
    if (!UpdateData(*this, true)) {
        return false;
    }
    if (m_strGroupName.empty()) {
        MessageBox(this, LoadString(IDS_ENTER_GROUP_NAME), LoadString(IDS_WARNING),
                   MB_ICONEXCLAMATION | MB_OK);
        return false;
    }
    // Windows would end the dialog as if the group existed; the parent is told instead, and
    // can try again or cancel. The group is made whole or not at all.
    std::string failed, reason;
    if (!CreatePictureGroup(m_strGroupPath, m_strFolderName, m_strGroupName, m_strDescription,
                            failed, reason)) {
        const int idText =
            failed == m_strGroupPath ? IDS_CREATE_GROUP_FAILED : IDS_GROUP_FILE_FAILED;
        MessageBox(this, FormatString(idText, failed, reason), LoadString(IDS_ERROR),
                   MB_ICONHAND | MB_OK);
        return false;
    }
    return true;
}

void CAddPicTerm::OnOK(wxCommandEvent&) {
    if (CreateGroup() && UpdateData(*this, true)) {
        EndModal(wxID_OK);
    }
}

void CAddPicTerm::OnHelp(wxCommandEvent&) {
    OpenHelpTopic(HELP_FAQ);
}

void CAddPicTerm::OnHelpInfo(wxHelpEvent&) {
    OpenHelpTopic(HELP_FAQ);
}
