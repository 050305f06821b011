#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "OtherUser.h"
#include "TestFolder.h"
#include "common/Settings.h"
#include "platform/FileSystem.h"

namespace {

const Bytes kDefaultFile = {0, 0, 0, 0, 1,    0, 0, 0, 0x2C, 0x01, 0, 0, 10, 0, 0, 0, 1, 0,
                            0, 0, 0, 0, 0xFF, 0, 1, 0, 0,    0,    1, 0, 0,  0, 5, 0, 0, 0};

// The settings file lives beside the running executable, so these tests use the test
// program's own folder and put back what they found there.
class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        theSettings.Load();
        m_path = theSettings.m_strIniPath;
        m_bHad = std::filesystem::exists(m_path);
        if (m_bHad) {
            m_saved = ReadBytes(m_path);
        }
        std::filesystem::remove(m_path);
    }
    void TearDown() override {
        theSettings.Load();
        if (m_bHad) {
            WriteBytes(m_path, m_saved);
        } else {
            std::filesystem::remove(m_path);
        }
        theSettings.Load();
    }

    void ExpectDefaults() {
        EXPECT_EQ(theSettings.m_bRandomColor, 0);
        EXPECT_EQ(theSettings.m_bClearBackground, 1);
        EXPECT_EQ(theSettings.m_nKeyDelay, 300);
        EXPECT_EQ(theSettings.m_nTimeLimit, 10);
        EXPECT_EQ(theSettings.m_bKeyDelay, 1);
        EXPECT_EQ(theSettings.m_crBackground, 0x00FF0000u);
        EXPECT_EQ(theSettings.m_bTimeLimit, 1);
        EXPECT_EQ(theSettings.m_bAutoDisplay, 1);
        EXPECT_EQ(theSettings.m_nAutoDisplay, 5);
    }

    std::string m_path;
    bool m_bHad = false;
    Bytes m_saved;
};

}  // namespace

TEST_F(SettingsFile, PathsComeFromTheExecutable) {
    std::string exe;
    ASSERT_TRUE(GetModuleFileName(exe));
    EXPECT_EQ(theSettings.m_strAppDir, exe.substr(0, exe.rfind('/')));
    EXPECT_EQ(theSettings.m_strIniPath, theSettings.m_strAppDir + "/Nuv.ini");
}

TEST_F(SettingsFile, MissingFileGivesDefaultsAndSaveWritesThe36DefaultBytes) {
    theSettings.m_nKeyDelay = 1234;
    EXPECT_FALSE(theSettings.Load());
    ExpectDefaults();
    theSettings.Save();
    EXPECT_EQ(ReadBytes(m_path), kDefaultFile);
}

TEST_F(SettingsFile, ShortFileGivesDefaultsForEveryValue) {
    Bytes shortFile(35, 0x07);
    WriteBytes(m_path, shortFile);
    EXPECT_FALSE(theSettings.Load());
    ExpectDefaults();
}

TEST_F(SettingsFile, LongFileUsesTheFirst36BytesAndSaveTrimsIt) {
    Bytes longFile(36, 0);
    longFile[8] = 0x64;  // key delay 100
    longFile.resize(40, 9);
    WriteBytes(m_path, longFile);
    EXPECT_TRUE(theSettings.Load());
    EXPECT_EQ(theSettings.m_nKeyDelay, 100);
    EXPECT_EQ(theSettings.m_nTimeLimit, 0);
    EXPECT_EQ(theSettings.m_crBackground, 0u);
    theSettings.Save();
    EXPECT_EQ(ReadBytes(m_path), Bytes(longFile.begin(), longFile.begin() + 36));
}

TEST_F(SettingsFile, SaveAndLoadKeepValuesOutsideTheDialogsRanges) {
    theSettings.m_bRandomColor = 7;
    theSettings.m_nTimeLimit = -5;
    theSettings.m_nKeyDelay = 99999;
    theSettings.m_crBackground = 0xAB123456;
    theSettings.m_nAutoDisplay = 0;
    theSettings.m_bPlaying = 1;
    theSettings.Save();
    theSettings.SetDefaults();
    EXPECT_TRUE(theSettings.Load());
    EXPECT_EQ(theSettings.m_bRandomColor, 7);
    EXPECT_EQ(theSettings.m_nTimeLimit, -5);
    EXPECT_EQ(theSettings.m_nKeyDelay, 99999);
    EXPECT_EQ(theSettings.m_crBackground, 0xAB123456u);
    EXPECT_EQ(theSettings.m_nAutoDisplay, 0);
    EXPECT_EQ(theSettings.m_bPlaying, 1);  // never stored, never loaded
    theSettings.m_bPlaying = 0;
}

TEST_F(SettingsFile, SaveToAnUnwritablePlaceChangesNothingAndDoesNotThrow) {
    WriteBytes(m_path, kDefaultFile);
    theSettings.m_strIniPath = "/nonexistent-folder/Nuv.ini";
    theSettings.m_nKeyDelay = 5;
    EXPECT_NO_THROW(theSettings.Save());
    EXPECT_FALSE(std::filesystem::exists("/nonexistent-folder/Nuv.ini"));
    EXPECT_EQ(ReadBytes(m_path), kDefaultFile);
}

TEST_F(SettingsFile, ANamedPipeIsNoSettingsFileAndIsLeftAlone) {
    ASSERT_EQ(::mkfifo(m_path.c_str(), 0644), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(theSettings.Load());
    EXPECT_LT(std::chrono::steady_clock::now() - start, kNeverBlocks);
    ExpectDefaults();
    theSettings.SaveAtExit();
    theSettings.Save();
    EXPECT_TRUE(std::filesystem::is_fifo(m_path));
    std::filesystem::remove(m_path);
}

TEST_F(SettingsFile, AShortFileThatWasReadIsRepairedAtExit) {
    WriteBytes(m_path, Bytes(35, 0x07));
    EXPECT_FALSE(theSettings.Load());
    theSettings.SaveAtExit();
    EXPECT_EQ(ReadBytes(m_path), kDefaultFile);
}

// The other user gets a folder of its own that it can reach wherever the checkout lies (a
// home folder of mode 0700 keeps others out of the build folder), closed to new files.
TEST(SettingsFileOfAnotherUser, AFileThatCouldNotBeReadIsNotReplacedAtExit) {
    if (!CanActAsOtherUser()) {
        GTEST_SKIP() << "needs root to act as another user";
    }
    TestFolder dir;
    SetOwner(dir.Path(), 0, 0, 0755);
    const std::string path = dir / "Nuv.ini";
    // Write-only for its user: the load cannot read it.
    Bytes custom = kDefaultFile;
    custom[8] = 0x64;
    WriteBytes(path, custom);
    SetOwner(path, kNobody, kNobody, 0200);
    EXPECT_EQ(RunAsNobody([&path] {
                  theSettings.m_strIniPath = path;
                  if (theSettings.Read()) {
                      return 1;
                  }
                  theSettings.SaveAtExit();
                  return 0;
              }),
              0);
    EXPECT_EQ(ReadBytes(path), custom);
    // The Setup dialog's OK still writes it, in place, as its folder is closed to its user.
    EXPECT_EQ(RunAsNobody([&path] {
                  theSettings.m_strIniPath = path;
                  theSettings.Read();
                  theSettings.Save();
                  return 0;
              }),
              0);
    EXPECT_EQ(ReadBytes(path), kDefaultFile);
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0200u);
    EXPECT_EQ(st.st_uid, kNobody);
}

TEST(RegisterAppPath, RecordsTheDirectoryInTheKeyStore) {
    TestFolder config;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    std::string saved = old != nullptr ? old : "";
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    RegisterAppPath();
    RegisterAppPath();  // a second time finds the keys there
    EXPECT_EQ(ReadBytes(config / "SOFTWARE/Quorvel/Plinkapad/2.0/AppPath"),
              Bytes(theSettings.m_strAppDir.begin(), theSettings.m_strAppDir.end()));
    if (old != nullptr) {
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}
