#include "common/Settings.h"

#include <cstdint>

#include "common/AppDirectory.h"
#include "core/Archive.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/KeyStore.h"
#include "platform/SystemPlaces.h"

CSettings theSettings;

CSettings::CSettings() : m_bPlaying(0) {
    Load();
}

CSettings::~CSettings() {
    try {
        SaveAtExit();
    } catch (...) {
        // The process is ending; a settings file that cannot be written stays as it was.
    }
}

void CSettings::SetDefaults() {
    m_bRandomColor = 0;
    m_bClearBackground = 1;
    m_nKeyDelay = 300;
    m_nTimeLimit = 10;
    m_bKeyDelay = 1;
    m_crBackground = 0x00FF0000;
    m_bTimeLimit = 1;
    m_bAutoDisplay = 1;
    m_nAutoDisplay = 5;
}

void CSettings::ComputePaths() {
    std::string module;
    if (!GetModuleFileName(module)) {
        m_strAppDir.clear();
        m_strIniPath.clear();
        return;
    }
    const std::string exeDir = FolderOf(module);
    m_strAppDir = ChooseAppDir(exeDir, ShippedDataDir(exeDir), UserDataHome());
    m_strIniPath = PathJoin(m_strAppDir, "Nuv.ini");
}

bool CSettings::Load() {
    ComputePaths();
    return Read();
}

bool CSettings::Read() {
    m_bFileUnreadable = false;
    CFile file;
    if (m_strIniPath.empty() || !file.Open(m_strIniPath, CFile::modeRead)) {
        m_bFileUnreadable = !m_strIniPath.empty() && PathFileExists(m_strIniPath);
        SetDefaults();
        return false;
    }
    CArchive ar(file, CArchive::load);
    std::int32_t values[9];
    for (std::int32_t& value : values) {
        if (!ar.ReadInt(value)) {
            m_bFileUnreadable = file.ReadFailed();
            SetDefaults();
            return false;
        }
    }
    m_bRandomColor = values[0];
    m_bClearBackground = values[1];
    m_nKeyDelay = values[2];
    m_nTimeLimit = values[3];
    m_bKeyDelay = values[4];
    m_crBackground = static_cast<COLORREF>(values[5]);
    m_bTimeLimit = values[6];
    m_bAutoDisplay = values[7];
    m_nAutoDisplay = values[8];
    return true;
}

void CSettings::Save() {
    CFile file;
    if (m_strIniPath.empty() || !file.Open(m_strIniPath, CFile::modeCreate | CFile::modeWrite)) {
        return;
    }
    CArchive ar(file, CArchive::store);
    ar.WriteInt(m_bRandomColor);
    ar.WriteInt(m_bClearBackground);
    ar.WriteInt(m_nKeyDelay);
    ar.WriteInt(m_nTimeLimit);
    ar.WriteInt(m_bKeyDelay);
    ar.WriteInt(static_cast<std::int32_t>(m_crBackground));
    ar.WriteInt(m_bTimeLimit);
    ar.WriteInt(m_bAutoDisplay);
    ar.WriteInt(m_nAutoDisplay);
    if (ar.Flush()) {
        file.Close();
    }
}

void CSettings::SaveAtExit() {
    if (!m_bFileUnreadable) {
        Save();
    }
}

void RegisterAppPath() {
    static const char* const kKeys[][3] = {
        {"SOFTWARE\\Quorvel", "SOFTWARE", "Quorvel"},
        {"SOFTWARE\\Quorvel\\Plinkapad", "SOFTWARE\\Quorvel", "Plinkapad"},
        {"SOFTWARE\\Quorvel\\Plinkapad\\2.0", "SOFTWARE\\Quorvel\\Plinkapad", "2.0"},
    };
    for (const auto& key : kKeys) {
        if (!KeyStoreKeyExists(key[0]) && !KeyStoreCreateKey(key[1], key[2])) {
            return;
        }
    }
    KeyStoreSetValue("SOFTWARE\\Quorvel\\Plinkapad\\2.0", "AppPath", theSettings.m_strAppDir);
}
