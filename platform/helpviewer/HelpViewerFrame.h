// The help viewer's window: a page of the help file, with Back, Forward and Contents.
#pragma once

#include <wx/frame.h>

class wxHtmlLinkEvent;
class wxHtmlWindow;

class CHelpViewerFrame : public wxFrame {
public:
    CHelpViewerFrame();

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
    void OnDestroy(wxWindowDestroyEvent& event);

    wxHtmlWindow* m_html;
    wxString m_contents;

    wxDECLARE_EVENT_TABLE();
};
