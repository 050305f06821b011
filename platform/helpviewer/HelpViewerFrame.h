// The help viewer's window: a page of the help file, with Back, Forward and Contents.
#pragma once

#include <wx/frame.h>

class wxHtmlLinkEvent;
class wxHtmlWindow;

class CHelpViewerFrame : public wxFrame {
public:
    CHelpViewerFrame();
    ~CHelpViewerFrame() override;

    // Shows `location` ("file:...#chm:/topic.html"); `contents` is where Contents goes.
    void ShowTopic(const wxString& location, const wxString& contents);
    wxHtmlWindow* GetHtml() const { return m_html; }

    // The one viewer window while it is open, or null.
    static CHelpViewerFrame* s_pViewer;

private:
    void OnBack(wxCommandEvent& event);
    void OnForward(wxCommandEvent& event);
    void OnContents(wxCommandEvent& event);
    void OnLinkClicked(wxHtmlLinkEvent& event);
    void OnCharHook(wxKeyEvent& event);
    // Closing lets the window go at once: the next request opens a new one even before the
    // toolkit has deleted this one.
    void CloseViewer();

    wxHtmlWindow* m_html;
    wxString m_contents;

    wxDECLARE_EVENT_TABLE();
};
