// Where this system puts a program's files: where an installation keeps its shipped data,
// where each user's own data goes, and the names of the program's own files. The rules built
// on them (common/AppDirectory.h) are the same on every system.
#pragma once

#include <string>
#include <vector>

// Where an installed program's shipped data lies, relative to the executable's folder.
extern const char* const SHIPPED_DATA_FROM_PROGRAM;

// The help viewer module's file name, loaded by that name from beside the executable.
extern const char* const HELP_VIEWER_MODULE;

// The folder under which each user's own data of programs lives (the XDG data home on
// Linux); empty when it cannot be known.
std::string UserDataHome();

// The program's own files, which a portable copy holds beside its data and a user's copy of
// that data leaves out: the executable, the help viewer module and the import program.
std::vector<std::string> ProgramFileNames();
