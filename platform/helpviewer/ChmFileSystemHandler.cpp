#include "platform/helpviewer/ChmFileSystemHandler.h"

#include <chm_lib.h>
#include <wx/filename.h>
#include <wx/mstream.h>

#include <memory>
#include <string>

#include "platform/FileSystem.h"

bool CChmFileSystemHandler::CanOpen(const wxString& location) {
    return GetProtocol(location) == "chm";
}

wxFSFile* CChmFileSystemHandler::OpenFile(wxFileSystem&, const wxString& location) {
    const wxFileName file = wxFileSystem::URLToFileName(GetLeftLocation(location));
    std::string object = GetRightLocation(location).utf8_string();
    if (object.empty() || object[0] != '/') {
        object.insert(object.begin(), '/');  // chmlib resolves only rooted names
    }
    std::unique_ptr<chmFile, void (*)(chmFile*)> chm(
        chm_open(NarrowSystemPath(file.GetFullPath().utf8_string()).c_str()), chm_close);
    if (!chm) {
        return nullptr;
    }
    chmUnitInfo unit;
    if (chm_resolve_object(chm.get(), object.c_str(), &unit) != CHM_RESOLVE_SUCCESS ||
        unit.length > kMaxObject) {
        return nullptr;
    }
    std::string data(static_cast<std::size_t>(unit.length), '\0');
    const LONGINT64 read =
        chm_retrieve_object(chm.get(), &unit, reinterpret_cast<unsigned char*>(data.data()), 0,
                            static_cast<LONGINT64>(unit.length));
    if (read < 0) {
        return nullptr;
    }
    data.resize(static_cast<std::size_t>(read));
    wxMemoryOutputStream out;
    out.Write(data.data(), data.size());
    // The type comes from the page's own name, not from the help file's.
    const wxString page = wxString::FromUTF8(object).Lower();
    const wxString mime = page.EndsWith(".html") || page.EndsWith(".htm")
                              ? wxString("text/html")
                              : GetMimeTypeFromExt(page);
    return new wxFSFile(new wxMemoryInputStream(out), location, mime, GetAnchor(location),
                        wxDateTime());
}
