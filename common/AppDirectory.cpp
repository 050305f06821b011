#include "common/AppDirectory.h"

#include <vector>

#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/SystemPlaces.h"

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
    if (shippedDir == exeDir && PathIsWritable(exeDir) && !IsSharedProgramFolder(exeDir)) {
        return exeDir;
    }
    const std::string appDir = dataHome.empty() ? std::string() : PathJoin(dataHome, APP_DIR_NAME);
    if (appDir.empty() || !CreateDirectories(appDir)) {
        return shippedDir;
    }
    const std::string marker = PathJoin(appDir, APP_DIR_FILLED_MARKER);
    // What a portable copy holds beside its data that is the program itself stays there.
    std::vector<std::string> programFiles = ProgramFileNames();
    programFiles.push_back("samples.stamp");  // the build's own record
    if (!PathFileExists(marker) && PathIsDirectory(shippedDir) &&
        CopyMissingFiles(shippedDir, appDir, programFiles)) {
        WriteMarker(marker);
    }
    return appDir;
}
