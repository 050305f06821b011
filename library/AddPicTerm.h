// The Add Picture Group dialog: creates one new, empty picture group in a folder of its own
// whose name is made when the dialog opens and shown read-only. Pictures are added later,
// when the group is managed.
#pragma once

#include <wx/dialog.h>

#include <string>

class CDataExchange;

class CAddPicTerm : public wxDialog {
public:
    explicit CAddPicTerm(wxWindow* parent = nullptr);

    void DoDataExchange(CDataExchange& dx);
    // OK's work: true when the group was created and the dialog may end with OK. Otherwise
    // the parent has been told why, and the dialog stays open.
    bool CreateGroup();

    std::string m_strGroupPath;
    std::string m_strGroupName;
    std::string m_strDescription;
    std::string m_strFolderName;

private:
    void CreateControls();
    void OnInitDialog();

    void OnOK(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnHelpInfo(wxHelpEvent& event);

    wxDECLARE_EVENT_TABLE();
};
