#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

#include "platform/File.h"

namespace fs = std::filesystem;

void SyncFolder(const std::string& path) {
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

static bool Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

namespace {

// The names of one folder by their upper-case spelling, as long as the folder is unchanged.
struct FolderNames {
    std::string dir;
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    std::unordered_map<std::string, std::string> byUpper;
    std::unordered_set<std::string> exact;  // only names that share an upper-case spelling
};

bool SameFolder(const FolderNames& names, const std::string& dir, const struct stat& st) {
    return names.dir == dir && names.device == st.st_dev && names.inode == st.st_ino &&
           names.modified.tv_sec == st.st_mtim.tv_sec &&
           names.modified.tv_nsec == st.st_mtim.tv_nsec;
}

}  // namespace

// Finds `name` in `dir` ignoring case. A game looks up a sound beside every picture, most of
// them missing, so the last few folders' listings are kept while they stay unchanged.
enum class Lookup { NoFolder, Missing, Found };

static Lookup LookUpNoCase(const std::string& dir, const std::string& name, std::string& found) {
    static std::array<FolderNames, 128> cache;
    static std::size_t next = 0;
    struct stat st;
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        return Lookup::NoFolder;
    }
    FolderNames* names = nullptr;
    for (FolderNames& entry : cache) {
        if (SameFolder(entry, dir, st)) {
            names = &entry;
            break;
        }
    }
    if (names == nullptr) {
        std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(dir.c_str()), ::closedir);
        if (!folder) {
            return Lookup::NoFolder;
        }
        // A folder changed within the last seconds may change again without its time
        // moving on a coarse file system: its listing is used once and not kept.
        static FolderNames once;
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        const bool bSettled = now.tv_sec - st.st_mtim.tv_sec > 2;
        names = bSettled ? &cache[next] : &once;
        if (bSettled) {
            next = (next + 1) % cache.size();
        }
        *names = FolderNames{dir, st.st_dev, st.st_ino, bSettled ? st.st_mtim : timespec{}, {}, {}};
        while (const dirent* e = ::readdir(folder.get())) {
            auto [it, bNew] = names->byUpper.emplace(ToUpper(e->d_name), e->d_name);
            if (!bNew) {
                names->exact.insert(it->second);
                names->exact.insert(e->d_name);
            }
        }
    }
    auto hit = names->byUpper.find(ToUpper(name));
    if (hit == names->byUpper.end()) {
        return Lookup::Missing;
    }
    // Several spellings of one name: the one asked for wins when it is there.
    found = names->exact.count(name) != 0 ? name : hit->second;
    return Lookup::Found;
}

static bool FindNoCase(const std::string& dir, const std::string& name, std::string& found) {
    return LookUpNoCase(dir, name, found) == Lookup::Found;
}

// A name that exists as spelled is always the one meant: folders "abc" and "ABC" can both
// exist. Only a path that does not is looked up again ignoring case.
std::string ResolvePath(const std::string& path) {
    if (path.empty() || Exists(path)) {
        return path;
    }
    // Most often the folder is spelled right, and its listing answers for the name.
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0) {
        std::string found;
        switch (LookUpNoCase(path.substr(0, slash), path.substr(slash + 1), found)) {
            case Lookup::Found:
                return path.substr(0, slash + 1) + found;
            case Lookup::Missing:
                return path;
            case Lookup::NoFolder:
                break;
        }
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

bool PathFileExists(const std::string& path) {
    if (Exists(path)) {
        return true;
    }
    const std::string resolved = ResolvePath(path);
    return resolved != path && Exists(resolved);
}

bool PathIsDirectory(const std::string& path) {
    struct stat st;
    return ::stat(ResolvePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

static bool Done(int result, std::string* reason) {
    if (result != 0 && reason != nullptr) {
        *reason = std::strerror(errno);
    }
    return result == 0;
}

// The copy replaces the destination's entry, whatever it is, and never writes through it.
bool CopyFile(const std::string& from, const std::string& to, bool bFailIfExists,
              std::string* reason) {
    const std::string source = ResolvePath(from);
    const std::string target = ResolvePathForWrite(to);
    struct stat from_st, to_st;
    if (::lstat(target.c_str(), &to_st) == 0) {
        if (bFailIfExists) {
            if (reason != nullptr) {
                *reason = std::strerror(EEXIST);
            }
            return false;
        }
        if (::stat(source.c_str(), &from_st) == 0 && from_st.st_dev == to_st.st_dev &&
            from_st.st_ino == to_st.st_ino) {
            return true;
        }
    }
    return CopyFileData(source, target, reason);
}

bool CreateDirectory(const std::string& path, std::string* reason) {
    return Done(::mkdir(ResolvePathForWrite(path).c_str(), 0777), reason);
}

bool DeleteFile(const std::string& path, std::string* reason) {
    return Done(::unlink(ResolvePath(path).c_str()), reason);
}

static bool IsLink(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool RemoveDirectory(const std::string& path, std::string* reason) {
    const std::string resolved = ResolvePath(path);
    return Done(IsLink(resolved) ? ::unlink(resolved.c_str()) : ::rmdir(resolved.c_str()), reason);
}

bool PathIsLink(const std::string& path) {
    return IsLink(ResolvePath(path));
}

bool PathLiesWithin(const std::string& path, const std::string& folder) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return false;
    }
    std::unique_ptr<char, void (*)(void*)> within(::realpath(folder.c_str(), nullptr), std::free);
    std::unique_ptr<char, void (*)(void*)> parent(
        ::realpath(ResolvePath(slash == 0 ? "/" : path.substr(0, slash)).c_str(), nullptr),
        std::free);
    if (!within || !parent) {
        return false;
    }
    const std::string root = within.get(), real = parent.get();
    return real == root || (real.size() > root.size() && real.compare(0, root.size(), root) == 0 &&
                            (root == "/" || real[root.size()] == '/'));
}

bool CreateDirectories(const std::string& path) {
    for (std::size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos == path.size() || path[pos] == '/') {
            ::mkdir(path.substr(0, pos).c_str(), 0777);
        }
    }
    return PathIsDirectory(path);
}

bool PathIsWritable(const std::string& path) {
    return ::access(ResolvePath(path).c_str(), W_OK | X_OK) == 0;
}

std::string CanonicalPath(const std::string& path) {
    std::error_code ec;
    fs::path canonical = fs::canonical(ResolvePath(path), ec);
    return ec ? path : canonical.string();
}

std::string NarrowSystemPath(const std::string& path) {
    return path;
}

std::string Utf8FromNarrowSystemPath(const std::string& path) {
    return path;
}

std::string XdgBaseDirectory(const char* variable, const char* homeRelative) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value == '/') {
        return value;
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return {};
    }
    return PathJoin(home, homeRelative);
}

bool GetModuleFileName(std::string& path) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return false;
    }
    path = exe.string();
    return true;
}
