// The picture library on disk. A picture group is a folder X of the application directory,
// other than "DefVoice", that holds its description file X/X.ini (name, description and
// display flag); its pictures are its *.bmp files, a picture's own sound lies beside it with
// the extension "wav", and "cutshow.ini" lists the pictures drawn with their background cut
// away.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

struct PictureGroupEntry {
    std::string folder;  // the folder's name as the file system reports it
    std::string path;    // application directory + "/" + folder
    // The description file as the listing read it: the fields read before any damage; the
    // display flag counts only when all three fields were read, and is 0 otherwise.
    std::string name;
    std::string description;
    BOOL bDisplay = 0;
};

// The groups of `appDir`, in the order of the enumeration, each with its description file
// read in the same pass (one open a group, however many groups there are).
std::vector<PictureGroupEntry> ListPictureGroups(const std::string& appDir);

// group folder + "/" + folder name + ".ini"
std::string GroupFilePath(const std::string& groupFolder, const std::string& folderName);

// Reads as many of the three fields as the file holds; true only when all three were read.
// Fields not read keep the values they had.
bool ReadGroupFile(const std::string& path, std::string& name, std::string& description,
                   BOOL& bDisplay);
// Writers: true when the whole file reached the disk; otherwise the old file stays as it
// was, and `reason`, when given, says why in the system's words. A link in the file's place
// is replaced, never written through.
// A name or description that is the text the file already holds is written as the file
// stores it (narrow or wide); other text, typed as UTF-8, is written in Windows-1252 where it
// fits and in the wide form otherwise, as Windows copies of the program read it.
bool WriteGroupFile(const std::string& path, const std::string& name,
                    const std::string& description, BOOL bDisplay, std::string* reason = nullptr);

// Makes a new group whole or not at all: the folder `groupFolder`, whose own name is
// `folderName`, with its description file (`name`, `description`, display flag 1) and an empty
// cut list. The folder is filled under a temporary name and then renamed, so a kill never
// leaves a folder without its description file. On failure `failedPath` names what could not
// be made and `reason` says why; nothing is left behind.
bool CreatePictureGroup(const std::string& groupFolder, const std::string& folderName,
                        const std::string& name, const std::string& description,
                        std::string& failedPath, std::string& reason);
// Clears away the temporary folders that a killed CreatePictureGroup left in `appDir`.
void RemoveUnfinishedGroups(const std::string& appDir);

// The names read before any damage; never more than the file holds, nor more than 65536.
std::vector<std::string> ReadCutList(const std::string& groupFolder);
bool WriteCutList(const std::string& groupFolder, const std::vector<std::string>& names,
                  std::string* reason = nullptr);
// group folder + "/cutshow.ini"
std::string CutListPath(const std::string& groupFolder);
extern const char* const CUT_LIST_NAME;
// Exact, case-sensitive: "Dog.bmp" is not on a list that holds "dog.bmp".
bool IsInCutList(const std::vector<std::string>& cutNames, const std::string& fileName);

std::string PictureSoundPath(const std::string& picturePath);
std::string NewGroupFolderName();
// Whether `name` has the form NewGroupFolderName gives: 36 characters, upper-case hexadecimal
// digits with hyphens after the 8th, 12th, 16th and 20th.
bool IsNewGroupFolderName(const std::string& name);

// True when an upper-cased folder name is the default sounds folder's.
bool IsDefaultSoundsFolder(const std::string& folderName);
