#include "platform/FileSystem.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/File.h"
#include "platform/windows/WideText.h"

namespace fs = std::filesystem;

namespace {

bool Done(BOOL result, std::string* reason) {
    if (!result && reason != nullptr) {
        *reason = ErrorText(GetLastError());
    }
    return result != 0;
}

DWORD Attributes(const std::string& path) {
    return GetFileAttributesW(WidePath(path).c_str());
}

fs::path FsPath(const std::string& path) {
    return fs::path(WidePath(path));
}

}  // namespace

// Windows writes a file's data and its name to the disk with the rename.
void SyncFolder(const std::string&) {}

// Windows finds a name in any case by itself.
std::string ResolvePath(const std::string& path) {
    return path;
}

std::string ResolvePathForWrite(const std::string& path) {
    return path;
}

bool PathFileExists(const std::string& path) {
    return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool PathIsDirectory(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The copy replaces the destination's entry, whatever it is, and never writes through it.
bool CopyFile(const std::string& from, const std::string& to, bool bFailIfExists,
              std::string* reason) {
    if (bFailIfExists && PathFileExists(to)) {
        if (reason != nullptr) {
            *reason = ErrorText(ERROR_FILE_EXISTS);
        }
        return false;
    }
    std::error_code ec;
    if (PathFileExists(to) && fs::equivalent(FsPath(from), FsPath(to), ec)) {
        return true;
    }
    return CopyFileData(from, to, reason);
}

bool CreateDirectory(const std::string& path, std::string* reason) {
    return Done(CreateDirectoryW(WidePath(path).c_str(), nullptr), reason);
}

bool DeleteFile(const std::string& path, std::string* reason) {
    return Done(DeleteFileW(WidePath(path).c_str()), reason);
}

bool RemoveDirectory(const std::string& path, std::string* reason) {
    return Done(RemoveDirectoryW(WidePath(path).c_str()), reason);
}

// A junction or a symbolic link: Windows' links are reparse points.
bool PathIsLink(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool PathLiesWithin(const std::string& path, const std::string& folder) {
    std::error_code ec;
    const fs::path root = fs::weakly_canonical(FsPath(folder), ec);
    if (ec) {
        return false;
    }
    const fs::path parent = fs::weakly_canonical(FsPath(FolderOf(path)), ec);
    if (ec) {
        return false;
    }
    auto [rootEnd, parentAt] =
        std::mismatch(root.begin(), root.end(), parent.begin(), parent.end());
    return rootEnd == root.end();
}

bool CreateDirectories(const std::string& path) {
    std::error_code ec;
    fs::create_directories(FsPath(path), ec);
    return PathIsDirectory(path);
}

bool PathIsWritable(const std::string& path) {
    // A file made and removed says more than the attributes, which say nothing of the rights.
    const std::string probe = PathJoin(path, ".plinkapad-write-test");
    HANDLE file = CreateFileW(WidePath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

std::string CanonicalPath(const std::string& path) {
    std::error_code ec;
    const fs::path canonical = fs::weakly_canonical(FsPath(path), ec);
    return ec ? path : ProgramPath(canonical.wstring());
}

std::string NarrowSystemPath(const std::string& path) {
    const auto narrow = [](const std::wstring& wide, bool& bExact) {
        BOOL bLost = FALSE;
        const int n =
            WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(),
                                static_cast<int>(wide.size()), nullptr, 0, nullptr, &bLost);
        std::string text(static_cast<std::size_t>(std::max(n, 0)), '\0');
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(),
                            static_cast<int>(wide.size()), text.data(), n, nullptr, &bLost);
        bExact = !bLost;
        return text;
    };
    const std::wstring wide = WidePath(path);
    bool bExact = false;
    std::string text = narrow(wide, bExact);
    if (bExact) {
        return text;
    }
    std::wstring shortName(MAX_PATH, L'\0');
    const DWORD n =
        GetShortPathNameW(wide.c_str(), shortName.data(), static_cast<DWORD>(shortName.size()));
    if (n == 0 || n >= shortName.size()) {
        return text;
    }
    shortName.resize(n);
    return narrow(shortName, bExact);
}

std::string Utf8FromNarrowSystemPath(const std::string& path) {
    const int n =
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(n, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), static_cast<int>(path.size()), wide.data(), n);
    return Utf8FromWide(wide);
}

// No XDG on Windows: its places come from platform/windows/SystemPlaces.cpp.
std::string XdgBaseDirectory(const char*, const char*) {
    return {};
}

bool GetModuleFileName(std::string& path) {
    std::wstring module(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
        if (n == 0) {
            return false;
        }
        if (n < module.size()) {
            module.resize(n);
            break;
        }
        module.resize(module.size() * 2);
    }
    path = ProgramPath(module);
    return true;
}
