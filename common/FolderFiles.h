// The files of the library's folders as the dialogs list and change them. A listing gives
// name and size in ascending order of name ignoring case, as Windows' sorted list views show
// them, however the folder lists them; names are bytes, as the directory gave them.
//
// The dialogs change files only through the operations below, and only inside the
// application directory: a link in a file's place is replaced or removed as a link, and a
// folder that a link leads out of the application directory is left alone. Each failure is
// told to the parent, over `owner`, in one message naming the file and the reason.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/ImportResult.h"

class wxListCtrl;
class wxWindow;

struct FolderFile {
    std::string name;  // without the folder
    std::string size;  // bytes, in decimal; empty for an entry that is no readable file
};

std::vector<FolderFile> ListFolderFiles(const std::string& folder, const std::string& wildcard);

// Appends a row for `file` to a file list: the rendering of its name, its size in column 1.
// The name itself, as the directory gave it, moves to `names`, and the row's data is its index
// there, so RowFileName finds it whatever the row shows.
long AppendFileRow(wxListCtrl* list, FolderFile& file, std::vector<std::string>& names);
std::string RowFileName(const wxListCtrl* list, long row, const std::vector<std::string>& names);

// Inserts column `column` of a file list with the header string `idHeader`, `width` pixels
// wide or as wide as its header needs, whichever is more.
void InsertListColumn(wxListCtrl* list, int column, int idHeader, int format, int width);

// Whether the dialogs may change `path`; otherwise `reason` says why.
bool MayChangeInLibrary(const std::string& path, std::string& reason);

// Copies `from` to `to`, replacing what is there; a file copied onto itself stays as it is.
bool CopyLibraryFile(wxWindow* owner, const std::string& from, const std::string& to);
bool DeleteLibraryFile(wxWindow* owner, const std::string& path);
// Removes an empty folder, or a link in its place as a link.
bool RemoveLibraryFolder(wxWindow* owner, const std::string& folder);

// Writes `to` through `write`, which makes the whole file or nothing and says why not, and
// says over `owner` what went wrong.
bool WriteLibraryFile(wxWindow* owner, const std::string& to,
                      const std::function<bool(std::string& reason)>& write);

// How files of other formats become the library's own: a file whose name ends with
// `extension` (in any case) is copied as it is; any other is converted into a file of the
// same stem with that extension. `convert` says what came of it, with the reason when the
// new file could not be written. A folder may take files of another kind too: a name that
// matches one of `alsoTaken`'s `names` goes by that conversion.
struct FileConversion {
    std::string extension;
    std::function<ImportResult(const std::string& from, const std::string& to, std::string& reason)>
        convert;
    int idNotReadable;  // the message naming the files that could not be read ("%1")
    int idShortened;    // the one naming the files that were shortened, or 0
    std::string names;  // the names of this kind, as wildcards joined by ";"; empty for any
    std::vector<FileConversion> alsoTaken;
    // When not 0, a file of a kind also taken goes only beside a file of this kind of its
    // name (a voice beside its photo); the others are named in this message ("%1").
    int idAlone = 0;

    // Whether a file named `name` is of this kind.
    bool Takes(const std::string& name) const;
    // The conversion a file named `name` goes by.
    const FileConversion& For(const std::string& name) const;
};

// Copies `from` to `to`, or converts it there as `conversion` says when its name has another
// extension, and says over `owner` what went wrong or was shortened.
bool ImportLibraryFile(wxWindow* owner, const FileConversion& conversion, const std::string& from,
                       const std::string& to);

// Copies each chosen file into `folder` under its own name, in the order given, or converts
// it as `conversion` says. Before replacing a file there it asks, over `owner`, with string
// `idQuestion` ("%s" is the destination): Yes copies, No skips that file, Cancel skips it
// and every one after it. Files of the conversion's own kind go first, those of a kind also
// taken after them. Files that could not be read, were shortened or are alone are named in
// one message each at the end. More than a few files show a progress dialog whose Cancel
// stops before the next file.
void CopyFilesInto(wxWindow* owner, const std::vector<std::string>& chosen,
                   const std::string& folder, int idQuestion,
                   const FileConversion* conversion = nullptr);
