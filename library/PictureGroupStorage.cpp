#include "library/PictureGroupStorage.h"

#include <algorithm>

#include "core/Archive.h"
#include "core/TextEncoding.h"
#include "platform/File.h"
#include "platform/FileFind.h"
#include "platform/FileSystem.h"
#include "platform/StagingFolder.h"
#include "platform/Uuid.h"

const char* const CUT_LIST_NAME = "cutshow.ini";

// More pictures than a child's picture group ever holds, and room for as many long names.
constexpr std::size_t kMaxCutNames = 65536;
constexpr std::uint64_t kMaxCutListBytes = 16u << 20;

constexpr unsigned kWriteWhole = CFile::modeCreate | CFile::modeWrite | CFile::modeReplaceEntry;

bool IsDefaultSoundsFolder(const std::string& folderName) {
    return ToUpper(folderName) == "DEFVOICE";
}

std::string GroupFilePath(const std::string& groupFolder, const std::string& folderName) {
    return PathJoin(groupFolder, folderName + ".ini");
}

std::vector<PictureGroupEntry> ListPictureGroups(const std::string& appDir) {
    std::vector<PictureGroupEntry> groups;
    CFileFind finder;
    BOOL bWorking = finder.FindFile(PathJoin(appDir, "*.*"));
    while (bWorking) {
        bWorking = finder.FindNextFile();
        if (finder.IsDots() || !finder.IsDirectory() ||
            IsDefaultSoundsFolder(finder.GetFileName())) {
            continue;
        }
        PictureGroupEntry group;
        group.folder = finder.GetFileName();
        group.path = PathJoin(appDir, group.folder);
        const std::string file = GroupFilePath(group.path, group.folder);
        BOOL bDisplay = 0;
        // A description file that cannot be read still makes its folder a group, not displayed.
        const bool bRead = ReadGroupFile(file, group.name, group.description, bDisplay);
        if (bRead || PathFileExists(file)) {
            group.bDisplay = bRead ? bDisplay : 0;
            groups.push_back(std::move(group));
        }
    }
    return groups;
}

bool ReadGroupFile(const std::string& path, std::string& name, std::string& description,
                   BOOL& bDisplay) {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone)) {
        return false;
    }
    CArchive ar(file, CArchive::load);
    std::int32_t flag;
    if (!ar.ReadString(name) || !ar.ReadString(description) || !ar.ReadInt(flag)) {
        return false;
    }
    bDisplay = flag;
    return true;
}

namespace {
// True when `bOk`; otherwise the file's reason, when asked for.
bool Report(bool bOk, const CFile& file, std::string* reason) {
    if (!bOk && reason != nullptr) {
        *reason = file.ErrorText();
    }
    return bOk;
}
}  // namespace

namespace {
// A text field as the description file stores it. Text the file already holds keeps its
// stored bytes, narrow or wide, whatever the program that wrote them. New text is stored
// as Windows copies read it: in Windows-1252 where every character has a place there, in the
// wide form otherwise. Bytes that are no UTF-8 came from a narrow field and stay as they are.
void WriteGroupText(CArchive& ar, const std::string& text, const std::string* storedText,
                    const std::string* stored) {
    std::string narrow;
    if (storedText != nullptr && *storedText == text) {
        ar.WriteStoredString(*stored);
    } else if (!IsUtf8(text)) {
        ar.WriteString(text);
    } else if (Windows1252FromUtf8(text, narrow)) {
        ar.WriteString(narrow);
    } else {
        ar.WriteWideString(Utf16FromUtf8(text));
    }
}
}  // namespace

bool WriteGroupFile(const std::string& path, const std::string& name,
                    const std::string& description, BOOL bDisplay, std::string* reason) {
    // The fields the file holds now, as text and as stored.
    std::string oldName, oldDescription, storedName, storedDescription;
    bool bNameRead = false, bDescriptionRead = false;
    {
        CFile old;
        if (old.Open(path, CFile::modeRead | CFile::shareDenyNone)) {
            CArchive ar(old, CArchive::load);
            bNameRead = ar.ReadString(oldName, &storedName);
            bDescriptionRead = bNameRead && ar.ReadString(oldDescription, &storedDescription);
        }
    }
    CFile file;
    if (!Report(file.Open(path, kWriteWhole), file, reason)) {
        return false;
    }
    CArchive ar(file, CArchive::store);
    WriteGroupText(ar, name, bNameRead ? &oldName : nullptr, &storedName);
    WriteGroupText(ar, description, bDescriptionRead ? &oldDescription : nullptr,
                   &storedDescription);
    ar.WriteInt(bDisplay);
    return Report(ar.Flush() && file.Close(), file, reason);
}

std::vector<std::string> ReadCutList(const std::string& groupFolder) {
    std::vector<std::string> names;
    CFile file;
    if (!file.Open(CutListPath(groupFolder), CFile::modeRead | CFile::shareDenyNone)) {
        return names;
    }
    CArchive ar(file, CArchive::load);
    std::int32_t count;
    if (!ar.ReadInt(count) || count <= 0) {
        return names;
    }
    // Names are kept as they arrive, never more than a group can hold pictures and never
    // beyond the first kMaxCutListBytes of the file; the places of names the file does not
    // hold would stay empty and match no picture, so they are not made at all.
    const std::size_t claimed = static_cast<std::uint32_t>(count);
    while (names.size() < std::min(claimed, kMaxCutNames) &&
           file.GetPosition() <= kMaxCutListBytes) {
        std::string name;
        if (!ar.ReadString(name)) {
            break;
        }
        names.push_back(std::move(name));
    }
    return names;
}

bool WriteCutList(const std::string& groupFolder, const std::vector<std::string>& names,
                  std::string* reason) {
    CFile file;
    if (!Report(file.Open(CutListPath(groupFolder), kWriteWhole), file, reason)) {
        return false;
    }
    CArchive ar(file, CArchive::store);
    ar.WriteInt(static_cast<std::int32_t>(names.size()));
    for (const std::string& name : names) {
        ar.WriteString(name);
    }
    return Report(ar.Flush() && file.Close(), file, reason);
}

bool CreatePictureGroup(const std::string& groupFolder, const std::string& folderName,
                        const std::string& name, const std::string& description,
                        std::string& failedPath, std::string& reason) {
    CStagingFolder staging;
    failedPath = groupFolder;
    if (!staging.Create(groupFolder, reason)) {
        return false;
    }
    if (!WriteGroupFile(GroupFilePath(staging.Path(), folderName), name, description, 1, &reason)) {
        failedPath = GroupFilePath(groupFolder, folderName);
        return false;
    }
    if (!WriteCutList(staging.Path(), {}, &reason)) {
        failedPath = CutListPath(groupFolder);
        return false;
    }
    return staging.Commit(reason);
}

void RemoveUnfinishedGroups(const std::string& appDir) {
    CStagingFolder::RemoveLeftovers(appDir, IsNewGroupFolderName);
}

bool IsNewGroupFolderName(const std::string& name) {
    if (name.size() != 36) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        const bool bHyphen = i == 8 || i == 13 || i == 18 || i == 23;
        if (bHyphen ? c != '-' : !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) {
            return false;
        }
    }
    return true;
}

std::string CutListPath(const std::string& groupFolder) {
    return PathJoin(groupFolder, CUT_LIST_NAME);
}

bool IsInCutList(const std::vector<std::string>& cutNames, const std::string& fileName) {
    return std::find(cutNames.begin(), cutNames.end(), fileName) != cutNames.end();
}

std::string PictureSoundPath(const std::string& picturePath) {
    std::string sound = picturePath.substr(0, picturePath.size() >= 3 ? picturePath.size() - 3 : 0);
    return sound + "wav";
}

std::string NewGroupFolderName() {
    return NewUuidString();
}
