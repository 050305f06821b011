#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "OtherUser.h"
#include "TestFolder.h"
#include "platform/File.h"

namespace fs = std::filesystem;

namespace {

bool WriteWhole(const std::string& path, const std::string& text) {
    CFile file;
    return file.Open(path, CFile::modeCreate | CFile::modeWrite) &&
           file.Write(text.data(), text.size()) && file.Close();
}

std::string Text(const std::string& path) {
    Bytes b = ReadBytes(path);
    return std::string(b.begin(), b.end());
}

struct stat Stat(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

std::size_t Entries(const std::string& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

}  // namespace

TEST(FileWrite, KeepsTheOldFilesPermissions) {
    TestFolder dir;
    WriteBytes(dir / "g.ini", {1});
    ::chmod((dir / "g.ini").c_str(), 0640);
    ASSERT_TRUE(WriteWhole(dir / "g.ini", "new"));
    EXPECT_EQ(Text(dir / "g.ini"), "new");
    EXPECT_EQ(Stat(dir / "g.ini").st_mode & 07777, 0640u);

    ASSERT_TRUE(WriteWhole(dir / "fresh.ini", "x"));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(Stat(dir / "fresh.ini").st_mode & 07777, 0666u & ~mask);
}

TEST(FileWrite, WritesThroughSymbolicLinksToTheirTarget) {
    TestFolder dir;
    MakeFolder(dir / "real");
    WriteBytes(dir / "real/Nuv.ini", {1});
    fs::create_symlink("real/Nuv.ini", dir / "link1");   // relative
    fs::create_symlink(dir / "link1", dir / "Nuv.ini");  // a chain
    ASSERT_TRUE(WriteWhole(dir / "Nuv.ini", "through"));
    EXPECT_TRUE(fs::is_symlink(dir / "Nuv.ini"));
    EXPECT_TRUE(fs::is_symlink(dir / "link1"));
    EXPECT_EQ(Text(dir / "real/Nuv.ini"), "through");
    EXPECT_EQ(Entries(dir / "real"), 1u);

    fs::create_symlink("made.ini", dir / "dangling");
    ASSERT_TRUE(WriteWhole(dir / "dangling", "made"));
    EXPECT_TRUE(fs::is_symlink(dir / "dangling"));
    EXPECT_EQ(Text(dir / "made.ini"), "made");
}

TEST(FileWrite, HardLinksStayOneFile) {
    TestFolder dir;
    WriteBytes(dir / "a.ini", {1});
    fs::create_hard_link(dir / "a.ini", dir / "b.ini");
    ASSERT_TRUE(WriteWhole(dir / "a.ini", "both"));
    EXPECT_EQ(Text(dir / "b.ini"), "both");
    EXPECT_EQ(Entries(dir.Path()), 2u);
}

TEST(FileWrite, NonRegularTargetsAreNeverReplaced) {
    TestFolder dir;
    ASSERT_EQ(::mkfifo((dir / "pipe.ini").c_str(), 0644), 0);
    EXPECT_FALSE(WriteWhole(dir / "pipe.ini", "x"));
    EXPECT_TRUE(fs::is_fifo(dir / "pipe.ini"));
    MakeFolder(dir / "sub");
    EXPECT_FALSE(WriteWhole(dir / "sub", "x"));
    EXPECT_TRUE(fs::is_directory(dir / "sub"));
    EXPECT_EQ(Entries(dir.Path()), 2u);
}

class FileWriteAsAnotherUser : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CanActAsOtherUser()) {
            GTEST_SKIP() << "needs root to act as another user";
        }
        SetOwner(m_dir.Path(), 0, 0, 0777);
    }
    TestFolder m_dir;
};

TEST_F(FileWriteAsAnotherUser, AFileTheUserMayNotWriteStaysUnwritten) {
    // Read-only, the user's own.
    WriteBytes(m_dir / "ro.ini", {1, 2, 3});
    SetOwner(m_dir / "ro.ini", kNobody, kNobody, 0444);
    // Someone else's private file with custom values.
    WriteBytes(m_dir / "Nuv.ini", {4, 5, 6});
    SetOwner(m_dir / "Nuv.ini", 0, 0, 0600);
    EXPECT_EQ(RunAsNobody([&] {
                  return WriteWhole(m_dir / "ro.ini", "x") || WriteWhole(m_dir / "Nuv.ini", "x");
              }),
              0);
    EXPECT_EQ(ReadBytes(m_dir / "ro.ini"), (Bytes{1, 2, 3}));
    EXPECT_EQ(ReadBytes(m_dir / "Nuv.ini"), (Bytes{4, 5, 6}));
    EXPECT_EQ(Stat(m_dir / "Nuv.ini").st_uid, 0u);
    EXPECT_EQ(Entries(m_dir.Path()), 2u);
}

TEST_F(FileWriteAsAnotherUser, AFileWhoseOwnerCannotBeKeptIsRewrittenInPlace) {
    WriteBytes(m_dir / "g.ini", {1, 2, 3, 4, 5});
    SetOwner(m_dir / "g.ini", 0, kNobody, 0664);
    const ino_t inode = Stat(m_dir / "g.ini").st_ino;
    EXPECT_EQ(RunAsNobody([&] { return WriteWhole(m_dir / "g.ini", "ab") ? 0 : 1; }), 0);
    EXPECT_EQ(Text(m_dir / "g.ini"), "ab");
    const struct stat after = Stat(m_dir / "g.ini");
    EXPECT_EQ(after.st_uid, 0u);
    EXPECT_EQ(after.st_gid, kNobody);
    EXPECT_EQ(after.st_mode & 07777, 0664u);
    EXPECT_EQ(after.st_ino, inode);

    // An unfinished in-place write changes nothing.
    EXPECT_EQ(RunAsNobody([&] {
                  CFile file;
                  return file.Open(m_dir / "g.ini", CFile::modeCreate | CFile::modeWrite) &&
                                 file.Write("zzzz", 4)
                             ? 0
                             : 1;
              }),
              0);
    EXPECT_EQ(Text(m_dir / "g.ini"), "ab");
}

TEST_F(FileWriteAsAnotherUser, AWritableFileInAClosedFolderIsRewrittenInPlace) {
    MakeFolder(m_dir / "closed");
    WriteBytes(m_dir / "closed/Nuv.ini", {1});
    SetOwner(m_dir / "closed/Nuv.ini", kNobody, kNobody, 0644);
    SetOwner(m_dir / "closed", 0, 0, 0755);
    EXPECT_EQ(RunAsNobody([&] { return WriteWhole(m_dir / "closed/Nuv.ini", "in place") ? 0 : 1; }),
              0);
    EXPECT_EQ(Text(m_dir / "closed/Nuv.ini"), "in place");
    EXPECT_EQ(RunAsNobody([&] { return WriteWhole(m_dir / "closed/new.ini", "x") ? 1 : 0; }), 0);
}

// A name the folder takes can be written, however long: its temporary's name is cut to fit.
// Temporaries of writers killed before their rename are cleared; a live writer's, and files
// that merely look like one, stay.
TEST(FileWrite, TemporariesFitTheFolderAndLeftoversAreCleared) {
    TestFolder dir;
    const std::string longest(NAME_MAX - 4, 'n');
    EXPECT_TRUE(WriteWhole(dir / (longest + ".bmp"), "picture"));
    EXPECT_EQ(Text(dir / (longest + ".bmp")), "picture");

    for (const char* name : {"IMG_0011.bmp.tmp-Ab12Cd", "held.wav.tmp-000000", "keep.tmp-abc12",
                             "keep.tmp-ab!cd1", "keep.bmp"}) {
        WriteBytes(dir / name, {1});
    }
    const int held = ::open((dir / "held.wav.tmp-000000").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    RemoveLeftoverTemporaries(dir.Path());
    ::close(held);
    EXPECT_FALSE(fs::exists(dir / "IMG_0011.bmp.tmp-Ab12Cd"));
    for (const char* kept :
         {"held.wav.tmp-000000", "keep.tmp-abc12", "keep.tmp-ab!cd1", "keep.bmp"}) {
        EXPECT_TRUE(fs::exists(dir / kept)) << kept;
    }
}
