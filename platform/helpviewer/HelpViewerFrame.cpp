#include "platform/helpviewer/HelpViewerFrame.h"

#include <wx/button.h>
#include <wx/html/htmlwin.h>
#include <wx/sizer.h>
#include <wx/utils.h>

#include "platform/TopLevelWindow.h"

CHelpViewerFrame* CHelpViewerFrame::s_pViewer = nullptr;

wxBEGIN_EVENT_TABLE(CHelpViewerFrame, wxFrame)
    EVT_BUTTON(wxID_BACKWARD, CHelpViewerFrame::OnBack)
    EVT_BUTTON(wxID_FORWARD, CHelpViewerFrame::OnForward)
    EVT_BUTTON(wxID_HOME, CHelpViewerFrame::OnContents)
    EVT_HTML_LINK_CLICKED(wxID_ANY, CHelpViewerFrame::OnLinkClicked)
    EVT_CHAR_HOOK(CHelpViewerFrame::OnCharHook)
wxEND_EVENT_TABLE()

CHelpViewerFrame::CHelpViewerFrame()
    : wxFrame(nullptr, wxID_ANY, _("Plinkapad Help"), wxDefaultPosition, wxSize(760, 600)) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* bar = new wxBoxSizer(wxHORIZONTAL);
    // Labels in a context of their own: the framework's stock labels would make the buttons
    // the toolkit's, in the toolkit's language.
    bar->Add(new wxButton(this, wxID_BACKWARD, wxGETTEXT_IN_CONTEXT("button", "&Back")),
             wxSizerFlags().Border(wxALL, 4));
    bar->Add(new wxButton(this, wxID_FORWARD, wxGETTEXT_IN_CONTEXT("button", "&Forward")),
             wxSizerFlags().Border(wxALL, 4));
    bar->Add(new wxButton(this, wxID_HOME, _("&Contents")), wxSizerFlags().Border(wxALL, 4));
    top->Add(bar);
    m_html = new wxHtmlWindow(this, wxID_ANY);
    m_html->SetRelatedFrame(this, _("Plinkapad Help - %s"));
    top->Add(m_html, wxSizerFlags(1).Expand());
    SetSizer(top);
    // Help is asked for from modal dialogs; the viewer must still take input beside them, and
    // close when asked to, which the toolkit refuses to any window while a dialog is modal.
    ExemptFromModalDialogs(this);
    WatchCloseRequests(this, this, [this] { CloseViewer(); });
    s_pViewer = this;
}

CHelpViewerFrame::~CHelpViewerFrame() {
    if (s_pViewer == this) {
        s_pViewer = nullptr;
    }
}

void CHelpViewerFrame::CloseViewer() {
    if (s_pViewer == this) {
        s_pViewer = nullptr;
    }
    Destroy();
}

void CHelpViewerFrame::ShowTopic(const wxString& location, const wxString& contents) {
    m_contents = contents;
    if (!m_html->LoadPage(location)) {
        m_html->SetPage(
            "<html><body><h3>This help topic cannot be shown.</h3>"
            "<p>The help file is missing or damaged.</p></body></html>");
    }
}

void CHelpViewerFrame::OnBack(wxCommandEvent&) {
    m_html->HistoryBack();
}

void CHelpViewerFrame::OnForward(wxCommandEvent&) {
    m_html->HistoryForward();
}

void CHelpViewerFrame::OnContents(wxCommandEvent&) {
    if (!m_contents.empty()) {
        m_html->LoadPage(m_contents);
    }
}

void CHelpViewerFrame::OnLinkClicked(wxHtmlLinkEvent& event) {
    const wxString href = event.GetLinkInfo().GetHref();
    if (href.Contains("://") || href.StartsWith("mailto:")) {
        wxLaunchDefaultBrowser(href);
        return;
    }
    event.Skip();  // a page of the help file
}

// Escape and Ctrl+W close the window, as in other viewers.
void CHelpViewerFrame::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const bool bCtrlW = event.GetModifiers() == wxMOD_CONTROL && (key == 'W' || key == 'w');
    if ((key == WXK_ESCAPE && event.GetModifiers() == wxMOD_NONE) || bCtrlW) {
        CloseViewer();
        return;
    }
    event.Skip();
}
