// The play options, the program's directory and the one run-time flag of a game, kept in
// the settings file "Nuv.ini" in the application directory (see common/AppDirectory.h): nine
// 32-bit little-endian integers.
#pragma once

#include <string>

#include "platform/WinTypes.h"

class CSettings {
public:
    CSettings();
    ~CSettings();
    CSettings(const CSettings&) = delete;
    CSettings& operator=(const CSettings&) = delete;

    // Recomputes the paths and reads the file; false (with the defaults in force) unless all
    // nine values were read.
    bool Load();
    // Reads the file at m_strIniPath, as Load does once it has the paths.
    bool Read();
    // Writes the nine values whole where the file may be written; never throws and reports
    // nothing.
    void Save();
    void SetDefaults();
    // The save at process exit: Save, unless the last Load met a file it could not read.
    void SaveAtExit();

    BOOL m_bClearBackground;
    BOOL m_bRandomColor;
    int m_nTimeLimit;  // minutes
    int m_nKeyDelay;   // milliseconds
    std::string m_strIniPath;
    std::string m_strAppDir;
    BOOL m_bKeyDelay;
    COLORREF m_crBackground;
    BOOL m_bPlaying;
    BOOL m_bTimeLimit;
    BOOL m_bAutoDisplay;
    int m_nAutoDisplay;  // seconds

private:
    void ComputePaths();

    // The last Load found a settings file it could not open or read (no permission, not a
    // regular file); the save at exit then leaves it alone rather than replace it with the
    // defaults.
    bool m_bFileUnreadable = false;
};

extern CSettings theSettings;

// Records the application directory in the key store ("AppPath"); silent on failure.
void RegisterAppPath();
