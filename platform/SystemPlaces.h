// Where this system puts a program's files: where an installation keeps its shipped data,
// where each user's own data goes, and the names of the program's own files. The rules built
// on them (common/AppDirectory.h) are the same on every system.
#pragma once

#include <string>
#include <vector>

// Where an installed program's shipped data lies, relative to the executable's folder.
extern const char* const SHIPPED_DATA_FROM_PROGRAM;

// Where an installed program's translation catalogs lie, relative to the executable's folder
// (a built or unpacked copy keeps them in "locale" beside it).
extern const char* const CATALOGS_FROM_PROGRAM;

// The module that holds the program's own help viewer where the system's viewer comes first
// (the program itself on Windows, whose HTML Help it stands in for); empty where the viewer
// module is the program's own already.
std::string BuiltInHelpViewer();

// The languages the user reads, best first, as the system names them ("fr", "de_DE.UTF-8",
// "pt-BR"): on Linux LANGUAGE's list and then the locale's language, as gettext takes them;
// on Windows the display languages.
std::vector<std::string> PreferredLanguages();

// The per-user application directory's name in the data home.
extern const char* const APP_DIR_NAME;

// The help viewer module's file name, loaded by that name from beside the executable.
extern const char* const HELP_VIEWER_MODULE;

// The folder under which each user's own data of programs lives (the XDG data home on
// Linux); empty when it cannot be known.
std::string UserDataHome();

// Whether `folder` is where the system installs programs for every user (Windows' Program
// Files): a copy there keeps each user's data in their data home, even where the system lets
// everybody write.
bool IsSharedProgramFolder(const std::string& folder);

// The program's own files, which a portable copy holds beside its data and a user's copy of
// that data leaves out: the executable, the help viewer module, the import program, the
// libraries beside them and the folder of translation catalogs.
std::vector<std::string> ProgramFileNames();
