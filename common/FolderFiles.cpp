#include "common/FolderFiles.h"

#include <wx/evtloop.h>
#include <wx/listctrl.h>
#include <wx/progdlg.h>

#include <algorithm>
#include <chrono>
#include <optional>

#include "common/Settings.h"
#include "platform/DisplayText.h"
#include "platform/File.h"
#include "platform/FileFind.h"
#include "platform/FileSystem.h"
#include "platform/ImportProcess.h"
#include "platform/MessageBox.h"
#include "res/Resource.h"
#include "res/StringTable.h"

std::vector<FolderFile> ListFolderFiles(const std::string& folder, const std::string& wildcard) {
    std::vector<FolderFile> files;
    CFileFind finder;
    bool bWorking = finder.FindFile(PathJoin(folder, wildcard));
    while (bWorking) {
        bWorking = finder.FindNextFile();
        FolderFile entry{finder.GetFileName(), {}};
        CFile file;
        if (file.Open(finder.GetFilePath(), CFile::modeRead | CFile::shareDenyNone)) {
            entry.size = std::to_string(file.GetLength());
        }
        files.push_back(std::move(entry));
    }
    std::stable_sort(files.begin(), files.end(), [](const FolderFile& a, const FolderFile& b) {
        return ToUpper(a.name) < ToUpper(b.name);
    });
    return files;
}

long AppendFileRow(wxListCtrl* list, FolderFile& file, std::vector<std::string>& names) {
    const long row = list->InsertItem(list->GetItemCount(), DisplayText(file.name));
    list->SetItemData(row, static_cast<long>(names.size()));
    list->SetItem(row, 1, file.size);
    names.push_back(std::move(file.name));
    return row;
}

std::string RowFileName(const wxListCtrl* list, long row, const std::vector<std::string>& names) {
    const auto k = static_cast<std::size_t>(list->GetItemData(row));
    return k < names.size() ? names[k] : std::string();
}

void InsertListColumn(wxListCtrl* list, int column, int idHeader, int format, int width) {
    const wxString header = wxString::FromUTF8(LoadString(idHeader));
    // The header's own margins and its sort mark come on top of the text.
    constexpr int kHeaderPadding = 24;
    list->InsertColumn(column, header, format,
                       std::max(width, list->GetTextExtent(header).x + kHeaderPadding));
}

bool MayChangeInLibrary(const std::string& path, std::string& reason) {
    if (PathLiesWithin(path, theSettings.m_strAppDir)) {
        return true;
    }
    reason = LoadString(IDS_OUTSIDE_LIBRARY);
    return false;
}

static bool Tell(wxWindow* owner, const std::string& text) {
    MessageBox(owner, text, LoadString(IDS_ERROR), MB_ICONHAND | MB_OK);
    return false;
}

bool CopyLibraryFile(wxWindow* owner, const std::string& from, const std::string& to) {
    std::string reason;
    if (!MayChangeInLibrary(to, reason) || !CopyFile(from, to, false, &reason)) {
        return Tell(owner, FormatString(IDS_COPY_FAILED, from, to, reason));
    }
    return true;
}

bool DeleteLibraryFile(wxWindow* owner, const std::string& path) {
    std::string reason;
    if (!MayChangeInLibrary(path, reason) || !DeleteFile(path, &reason)) {
        return Tell(owner, FormatString(IDS_DELETE_FAILED, path, reason));
    }
    return true;
}

bool RemoveLibraryFolder(wxWindow* owner, const std::string& folder) {
    std::string reason;
    if (!MayChangeInLibrary(folder, reason) || !RemoveDirectory(folder, &reason)) {
        return Tell(owner, FormatString(IDS_DELETE_FAILED, folder, reason));
    }
    return true;
}

bool WriteLibraryFile(wxWindow* owner, const std::string& to,
                      const std::function<bool(std::string& reason)>& write) {
    std::string reason;
    if (!MayChangeInLibrary(to, reason) || !write(reason)) {
        return Tell(owner, FormatString(IDS_WRITE_FAILED, to, reason));
    }
    return true;
}

bool FileConversion::Takes(const std::string& name) const {
    if (names.empty()) {
        return true;
    }
    for (std::size_t at = 0; at <= names.size();) {
        const std::size_t end = std::min(names.find(';', at), names.size());
        if (end > at && WildcardMatch(name, std::string_view(names).substr(at, end - at))) {
            return true;
        }
        at = end + 1;
    }
    return false;
}

const FileConversion& FileConversion::For(const std::string& name) const {
    for (const FileConversion& other : alsoTaken) {
        if (!other.names.empty() && other.Takes(name)) {
            return other;
        }
    }
    return *this;
}

// A file the library keeps as it is: its name ends with the extension, in any case.
static bool IsOwnFormat(const std::string& name, const FileConversion& conversion) {
    return WildcardMatch(name, "*" + conversion.extension);
}

namespace {
// Adding more files than this shows a progress dialog.
constexpr std::size_t kFilesWithoutProgress = 3;

// What the imports of one Add had to say, said once at the end.
struct ImportReport {
    struct List {
        std::string names;  // one a line
        std::size_t count = 0;
        bool empty() const { return count == 0; }
    };
    List notReadable, alone, shortened;
    bool bCancelled = false;  // the parent cancelled the adding during a file
    static void Add(List& list, const std::string& name) {
        list.names += (list.names.empty() ? "" : "\n") + name;
        ++list.count;
    }
    static std::string Format(int id, const List& list) {
        return FormatCountString(id, list.count, list.names);
    }
    void Tell(wxWindow* owner, const FileConversion& conversion) const {
        if (!notReadable.empty()) {
            MessageBox(owner, Format(conversion.idNotReadable, notReadable),
                       LoadString(IDS_WARNING), MB_ICONEXCLAMATION | MB_OK);
        }
        if (!alone.empty()) {
            MessageBox(owner, Format(conversion.idAlone, alone), LoadString(IDS_WARNING),
                       MB_ICONEXCLAMATION | MB_OK);
        }
        int idShortened = conversion.idShortened;
        for (const FileConversion& other : conversion.alsoTaken) {
            idShortened = idShortened != 0 ? idShortened : other.idShortened;
        }
        if (!shortened.empty() && idShortened != 0) {
            MessageBox(owner, Format(idShortened, shortened), LoadString(IDS_INFORMATION),
                       MB_ICONINFORMATION | MB_OK);
        }
    }
};

void Import(wxWindow* owner, const FileConversion* conversion, const std::string& from,
            const std::string& to, ImportReport& report) {
    if (conversion == nullptr || IsOwnFormat(PathFindFileName(from), *conversion)) {
        CopyLibraryFile(owner, from, to);
        return;
    }
    std::string reason;
    if (!MayChangeInLibrary(to, reason)) {
        Tell(owner, FormatString(IDS_COPY_FAILED, from, to, reason));
        return;
    }
    switch (conversion->convert(from, to, reason)) {
        case ImportResult::Done:
            break;
        case ImportResult::Shortened:
            ImportReport::Add(report.shortened, from);
            break;
        case ImportResult::NotReadable:
            ImportReport::Add(report.notReadable, from);
            break;
        case ImportResult::WriteFailed:
            Tell(owner, FormatString(IDS_COPY_FAILED, from, to, reason));
            break;
        case ImportResult::Cancelled:
            report.bCancelled = true;
            break;
    }
}

// How far the adding has come, shown when more than a few files are added, or once one file
// has taken longer than a moment; its Cancel stops the adding, at once even in the middle of
// a file. While a file is read the windows keep being drawn.
class CAddingProgress {
public:
    CAddingProgress(wxWindow* owner, const std::vector<std::string>& files)
        : m_pOwner(owner), m_files(files) {
        if (files.size() > kFilesWithoutProgress) {
            Show();
        }
    }
    // Before file `i`: false when the parent cancelled.
    bool Next(std::size_t i) {
        m_nCurrent = i;
        m_started = std::chrono::steady_clock::now();
        return !m_progress || m_progress->Update(static_cast<int>(i), Message());
    }
    // While file `i` is read.
    bool Waiting() {
        if (!m_progress && std::chrono::steady_clock::now() - m_started > kPatience) {
            Show();
        }
        if (m_progress) {
            return m_progress->Update(static_cast<int>(m_nCurrent), Message());
        }
        // The windows are drawn; what the parent does waits until the file is done.
        if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) {
            loop->YieldFor(wxEVT_CATEGORY_UI);
        }
        return true;
    }

private:
    static constexpr auto kPatience = std::chrono::seconds(1);
    wxString Message() const {
        return wxString::FromUTF8(FormatString(
            IDS_ADDING_FILE, std::to_string(m_nCurrent + 1), std::to_string(m_files.size()),
            ReadableUtf8(PathFindFileName(m_files[m_nCurrent]))));
    }
    void Show() {
        m_progress.emplace(wxString::FromUTF8(LoadString(IDS_ADDING_FILES)), Message(),
                           static_cast<int>(m_files.size()), m_pOwner,
                           wxPD_APP_MODAL | wxPD_CAN_ABORT | wxPD_AUTO_HIDE);
    }

    wxWindow* m_pOwner;
    const std::vector<std::string>& m_files;
    std::size_t m_nCurrent = 0;
    std::chrono::steady_clock::time_point m_started = std::chrono::steady_clock::now();
    std::optional<wxProgressDialog> m_progress;
};
}  // namespace

bool ImportLibraryFile(wxWindow* owner, const FileConversion& conversion, const std::string& from,
                       const std::string& to) {
    ImportReport report;
    {
        const std::vector<std::string> files{from};
        CAddingProgress progress(owner, files);
        CImportWaiter waiter([&progress] { return progress.Waiting(); });
        progress.Next(0);
        Import(owner, &conversion, from, to, report);
    }
    report.Tell(owner, conversion);
    return report.notReadable.empty() && !report.bCancelled;
}

void CopyFilesInto(wxWindow* owner, const std::vector<std::string>& given,
                   const std::string& folder, int idQuestion, const FileConversion* conversion) {
    // A voice goes after the photos, so that it finds the bitmap of its name made.
    std::vector<std::string> chosen = given;
    if (conversion != nullptr) {
        std::stable_partition(chosen.begin(), chosen.end(), [conversion](const std::string& path) {
            return &conversion->For(PathFindFileName(path)) == conversion;
        });
    }
    ImportReport report;
    {
        // What was added before a Cancel stays, and no file is left half written.
        CAddingProgress progress(owner, chosen);
        CImportWaiter waiter([&progress] { return progress.Waiting(); });
        for (std::size_t i = 0; i < chosen.size() && !report.bCancelled; ++i) {
            const std::string& path = chosen[i];
            if (!progress.Next(i)) {
                break;
            }
            std::string name = PathFindFileName(path);
            const FileConversion* kind = conversion != nullptr ? &conversion->For(name) : nullptr;
            if (kind != nullptr && !kind->Takes(name)) {
                // Dropped from a file manager: a folder, or a file of no kind the folder
                // keeps, is named at the end without a question about what it would replace.
                ImportReport::Add(report.notReadable, path);
                continue;
            }
            const std::size_t dot = name.rfind('.');
            const std::string stem = name.substr(0, dot == 0 ? std::string::npos : dot);
            if (kind != nullptr && kind != conversion && conversion->idAlone != 0 &&
                !PathFileExists(PathJoin(folder, stem + conversion->extension))) {
                ImportReport::Add(report.alone, path);
                continue;
            }
            if (kind != nullptr && !IsOwnFormat(name, *kind)) {
                name = stem + kind->extension;
            }
            const std::string destination = PathJoin(folder, name);
            // The questions are asked over the dialog that adds: the progress dialog is one
            // the toolkit takes for about to go, and would not be their owner.
            if (PathFileExists(destination)) {
                const int answer = MessageBox(owner, FormatString(idQuestion, destination),
                                              LoadString(IDS_INFORMATION),
                                              MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2);
                if (answer == IDCANCEL) {
                    break;
                }
                if (answer != IDYES) {
                    continue;
                }
            }
            try {
                Import(owner, kind, path, destination, report);
            } catch (...) {
                // No memory for this file (a very large one): it is named with the files
                // that could not be read, and the adding goes on.
                ImportReport::Add(report.notReadable, path);
            }
        }
    }
    if (conversion != nullptr) {
        report.Tell(owner, *conversion);
    }
}
