#include "platform/FileSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/File.h"

namespace fs = std::filesystem;

std::string PathJoin(std::string_view dir, std::string_view name) {
    std::string path;
    path.reserve(dir.size() + 1 + name.size());
    path.append(dir);
    path.push_back('/');
    path.append(name);
    return path;
}

std::string ToUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

static bool Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// Finds `name` in `dir` ignoring case; an exact match wins.
static bool FindNoCase(const std::string& dir, const std::string& name, std::string& found) {
    std::error_code ec;
    fs::directory_iterator it(dir, ec);
    if (ec) {
        return false;
    }
    bool bFound = false;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (entry == name) {
            found = entry;
            return true;
        }
        if (!bFound && EqualNoCase(entry, name)) {
            found = entry;
            bFound = true;
        }
    }
    return bFound;
}

std::string ResolvePath(const std::string& path) {
    if (path.empty() || Exists(path)) {
        return path;
    }
    // Walk the components, correcting the case of each one that is missing as spelled.
    const bool bAbsolute = path[0] == '/';
    std::string resolved;
    std::size_t pos = 0;
    while (pos < path.size()) {
        std::size_t next = path.find('/', pos);
        if (next == std::string::npos) {
            next = path.size();
        }
        std::string part = path.substr(pos, next - pos);
        pos = next + 1;
        if (part.empty()) {
            continue;
        }
        const bool bFirst = resolved.empty();
        std::string dir = bFirst ? (bAbsolute ? "/" : ".") : resolved;
        std::string prefix = bFirst ? (bAbsolute ? "/" : "") : resolved + "/";
        if (!Exists(prefix + part)) {
            std::string found;
            if (!FindNoCase(dir, part, found)) {
                return path;
            }
            part = found;
        }
        resolved = prefix + part;
    }
    return resolved;
}

std::string ResolvePathForWrite(const std::string& path) {
    std::string resolved = ResolvePath(path);
    if (Exists(resolved)) {
        return resolved;
    }
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return path;
    }
    std::string dir = slash == 0 ? std::string("/") : ResolvePath(path.substr(0, slash));
    return (dir == "/" ? std::string() : dir) + path.substr(slash);
}

bool PathFileExists(const std::string& path) { return Exists(ResolvePath(path)); }

bool PathIsDirectory(const std::string& path) {
    struct stat st;
    return ::stat(ResolvePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CopyFile(const std::string& from, const std::string& to, bool bFailIfExists) {
    std::string source = ResolvePath(from);
    std::string target = ResolvePathForWrite(to);
    std::error_code ec;
    if (Exists(target)) {
        if (bFailIfExists) {
            return false;
        }
        if (fs::equivalent(source, target, ec)) {
            return true;
        }
    }
    CFile in;
    if (!in.Open(source, CFile::modeRead | CFile::shareDenyNone)) {
        return false;
    }
    CFile out;
    if (!out.Open(target, CFile::modeCreate | CFile::modeWrite)) {
        return false;
    }
    char buffer[65536];
    for (;;) {
        std::size_t n = in.Read(buffer, sizeof buffer);
        if (n == 0) {
            break;
        }
        if (!out.Write(buffer, n)) {
            return false;
        }
    }
    return in.ReadFailed() ? false : out.Close();
}

bool DeleteFile(const std::string& path) {
    std::string resolved = ResolvePath(path);
    struct stat st;
    if (::lstat(resolved.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
        return false;
    }
    return ::unlink(resolved.c_str()) == 0;
}

bool CreateDirectory(const std::string& path) {
    return ::mkdir(ResolvePathForWrite(path).c_str(), 0777) == 0;
}

bool RemoveDirectory(const std::string& path) { return ::rmdir(ResolvePath(path).c_str()) == 0; }

bool GetModuleFileName(std::string& path) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return false;
    }
    path = exe.string();
    return true;
}

std::string PathFindFileName(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
