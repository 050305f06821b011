#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "OtherUser.h"
#include "TestFolder.h"
#include "common/AppDirectory.h"
#include "platform/FileSystem.h"
#include "platform/SystemPlaces.h"

namespace fs = std::filesystem;

namespace {

const Bytes kShippedIni = {0, 0, 0, 0, 1, 0, 0, 0, 0x2C, 1, 0, 0};
const Bytes kParentIni = {1, 1, 1, 1};
const char kGroup[] = "6F1C2A40-8B0E-4C11-9E3A-5D7B2C1A0F01";

// An installed program: prefix/lib/plinkapad holds the program, the shipped data lies where
// the install rules put it, and each user has an empty data home.
class AppDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        m_exeDir = m_root / "prefix/lib/plinkapad";
        MakeFolder(m_exeDir);
        WriteBytes(m_exeDir + "/plinkapad", {0x7F, 'E', 'L', 'F'});
        m_shipped = PathJoin(m_exeDir, SHIPPED_DATA_FROM_PROGRAM);
        MakeShippedData(m_shipped);
        m_shipped = fs::canonical(m_shipped).string();
        m_home = m_root / "home/.local/share";
        m_appDir = m_home + "/plinkapad";
    }

    static void MakeShippedData(const std::string& dir) {
        MakeFolder(dir + "/DefVoice");
        MakeFolder(dir + "/" + kGroup);
        WriteBytes(dir + "/Nuv.ini", kShippedIni);
        WriteBytes(dir + "/Hello.wav", {'R', 'I', 'F', 'F'});
        WriteBytes(dir + "/DefVoice/Pop.wav", {'R', 'I', 'F', 'F', 1});
        WriteBytes(dir + "/" + kGroup + "/Ball.bmp", MakeBmp24(2, 2, 0xFF0000));
    }

    std::string Choose() const { return ChooseAppDir(m_exeDir, m_shipped, m_home); }

    TestFolder m_root;
    std::string m_exeDir, m_shipped, m_home, m_appDir;
};

}  // namespace

TEST_F(AppDirectory, ShippedDataIsFoundFromTheProgramFolderOrIsThatFolder) {
    EXPECT_EQ(ShippedDataDir(m_exeDir), m_shipped);
    TestFolder portable;
    EXPECT_EQ(ShippedDataDir(portable.Path()), portable.Path());
}

TEST_F(AppDirectory, AWritablePortableCopyKeepsItsFolderAndMakesNothingElsewhere) {
    TestFolder portable;
    MakeShippedData(portable.Path());
    EXPECT_EQ(ChooseAppDir(portable.Path(), portable.Path(), m_home), portable.Path());
    EXPECT_FALSE(fs::exists(m_home));
}

// Even where the user may write (root, a prefix in the home folder), an installed program
// never writes into its installation.
TEST_F(AppDirectory, AnInstalledProgramGetsAPerUserFolderFilledWithTheShippedData) {
    EXPECT_EQ(Choose(), m_appDir);
    EXPECT_EQ(ReadBytes(m_appDir + "/Nuv.ini"), kShippedIni);
    EXPECT_EQ(ReadBytes(m_appDir + "/DefVoice/Pop.wav"),
              ReadBytes(m_shipped + "/DefVoice/Pop.wav"));
    EXPECT_EQ(ReadBytes(m_appDir + "/" + kGroup + "/Ball.bmp"), MakeBmp24(2, 2, 0xFF0000));
    EXPECT_TRUE(fs::exists(m_appDir + "/" + APP_DIR_FILLED_MARKER));
    EXPECT_FALSE(fs::exists(m_exeDir + "/Nuv.ini"));
}

TEST_F(AppDirectory, LaterStartsKeepWhatTheParentChangedAndDeleted) {
    ASSERT_EQ(Choose(), m_appDir);
    WriteBytes(m_appDir + "/Nuv.ini", kParentIni);
    fs::remove_all(m_appDir + "/" + kGroup);
    fs::remove(m_appDir + "/Hello.wav");
    EXPECT_EQ(Choose(), m_appDir);
    EXPECT_EQ(ReadBytes(m_appDir + "/Nuv.ini"), kParentIni);
    EXPECT_FALSE(fs::exists(m_appDir + "/" + kGroup));
    EXPECT_FALSE(fs::exists(m_appDir + "/Hello.wav"));

    // Without the marker, what is missing comes back and nothing there is replaced.
    fs::remove(m_appDir + "/" + APP_DIR_FILLED_MARKER);
    EXPECT_EQ(Choose(), m_appDir);
    EXPECT_EQ(ReadBytes(m_appDir + "/Nuv.ini"), kParentIni);
    EXPECT_TRUE(fs::exists(m_appDir + "/" + kGroup + "/Ball.bmp"));
    EXPECT_TRUE(fs::exists(m_appDir + "/Hello.wav"));
    EXPECT_TRUE(fs::exists(m_appDir + "/" + APP_DIR_FILLED_MARKER));
}

TEST_F(AppDirectory, AFolderThereBeforeTheFirstStartKeepsItsFilesAndGetsTheRest) {
    MakeFolder(m_appDir + "/DefVoice");
    WriteBytes(m_appDir + "/Nuv.ini", kParentIni);
    WriteBytes(m_appDir + "/DefVoice/pop.WAV", {9});  // the same name, spelled otherwise
    WriteBytes(m_appDir + "/DefVoice/Mine.wav", {8});
    EXPECT_EQ(Choose(), m_appDir);
    EXPECT_EQ(ReadBytes(m_appDir + "/Nuv.ini"), kParentIni);
    EXPECT_EQ(ReadBytes(m_appDir + "/DefVoice/pop.WAV"), Bytes{9});
    EXPECT_FALSE(fs::exists(m_appDir + "/DefVoice/Pop.wav"));
    EXPECT_EQ(ReadBytes(m_appDir + "/DefVoice/Mine.wav"), Bytes{8});
    EXPECT_TRUE(fs::exists(m_appDir + "/Hello.wav"));
}

TEST_F(AppDirectory, TwoUsersGetALibraryEachFromTheSameInstallation) {
    const std::string otherHome = m_root / "other/.local/share";
    ASSERT_EQ(Choose(), m_appDir);
    WriteBytes(m_appDir + "/Nuv.ini", kParentIni);
    EXPECT_EQ(ChooseAppDir(m_exeDir, m_shipped, otherHome), otherHome + "/plinkapad");
    EXPECT_EQ(ReadBytes(otherHome + "/plinkapad/Nuv.ini"), kShippedIni);
}

TEST_F(AppDirectory, WithoutAPerUserFolderTheShippedDataIsUsedAsItIs) {
    EXPECT_EQ(ChooseAppDir(m_exeDir, m_shipped, ""), m_shipped);
    // A data home that cannot be a folder: a file is in the way.
    WriteBytes(m_root / "file", {1});
    EXPECT_EQ(ChooseAppDir(m_exeDir, m_shipped, m_root / "file"), m_shipped);
}

TEST_F(AppDirectory, MissingShippedDataLeavesTheFolderToBeFilledLater) {
    fs::remove_all(m_shipped);
    EXPECT_EQ(Choose(), m_appDir);
    EXPECT_FALSE(fs::exists(m_appDir + "/" + APP_DIR_FILLED_MARKER));
    MakeShippedData(m_shipped);
    EXPECT_EQ(Choose(), m_appDir);
    EXPECT_EQ(ReadBytes(m_appDir + "/Nuv.ini"), kShippedIni);
    EXPECT_TRUE(fs::exists(m_appDir + "/" + APP_DIR_FILLED_MARKER));
}

// A portable copy the user may not write to (a read-only share, a copy an administrator put
// in /opt) works like an installation, without copying the program itself.
TEST_F(AppDirectory, AReadOnlyPortableCopyGivesEachUserAFolderWithoutTheProgram) {
    if (!CanActAsOtherUser()) {
        GTEST_SKIP() << "needs root to act as another user";
    }
    const std::string portable = m_root / "opt/plinkapad";
    MakeShippedData(portable);
    WriteBytes(portable + "/plinkapad", {0x7F, 'E', 'L', 'F'});
    WriteBytes(portable + "/libhelpviewer.so", {0x7F, 'E', 'L', 'F'});
    SetOwner(m_root.Path(), 0, 0, 0755);
    for (const auto& entry : fs::recursive_directory_iterator(m_root.Path())) {
        fs::permissions(entry.path(), fs::perms::others_read | fs::perms::others_exec,
                        fs::perm_options::add);
    }
    MakeFolder(m_root / "nobody");
    SetOwner(m_root / "nobody", kNobody, kNobody, 0700);
    const std::string home = m_root / "nobody/.local/share";
    EXPECT_EQ(RunAsNobody([&] {
                  if (ChooseAppDir(portable, portable, home) != home + "/plinkapad") {
                      return 1;
                  }
                  if (!PathFileExists(home + "/plinkapad/Nuv.ini") ||
                      !PathFileExists(home + "/plinkapad/" + kGroup + "/Ball.bmp")) {
                      return 2;
                  }
                  if (PathFileExists(home + "/plinkapad/plinkapad") ||
                      PathFileExists(home + "/plinkapad/libhelpviewer.so")) {
                      return 3;
                  }
                  return ::access(portable.c_str(), W_OK) == 0 ? 4 : 0;
              }),
              0);
    // The same copy, writable by its user, stays as it was.
    EXPECT_EQ(ChooseAppDir(portable, portable, m_home), portable);
}

TEST(CopyMissingFiles, CopiesATreeLeavingFilesThereAndLinksAlone) {
    TestFolder from, to;
    MakeFolder(from / "a/b");
    WriteBytes(from / "a/b/deep.bin", {1, 2, 3});
    WriteBytes(from / "kept.bin", {4});
    WriteBytes(from / "skipped.bin", {5});
    fs::create_symlink("/etc/hostname", from / "link");
    WriteBytes(to / "kept.bin", {6});
    EXPECT_TRUE(CopyMissingFiles(from.Path(), to / "new", {"skipped.bin"}));
    EXPECT_EQ(ReadBytes(to / "new/a/b/deep.bin"), (Bytes{1, 2, 3}));
    EXPECT_FALSE(fs::exists(to / "new/skipped.bin"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(to / "new/link")));
    EXPECT_TRUE(CopyMissingFiles(from.Path(), to.Path()));
    EXPECT_EQ(ReadBytes(to / "kept.bin"), Bytes{6});
    EXPECT_EQ(ReadBytes(to / "skipped.bin"), Bytes{5});
    EXPECT_FALSE(CopyMissingFiles(from / "missing", to.Path()));
}
