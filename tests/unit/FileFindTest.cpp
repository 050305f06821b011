#include <gtest/gtest.h>

#include <vector>

#include "TestFolder.h"
#include "platform/FileFind.h"
#include "platform/FileSystem.h"
#include "platform/WinTypes.h"

namespace {
std::vector<std::string> Find(const std::string& pattern) {
    std::vector<std::string> names;
    CFileFind finder;
    BOOL bWorking = finder.FindFile(pattern);
    while (bWorking) {
        bWorking = finder.FindNextFile();
        if (!finder.IsDots()) {
            names.push_back(finder.GetFileName());
        }
    }
    return names;
}
}  // namespace

TEST(Wildcard, MatchesIgnoringCase) {
    EXPECT_TRUE(WildcardMatch("Dog.BMP", "*.bmp"));
    EXPECT_TRUE(WildcardMatch("a.b.bmp", "*.bmp"));
    EXPECT_FALSE(WildcardMatch("dog.bmpx", "*.bmp"));
    EXPECT_FALSE(WildcardMatch("bmp", "*.bmp"));
    EXPECT_TRUE(WildcardMatch("noextension", "*.*"));
    EXPECT_TRUE(WildcardMatch("cat1.wav", "cat?.WAV"));
    EXPECT_FALSE(WildcardMatch("cat12.wav", "cat?.wav"));
    EXPECT_TRUE(WildcardMatch("x", "*"));
}

TEST(FileFind, EnumeratesInNameOrderWithPathsAndKinds) {
    TestFolder dir;
    WriteBytes(dir / "b.BMP", {});
    WriteBytes(dir / "A.bmp", {});
    WriteBytes(dir / "c.wav", {});
    MakeFolder(dir / "sub.bmp");
    EXPECT_EQ(Find(dir / "*.bmp"), (std::vector<std::string>{"A.bmp", "b.BMP", "sub.bmp"}));

    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(dir / "*.wav"));
    EXPECT_FALSE(finder.FindNextFile());  // the last entry is still valid
    EXPECT_EQ(finder.GetFilePath(), dir / "c.wav");
    EXPECT_FALSE(finder.IsDirectory());

    EXPECT_TRUE(Find(dir / "*.gif").empty());
    EXPECT_TRUE(Find(dir / "missing/*.*").empty());
}

TEST(FileFind, FolderNamesIgnoreCase) {
    TestFolder dir;
    MakeFolder(dir / "DefVoice");
    WriteBytes(dir / "DefVoice/Pop.wav", {});
    EXPECT_EQ(Find(dir / "DEFVOICE/*.wav"), (std::vector<std::string>{"Pop.wav"}));
    EXPECT_TRUE(PathFileExists(dir / "defvoice/POP.WAV"));
    EXPECT_EQ(ResolvePath(dir / "defvoice/pop.wav"), dir / "DefVoice/Pop.wav");
    EXPECT_FALSE(PathFileExists(dir / "defvoice/Bang.wav"));
}

TEST(FileSystem, CopyOntoItselfKeepsTheFile) {
    TestFolder dir;
    WriteBytes(dir / "a.bmp", {1, 2, 3});
    EXPECT_TRUE(CopyFile(dir / "a.bmp", dir / "A.BMP", false));
    EXPECT_EQ(ReadBytes(dir / "a.bmp"), (Bytes{1, 2, 3}));
    EXPECT_TRUE(CopyFile(dir / "a.bmp", dir / "b.bmp", true));
    EXPECT_FALSE(CopyFile(dir / "a.bmp", dir / "b.bmp", true));
    EXPECT_EQ(ReadBytes(dir / "b.bmp"), (Bytes{1, 2, 3}));
    EXPECT_FALSE(CopyFile(dir / "none.bmp", dir / "c.bmp", false));
}
