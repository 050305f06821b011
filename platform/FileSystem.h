// File system operations of the program, with Windows' habits on a case-sensitive disk:
// a path that does not exist as spelled is looked up again ignoring the case of each
// component, so libraries copied from Windows keep working.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// "%s\Name": the directory, one separator and the name.
std::string PathJoin(std::string_view dir, std::string_view name);
// The folder that holds `path` ("." for a bare name, "/" for the root's entries), and the
// name after the last separator.
std::string FolderOf(const std::string& path);
std::string PathFindFileName(const std::string& path);
// Makes a rename of `path` reach the disk, with the folder that holds it.
void SyncFolder(const std::string& path);

// The path of an existing entry that matches `path` ignoring case, or `path` itself when
// it exists as spelled or nothing matches.
std::string ResolvePath(const std::string& path);

// The path a new file should be written at: an existing file of the same name in any case
// is replaced rather than doubled.
std::string ResolvePathForWrite(const std::string& path);

bool PathFileExists(const std::string& path);
bool PathIsDirectory(const std::string& path);

// On failure, the operations below say why in `reason`, when given, in the system's words.

// Copies a whole file through a temporary file that then takes the destination's place: a
// symbolic link there is replaced as a link, never written through. A copy onto itself does
// nothing.
// Reads a whole regular file, never blocking, into `data`, which grows with what arrives;
// false when it cannot be read or holds more than `maxBytes`.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& data,
                   std::uint64_t maxBytes);
// Writes `data` as the whole of `path`, replacing the folder's entry, under a temporary name
// renamed into place; on failure, `reason` says why.
bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& data,
                    std::string* reason);
bool CopyFile(const std::string& from, const std::string& to, bool bFailIfExists,
              std::string* reason = nullptr);
// The copy itself, once the system's side of CopyFile has settled which file goes where: the
// source read through CFile, the target written whole through a temporary.
bool CopyFileData(const std::string& source, const std::string& target, std::string* reason);
// One folder level.
bool CreateDirectory(const std::string& path, std::string* reason = nullptr);
// Removes one file; a symbolic link goes as a link, never what it points to.
bool DeleteFile(const std::string& path, std::string* reason = nullptr);
// Removes an empty folder, or a symbolic link to one as a link.
bool RemoveDirectory(const std::string& path, std::string* reason = nullptr);
bool PathIsLink(const std::string& path);
// Whether the folder that holds `path`, with every link on the way followed, is `folder` or
// lies inside it: what is done to `path` then stays inside `folder`.
bool PathLiesWithin(const std::string& path, const std::string& folder);
// A folder and every missing folder above it; true when the folder is there afterwards.
bool CreateDirectories(const std::string& path);
// The running user may create and replace files in the folder `path`.
bool PathIsWritable(const std::string& path);
// The path with every symbolic link, "." and ".." resolved; `path` itself when it does not
// exist.
std::string CanonicalPath(const std::string& path);
// Copies the folder tree `from` into `to`, making folders as needed. A file that already
// exists in `to` is never replaced; symbolic links and other special files are left out, and
// so are the entries directly in `from` named in `skipNames`. True when every file that was
// missing could be copied.
bool CopyMissingFiles(const std::string& from, const std::string& to,
                      const std::vector<std::string>& skipNames = {});

// The path of an existing file as the system's narrow-character calls take it (the help
// viewer's): on Windows, in the code page of those calls, through the file's short name where
// that code page cannot spell it; the path itself elsewhere.
std::string NarrowSystemPath(const std::string& path);

// The other way: a path from the system's narrow-character calls as UTF-8.
std::string Utf8FromNarrowSystemPath(const std::string& path);

// An XDG base directory: `variable` when it holds an absolute path, else `homeRelative` in
// the user's home folder; empty when neither is known.
std::string XdgBaseDirectory(const char* variable, const char* homeRelative);

// The full path of the running executable; false when it cannot be had.
bool GetModuleFileName(std::string& path);

std::string ToUpper(std::string_view text);
