#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
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

// Folders "abc" and "ABC" are two folders: a name that exists as spelled is the one meant.
TEST(FileSystem, ANameThatExistsAsSpelledIsNeverAnotherSpelling) {
    TestFolder dir;
    for (const char* folder : {"abc", "ABC"}) {
        MakeFolder(dir / folder);
        WriteBytes(dir / folder + "/abc.ini", {1});
    }
    EXPECT_EQ(ResolvePath(dir / "abc/abc.ini"), dir / "abc/abc.ini");
    EXPECT_EQ(ResolvePath(dir / "ABC/abc.ini"), dir / "ABC/abc.ini");
    EXPECT_TRUE(DeleteFile(dir / "abc/abc.ini"));
    EXPECT_TRUE(RemoveDirectory(dir / "abc"));
    EXPECT_EQ(ReadBytes(dir / "ABC/abc.ini"), Bytes{1});
}

// A link in the destination's place is replaced as a link; failures say why in words that
// fit the case.
TEST(FileSystem, CopiesReplaceALinkAndSayWhyTheyFail) {
    namespace fs = std::filesystem;
    TestFolder dir, elsewhere;
    WriteBytes(elsewhere / "precious.bmp", {7});
    WriteBytes(dir / "new.bmp", {1, 2});
    fs::create_symlink(elsewhere / "precious.bmp", dir / "link.bmp");
    std::string reason;
    EXPECT_TRUE(CopyFile(dir / "new.bmp", dir / "link.bmp", false, &reason)) << reason;
    EXPECT_FALSE(fs::is_symlink(dir / "link.bmp"));
    EXPECT_EQ(ReadBytes(elsewhere / "precious.bmp"), Bytes{7});

    MakeFolder(dir / "Owl.bmp");
    const std::tuple<std::string, std::string, const char*> cases[] = {
        {dir / "new.bmp", dir / "Owl.bmp", "Not a regular file"},
        {dir / "Owl.bmp", dir / "x.bmp", "Not a regular file"},
        {dir / "none.bmp", dir / "x.bmp", "No such file or directory"},
    };
    for (const auto& [from, to, why] : cases) {
        EXPECT_FALSE(CopyFile(from, to, false, &reason)) << from;
        EXPECT_EQ(reason, why) << from;
    }
}

TEST(FileSystem, APathLiesWithinAFolderOnlyAsItsLinksReallyLead) {
    namespace fs = std::filesystem;
    TestFolder dir, elsewhere;
    MakeFolder(dir / "lib/group");
    MakeFolder(dir / "library");
    fs::create_symlink(elsewhere.Path(), dir / "lib/linked");
    fs::create_symlink(dir / "lib/group", dir / "lib/inside");
    EXPECT_TRUE(PathLiesWithin(dir / "lib/group/a.bmp", dir / "lib"));
    EXPECT_TRUE(PathLiesWithin(dir / "lib/a.ini", dir / "lib"));
    EXPECT_TRUE(PathLiesWithin(dir / "lib/inside/a.bmp", dir / "lib"));
    EXPECT_TRUE(PathLiesWithin(dir / "lib/linked", dir / "lib"));  // the link itself
    EXPECT_FALSE(PathLiesWithin(dir / "lib/linked/a.bmp", dir / "lib"));
    EXPECT_FALSE(PathLiesWithin(dir / "library/a.bmp", dir / "lib"));
    EXPECT_FALSE(PathLiesWithin(dir / "lib/../a.bmp", dir / "lib"));
}

TEST(FileFind, FindsANameInTheListingAsSpelledFirst) {
    TestFolder dir;
    for (const char* name : {"Dog.wav", "DOG.WAV", "cat.WAV"}) {
        WriteBytes(dir / name, {});
    }
    std::filesystem::create_symlink(dir / "nowhere", dir / "owl.wav");
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(dir / "*.*"));
    std::string found;
    EXPECT_TRUE(finder.FindName("DOG.WAV", found));
    EXPECT_EQ(found, "DOG.WAV");
    EXPECT_TRUE(finder.FindName("Dog.wav", found));
    EXPECT_EQ(found, "Dog.wav");
    EXPECT_TRUE(finder.FindName("Cat.wav", found));
    EXPECT_EQ(found, "cat.WAV");
    EXPECT_FALSE(finder.FindName("owl.wav", found));  // a link that leads nowhere
    EXPECT_FALSE(finder.FindName("emu.wav", found));
}
