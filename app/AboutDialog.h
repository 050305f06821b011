// The About box: the program's name and version, the people who made it, and two links.
#pragma once

#include <wx/dialog.h>

class CHyperLink;

class CAboutDialog : public wxDialog {
public:
    explicit CAboutDialog(wxWindow* parent);

    CHyperLink* m_link1 = nullptr;  // control 1045
    CHyperLink* m_link2 = nullptr;  // control 1046

private:
    void OnInitDialog();
    void OnHelpInfo(wxHelpEvent& event);

    wxDECLARE_EVENT_TABLE();
};
