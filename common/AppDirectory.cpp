#include "common/AppDirectory.h"

#include <vector>

#include "common/HelpBinding.h"
#include "platform/File.h"
#include "platform/FileSystem.h"

// The install rules give the path of the shipped data relative to the executable's folder.
#ifndef PLINKAPAD_DATA_FROM_PROGRAM
#define PLINKAPAD_DATA_FROM_PROGRAM "../../share/plinkapad"
#endif

const char* const APP_DIR_NAME = "plinkapad";
const char* const SHIPPED_DATA_FROM_PROGRAM = PLINKAPAD_DATA_FROM_PROGRAM;
const char* const APP_DIR_FILLED_MARKER = ".plinkapad-filled";

std::string ShippedDataDir(const std::string& exeDir) {
    const std::string shipped = PathJoin(exeDir, SHIPPED_DATA_FROM_PROGRAM);
    return PathIsDirectory(shipped) ? CanonicalPath(shipped) : exeDir;
}

static bool WriteMarker(const std::string& path) {
    static const char kText[] =
        "Plinkapad copied its pictures, sounds and settings here once.\n"
        "Delete this file to get back, at the next start, the shipped files that are missing;\n"
        "nothing that is here is replaced.\n";
    CFile file;
    return file.Open(path, CFile::modeCreate | CFile::modeWrite) &&
           file.Write(kText, sizeof kText - 1) && file.Close();
}

std::string ChooseAppDir(const std::string& exeDir, const std::string& shippedDir,
                         const std::string& dataHome) {
    if (shippedDir == exeDir && PathIsWritable(exeDir)) {
        return exeDir;
    }
    const std::string appDir = dataHome.empty() ? std::string() : PathJoin(dataHome, APP_DIR_NAME);
    if (appDir.empty() || !CreateDirectories(appDir)) {
        return shippedDir;
    }
    const std::string marker = PathJoin(appDir, APP_DIR_FILLED_MARKER);
    // What a portable copy holds beside its data that is the program itself stays there.
    const std::vector<std::string> programFiles = {"plinkapad", HELP_VIEWER_MODULE,
                                                   "samples.stamp"};
    if (!PathFileExists(marker) && PathIsDirectory(shippedDir) &&
        CopyMissingFiles(shippedDir, appDir, programFiles)) {
        WriteMarker(marker);
    }
    return appDir;
}
