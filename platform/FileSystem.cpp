#include "platform/FileSystem.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/File.h"

// The program's paths use '/' between names on every system (Windows takes it too); the
// system's side turns what the system gives into that form.

namespace fs = std::filesystem;

std::string PathJoin(std::string_view dir, std::string_view name) {
    std::string path;
    path.reserve(dir.size() + 1 + name.size());
    path.append(dir);
    path.push_back('/');
    path.append(name);
    return path;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string PathFindFileName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);  // npos + 1 is 0: a bare name is its own
}

std::string ToUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

bool CopyFileData(const std::string& source, const std::string& target, std::string* reason) {
    auto fail = [reason](const std::string& why) {
        if (reason != nullptr) {
            *reason = why;
        }
        return false;
    };
    CFile in;
    if (!in.Open(source, CFile::modeRead | CFile::shareDenyNone)) {
        return fail(in.ErrorText());
    }
    CFile out;
    if (!out.Open(target, CFile::modeCreate | CFile::modeWrite | CFile::modeReplaceEntry)) {
        return fail(out.ErrorText());
    }
    char buffer[65536];
    while (const std::size_t n = in.Read(buffer, sizeof buffer)) {
        if (!out.Write(buffer, n)) {
            return fail(out.ErrorText());
        }
    }
    if (in.ReadFailed()) {
        return fail(std::strerror(EIO));
    }
    return out.Close() || fail(out.ErrorText());
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& data,
                   std::uint64_t maxBytes) {
    data.clear();
    CFile in;
    if (!in.Open(path, CFile::modeRead | CFile::shareDenyNone)) {
        return false;
    }
    std::uint8_t chunk[65536];
    while (const std::size_t got = in.Read(chunk, sizeof chunk)) {
        if (data.size() + got > maxBytes) {
            return false;
        }
        data.insert(data.end(), chunk, chunk + got);
    }
    return !in.ReadFailed();
}

bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& data,
                    std::string* reason) {
    CFile out;
    if (out.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::modeReplaceEntry) &&
        out.Write(data.data(), data.size()) && out.Close()) {
        return true;
    }
    if (reason != nullptr) {
        *reason = out.ErrorText();
    }
    out.Abort();
    return false;
}

bool CopyMissingFiles(const std::string& from, const std::string& to,
                      const std::vector<std::string>& skipNames) {
    std::error_code ec;
    fs::directory_iterator it(ResolvePath(from), ec);
    if (ec || !CreateDirectories(to)) {
        return false;
    }
    bool bCopied = true;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        const std::string name = entry.path().filename().string();
        std::error_code type;
        if (std::find(skipNames.begin(), skipNames.end(), name) != skipNames.end() ||
            entry.is_symlink(type)) {
            continue;
        }
        const std::string target = PathJoin(to, name);
        if (entry.is_directory(type)) {
            bCopied = CopyMissingFiles(entry.path().string(), target) && bCopied;
        } else if (entry.is_regular_file(type) && !PathFileExists(target)) {
            bCopied = CopyFile(entry.path().string(), target, true) && bCopied;
        }
    }
    return bCopied && !ec;
}
