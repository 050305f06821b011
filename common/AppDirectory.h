// Where the program keeps its settings file and picture library: the application directory.
//
// A portable copy of the program (its build folder, or that folder copied anywhere) keeps them
// beside the executable, as it always has, as long as the user may write there. An installed
// program keeps its shipped data read-only in a folder of its own (platform/SystemPlaces.h) and
// gives every user an application directory under their data home, filled with a copy of the
// shipped data at the first start. The executable and the help viewer module stay where they
// were installed.
#pragma once

#include <string>

// The file that tells a per-user application directory has had its copy of the shipped data.
extern const char* const APP_DIR_FILLED_MARKER;

// The shipped data of an installed program, found from the executable's folder; for a
// portable copy, which has no such folder, the executable's folder itself.
std::string ShippedDataDir(const std::string& exeDir);

// The application directory for a program in `exeDir` whose shipped data is in `shippedDir`,
// for a user whose data home is `dataHome` (empty when unknown):
//  - `exeDir`, when the data is shipped beside the executable, the user may write there and
//    it is not a folder the system shares between users (Windows' Program Files);
//  - otherwise `dataHome`/APP_DIR_NAME, made as needed. Unless it holds the marker, it first gets
//    the shipped files it lacks (nothing there is ever replaced), then the marker once every
//    file is in. So a parent's changes survive every start, and a sample group the parent
//    deleted stays deleted; deleting the marker brings back only what is missing;
//  - `shippedDir` itself, read-only, when no per-user folder can be made.
std::string ChooseAppDir(const std::string& exeDir, const std::string& shippedDir,
                         const std::string& dataHome);
