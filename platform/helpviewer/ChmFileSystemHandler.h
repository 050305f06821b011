// Serves the pages of a compiled help file to the HTML viewer: a location of the form
// "file:/path/Help.chm#chm:/page.html" reads page.html out of Help.chm.
#pragma once

#include <wx/filesys.h>

class CChmFileSystemHandler : public wxFileSystemHandler {
public:
    bool CanOpen(const wxString& location) override;
    wxFSFile* OpenFile(wxFileSystem& fs, const wxString& location) override;

    // No page of a help file is larger than this.
    static constexpr unsigned long long kMaxObject = 16u << 20;
};
