#include <gtest/gtest.h>

#include <set>

#include "TestFolder.h"
#include "library/PictureGroupStorage.h"

namespace {

void MakeGroup(const TestFolder& dir, const std::string& folder, const std::string& iniName) {
    MakeFolder(dir / folder);
    WriteGroupFile(dir / (folder + "/" + iniName), folder, "", 1);
}

std::set<std::string> Folders(const std::vector<PictureGroupEntry>& groups) {
    std::set<std::string> names;
    for (const PictureGroupEntry& g : groups) {
        names.insert(g.folder);
    }
    return names;
}

}  // namespace

TEST(PictureGroupStorage, WhichFoldersAreGroups) {
    TestFolder dir;
    MakeGroup(dir, "Animals", "Animals.ini");
    MakeGroup(dir, "Farm", "FARM.INI");  // copied from a system that ignores case
    MakeGroup(dir, "DefVoice", "DefVoice.ini");
    MakeGroup(dir, "defVOICE", "defVOICE.ini");
    MakeFolder(dir / "NoDescription");
    MakeGroup(dir, "Wrong", "Other.ini");
    WriteBytes(dir / "Loose.ini", {0});
    MakeFolder(dir / "Empty");
    WriteGroupFile(dir / "Empty/Empty.ini", "Empty", "no pictures", 0);

    EXPECT_EQ(Folders(ListPictureGroups(dir.Path())),
              (std::set<std::string>{"Animals", "Farm", "Empty"}));
    EXPECT_TRUE(ListPictureGroups(dir / "missing").empty());
}

TEST(PictureGroupStorage, NewGroupFilesAreByteExact) {
    TestFolder dir;
    ASSERT_TRUE(WriteGroupFile(dir / "g.ini", "Farm", "", 1));
    EXPECT_EQ(ReadBytes(dir / "g.ini"), (Bytes{4, 'F', 'a', 'r', 'm', 0, 1, 0, 0, 0}));
    ASSERT_TRUE(WriteCutList(dir.Path(), {}));
    EXPECT_EQ(ReadBytes(dir / "cutshow.ini"), (Bytes{0, 0, 0, 0}));
    ASSERT_TRUE(WriteCutList(dir.Path(), {"Dog.bmp", "a"}));
    EXPECT_EQ(ReadBytes(dir / "cutshow.ini"),
              (Bytes{2, 0, 0, 0, 7, 'D', 'o', 'g', '.', 'b', 'm', 'p', 1, 'a'}));
    EXPECT_EQ(ReadCutList(dir.Path()), (std::vector<std::string>{"Dog.bmp", "a"}));
}

TEST(PictureGroupStorage, GroupFileRoundTripWithLongTexts) {
    TestFolder dir;
    const std::string name(300, 'n'), description(70000, 'd');
    ASSERT_TRUE(WriteGroupFile(dir / "g.ini", name, description, 0));
    std::string n, d;
    BOOL flag = 5;
    ASSERT_TRUE(ReadGroupFile(dir / "g.ini", n, d, flag));
    EXPECT_EQ(n, name);
    EXPECT_EQ(d, description);
    EXPECT_EQ(flag, 0);
}

TEST(PictureGroupStorage, DamagedGroupFileKeepsWhatWasRead) {
    TestFolder dir;
    WriteBytes(dir / "g.ini", {3, 'Z', 'o', 'o', 2, 'h', 'i', 1, 0});  // flag cut short
    std::string name, description;
    BOOL flag = 0;
    EXPECT_FALSE(ReadGroupFile(dir / "g.ini", name, description, flag));
    EXPECT_EQ(name, "Zoo");
    EXPECT_EQ(description, "hi");
    EXPECT_FALSE(ReadGroupFile(dir / "none.ini", name, description, flag));
}

TEST(PictureGroupStorage, HostileCutListsReadWhatIsThere) {
    TestFolder dir;
    // Two billion names claimed, two present.
    WriteBytes(dir / "cutshow.ini", {0xFF, 0xFF, 0xFF, 0x7F, 1, 'a', 1, 'b'});
    std::vector<std::string> names = ReadCutList(dir.Path());
    ASSERT_GE(names.size(), 2u);
    EXPECT_LE(names.size(), 8u);
    EXPECT_EQ(names[0], "a");
    EXPECT_EQ(names[1], "b");

    WriteBytes(dir / "cutshow.ini", {0xF6, 0xFF, 0xFF, 0xFF, 1, 'a'});  // negative count
    EXPECT_TRUE(ReadCutList(dir.Path()).empty());

    WriteBytes(dir / "cutshow.ini", {3, 0, 0, 0, 1, 'a', 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x40});
    names = ReadCutList(dir.Path());
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names[0], "a");

    WriteBytes(dir / "cutshow.ini", {1, 0});
    EXPECT_TRUE(ReadCutList(dir.Path()).empty());
    EXPECT_TRUE(ReadCutList(dir / "missing").empty());
}

TEST(PictureGroupStorage, PictureSoundPathReplacesTheLastThreeCharacters) {
    EXPECT_EQ(PictureSoundPath("/x/Dog.bmp"), "/x/Dog.wav");
    EXPECT_EQ(PictureSoundPath("/x/CAT.BMP"), "/x/CAT.wav");
    EXPECT_EQ(PictureSoundPath("/x/odd.jpeg"), "/x/odd.jwav");
    EXPECT_EQ(PictureSoundPath("ab"), "wav");
}

TEST(PictureGroupStorage, NewFolderNamesAreUpperCaseUuids) {
    std::set<std::string> seen;
    for (int i = 0; i < 50; ++i) {
        const std::string name = NewGroupFolderName();
        ASSERT_EQ(name.size(), 36u);
        for (std::size_t k = 0; k < name.size(); ++k) {
            if (k == 8 || k == 13 || k == 18 || k == 23) {
                EXPECT_EQ(name[k], '-');
            } else {
                EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(name[k])) ||
                            (name[k] >= 'A' && name[k] <= 'F'))
                    << name;
            }
        }
        EXPECT_EQ(name[14], '4');
        seen.insert(name);
    }
    EXPECT_EQ(seen.size(), 50u);
}
