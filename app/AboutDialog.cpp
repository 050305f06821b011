#include "app/AboutDialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "common/DialogColours.h"
#include "common/HtmlHelp.h"
#include "common/HyperLink.h"
#include "platform/HelpKey.h"
#include "res/AppIcon.h"
#include "res/HandCursor.h"
#include "res/Resource.h"

wxBEGIN_EVENT_TABLE(CAboutDialog, wxDialog)
    EVT_HELP(wxID_ANY, CAboutDialog::OnHelpInfo)
wxEND_EVENT_TABLE()

namespace {
const char* const kPeople[][2] = {
    {wxTRANSLATE("Designer:"), "Ada Lindqvist"},
    {wxTRANSLATE("Programmer:"), "Tomas Brenner"},
    {wxTRANSLATE("Art and Music:"), "Noor Haddad"},
    {wxTRANSLATE("Tester:"), wxTRANSLATE("Pip Lindqvist, aged two")},
};
const char* const kMail[] = {"hello@plinkapad.example.org", "help@plinkapad.example.org"};
const char* const kWeb[] = {"https://plinkapad.example.org/", "https://example.org/plinkapad"};

wxStaticBoxSizer* Group(wxWindow* parent, const wxString& title) {
    return new wxStaticBoxSizer(wxVERTICAL, parent, title);
}
}  // namespace

CAboutDialog::CAboutDialog(wxWindow* parent)
    : wxDialog(parent, IDD_ABOUTBOX, _("About Plinkapad")) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* title = new wxBoxSizer(wxHORIZONTAL);
    title->Add(new wxStaticBitmap(this, wxID_ANY, wxBitmap(LoadAppIcon())),
               wxSizerFlags().Border(wxRIGHT, 12));
    title->Add(new wxStaticText(this, wxID_ANY, "Plinkapad V2.0", wxDefaultPosition, wxDefaultSize,
                                wxALIGN_CENTRE_HORIZONTAL),
               wxSizerFlags(1).CenterVertical());
    top->Add(title, wxSizerFlags().Expand().Border(wxALL, 10));

    auto* developer = Group(this, _("Developer"));
    auto* people = new wxFlexGridSizer(2, 4, 16);
    for (const auto& person : kPeople) {
        people->Add(
            new wxStaticText(developer->GetStaticBox(), wxID_ANY, wxGetTranslation(person[0])));
        people->Add(
            new wxStaticText(developer->GetStaticBox(), wxID_ANY, wxGetTranslation(person[1])));
    }
    developer->Add(people, wxSizerFlags().Border(wxALL, 6));
    top->Add(developer, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 10));

    auto* mail = Group(this, _("E-Mail"));
    auto* addresses = new wxBoxSizer(wxHORIZONTAL);
    for (const char* address : kMail) {
        addresses->Add(new wxStaticText(mail->GetStaticBox(), wxID_ANY, address),
                       wxSizerFlags(1).Border(wxALL, 6));
    }
    mail->Add(addresses, wxSizerFlags().Expand());
    top->Add(mail, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 10));

    auto* visit = Group(this, _("Welcome to Visit"));
    auto* links = new wxBoxSizer(wxHORIZONTAL);
    m_link1 = new CHyperLink(visit->GetStaticBox(), IDC_LINK1, kWeb[0]);
    m_link2 = new CHyperLink(visit->GetStaticBox(), IDC_LINK2, kWeb[1]);
    links->Add(m_link1, wxSizerFlags(1).Border(wxALL, 6));
    links->Add(m_link2, wxSizerFlags(1).Border(wxALL, 6));
    visit->Add(links, wxSizerFlags().Expand());
    top->Add(visit, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 10));

    auto* ok = new wxButton(this, wxID_OK, wxGETTEXT_IN_CONTEXT("button", "&OK"));
    ok->SetDefault();
    top->Add(ok, wxSizerFlags().Center().Border(wxALL, 10));

    SetMinSize(ConvertDialogToPixels(wxSize(265, 135)));
    SetSizerAndFit(top);
    SendHelpOnF1(this);
    OnInitDialog();
    ApplyDialogColours(this);
    CentreOnParent();
}

void CAboutDialog::OnInitDialog() {
    for (CHyperLink* link : {m_link1, m_link2}) {
        link->SetLink(TRUE)
            .SetLinkColor(0x00FF0000)
            .SetUnderline(TRUE)
            .SetLinkCursor(LoadHandCursor());
    }
}

void CAboutDialog::OnHelpInfo(wxHelpEvent&) {
    OpenHelpTopic(HELP_INDEX);
}
