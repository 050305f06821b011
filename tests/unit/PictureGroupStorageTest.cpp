#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <set>

#include "TestFolder.h"
#include "core/TextEncoding.h"
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

    MakeFolder(dir / "Damaged");
    WriteBytes(dir / "Damaged/Damaged.ini", {3, 'Z', 'o', 'o', 0, 1});  // ends in the flag
    MakeFolder(dir / "Closed/Closed.ini");  // no file to read, still a description's place

    const std::vector<PictureGroupEntry> groups = ListPictureGroups(dir.Path());
    EXPECT_EQ(Folders(groups),
              (std::set<std::string>{"Animals", "Farm", "Empty", "Damaged", "Closed"}));
    EXPECT_TRUE(ListPictureGroups(dir / "missing").empty());
    // Each comes with its description file read: what could be read, displayed only when
    // the whole file was.
    for (const PictureGroupEntry& g : groups) {
        if (g.folder == "Empty") {
            EXPECT_EQ(g.name, "Empty");
            EXPECT_EQ(g.description, "no pictures");
            EXPECT_EQ(g.bDisplay, 0);
        } else if (g.folder == "Damaged" || g.folder == "Closed") {
            EXPECT_EQ(g.name, g.folder == "Damaged" ? "Zoo" : "");
            EXPECT_EQ(g.bDisplay, 0) << g.folder;
        } else {
            EXPECT_EQ(g.bDisplay, 1) << g.folder;
        }
    }
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

// Typed text is stored as Windows copies read it: Windows-1252 where it fits, the wide form
// otherwise. Text the file already holds keeps its stored bytes, whichever form they are in.
TEST(PictureGroupStorage, GroupTextsAreStoredAsWindowsCopiesReadThem) {
    TestFolder dir;
    const Bytes on{1, 0, 0, 0}, off{0, 0, 0, 0};
    const auto plus = [](Bytes a, const Bytes& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const Bytes wideNoel{0xFF, 0xFE, 0xFF, 4, 'N', 0, 'o', 0, 0xEB, 0, 'l', 0};
    const struct {
        Bytes before;  // the file as it was; empty for none
        const char* name;
        const char* description;
        Bytes after;
    } cases[] = {
        // Typed text: "Café" and "€5 – Noël" fit Windows-1252; Cyrillic and an emoji do not.
        {{},
         "Caf\u00e9",
         "\u20ac5 \u2013 No\u00ebl",
         plus(Bytes{4, 'C', 'a', 'f', 0xE9, 9, 0x80, '5', ' ', 0x96, ' ', 'N', 'o', 0xEB, 'l'},
              on)},
        {{},
         "\u041b\u0438\u0441\u0430",
         "\U0001F98A",
         plus(Bytes{0xFF, 0xFE, 0xFF, 4,    0x1B, 4, 0x38, 4,    0x41, 4,
                    0x30, 4,    0xFF, 0xFE, 0xFF, 2, 0x3E, 0xD8, 0x8A, 0xDD},
              on)},
        // Unchanged text keeps its form: wide, UTF-8 from an earlier version, Windows-1252.
        {plus(plus(wideNoel, wideNoel), off), "No\u00ebl", "No\u00ebl",
         plus(plus(wideNoel, wideNoel), on)},
        {plus(Bytes{5, 'N', 'o', 0xC3, 0xAB, 'l', 0}, off), "No\u00ebl", "",
         plus(Bytes{5, 'N', 'o', 0xC3, 0xAB, 'l', 0}, on)},
        {plus(Bytes{4, 'C', 'a', 'f', 0xE9, 0}, off), "Caf\xe9", "",
         plus(Bytes{4, 'C', 'a', 'f', 0xE9, 0}, on)},
        // Changed text: the new form, whatever the old one was.
        {plus(plus(wideNoel, wideNoel), off), "Caf\u00e9", "No\u00ebl",
         plus(plus(Bytes{4, 'C', 'a', 'f', 0xE9}, wideNoel), on)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = dir / "g.ini";
        std::filesystem::remove(file);
        if (!c.before.empty()) {
            WriteBytes(file, c.before);
        }
        ASSERT_TRUE(WriteGroupFile(file, c.name, c.description, 1));
        EXPECT_EQ(ReadBytes(file), c.after);
        std::string name, description;
        BOOL bDisplay = 0;
        ASSERT_TRUE(ReadGroupFile(file, name, description, bDisplay));
        // Read back, it shows as it was typed.
        EXPECT_EQ(ReadableUtf8(name), ReadableUtf8(c.name));
        EXPECT_EQ(ReadableUtf8(description), ReadableUtf8(c.description));
    }
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

namespace {

// A file of `bytes` followed by a hole up to `size` bytes: zeros that take no disk space.
void WriteSparse(const std::string& path, const Bytes& bytes, std::uintmax_t size) {
    WriteBytes(path, bytes);
    std::filesystem::resize_file(path, size);
}

}  // namespace

TEST(PictureGroupStorage, HugeSparseFilesReadQuicklyWithinBounds) {
    TestFolder dir;
    // 2^31 - 1 names claimed in a gigabyte of zeros: a gigabyte of empty names.
    WriteSparse(dir / "cutshow.ini", {0xFF, 0xFF, 0xFF, 0x7F}, 1u << 30);
    std::vector<std::string> names;
    EXPECT_LT(CpuSecondsFor([&] { names = ReadCutList(dir.Path()); }), 0.5);
    EXPECT_EQ(names.size(), 65536u);

    // Long names: reading stops after 16 MiB of them.
    Bytes longNames = {0xFF, 0xFF, 0, 0};
    for (int i = 0; i < 20000; ++i) {
        longNames.insert(longNames.end(), {0xFF, 0xE8, 0x03});  // 1000 bytes
        longNames.resize(longNames.size() + 1000, 'n');
    }
    WriteBytes(dir / "cutshow.ini", longNames);
    names = ReadCutList(dir.Path());
    EXPECT_GT(names.size(), 16000u);
    EXPECT_LT(names.size(), 17000u);

    // A name that claims 64 GiB, in a file that big, and one of 2 GiB: damage.
    std::string name, description;
    BOOL flag = 1;
    WriteSparse(dir / "g.ini",
                {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0x10, 0, 0, 0},
                (64ull << 30) + 64);
    EXPECT_LT(
        CpuSecondsFor([&] { EXPECT_FALSE(ReadGroupFile(dir / "g.ini", name, description, flag)); }),
        0.5);
    WriteSparse(dir / "g2.ini", {0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80}, (2ull << 30) + 64);
    EXPECT_LT(CpuSecondsFor(
                  [&] { EXPECT_FALSE(ReadGroupFile(dir / "g2.ini", name, description, flag)); }),
              0.5);

    // Up to a mebibyte a string is still read whole, wide strings counted in bytes.
    Bytes big = {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x10, 0x00};
    big.resize(big.size() + (1u << 20), 'a');
    big.push_back(0);
    big.insert(big.end(), {1, 0, 0, 0});
    WriteBytes(dir / "big.ini", big);
    ASSERT_TRUE(ReadGroupFile(dir / "big.ini", name, description, flag));
    EXPECT_EQ(name.size(), 1u << 20);
    Bytes wide = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x08, 0x00};  // 2^19 + 1 units
    wide.resize(wide.size() + (1u << 20) + 2, 'a');
    wide.insert(wide.end(), {0, 1, 0, 0, 0});
    WriteBytes(dir / "wide.ini", wide);
    EXPECT_FALSE(ReadGroupFile(dir / "wide.ini", name, description, flag));
}

TEST(PictureGroupStorage, WritersReplaceALinkInTheFilesPlace) {
    namespace fs = std::filesystem;
    TestFolder dir, elsewhere;
    WriteBytes(elsewhere / "precious", {9});
    fs::create_symlink(elsewhere / "precious", dir / "G.ini");
    fs::create_symlink(elsewhere / "precious", dir / "cutshow.ini");
    EXPECT_TRUE(WriteGroupFile(dir / "G.ini", "A", "", 1));
    EXPECT_TRUE(WriteCutList(dir.Path(), {}));
    EXPECT_FALSE(fs::is_symlink(dir / "G.ini"));
    EXPECT_EQ(ReadBytes(dir / "cutshow.ini"), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(ReadBytes(elsewhere / "precious"), Bytes{9});
}

// A kill at any moment of making a group leaves either the whole group or nothing that is
// ever listed; what it leaves of its own is cleared away when the groups are listed again.
TEST(PictureGroupStorage, AKilledCreationLeavesAWholeGroupOrNothing) {
    namespace fs = std::filesystem;
    TestFolder dir;
    std::mt19937 random(2026);
    int leftovers = 0;
    for (int trial = 0; trial < 40; ++trial) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (;;) {
                const std::string folder = NewGroupFolderName();
                std::string failed, reason;
                CreatePictureGroup(dir / folder, folder, "Farm", "cows", failed, reason);
            }
        }
        ::usleep(500 + random() % 8000);
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        for (const auto& entry : fs::directory_iterator(dir.Path())) {
            const std::string folder = entry.path().filename().string();
            if (folder[0] == '.') {
                ++leftovers;
                continue;
            }
            std::string name, description;
            BOOL bDisplay = 0;
            ASSERT_TRUE(
                ReadGroupFile(dir / (folder + "/" + folder + ".ini"), name, description, bDisplay))
                << folder;
            ASSERT_EQ(ReadBytes(dir / (folder + "/cutshow.ini")), (Bytes{0, 0, 0, 0})) << folder;
        }
    }
    RecordProperty("Leftovers", leftovers);
    std::string failed, reason;
    ASSERT_TRUE(CreatePictureGroup(dir / "WHOLE", "WHOLE", "Zoo", "", failed, reason)) << reason;
    const std::size_t groups = ListPictureGroups(dir.Path()).size();
    RemoveUnfinishedGroups(dir.Path());
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
        EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path();
    }
    EXPECT_EQ(ListPictureGroups(dir.Path()).size(), groups);
}

TEST(PictureGroupStorage, OnlyTheProgramsOwnUnfinishedGroupsAreCleared) {
    namespace fs = std::filesystem;
    TestFolder dir;
    const std::string uuid = "0F1E2D3C-4B5A-4978-8695-A4B3C2D1E0F9";
    const struct {
        std::string name;
        bool bCleared;
    } cases[] = {
        {"." + uuid + ".new-aZ09xY", true},
        {".photos.new-abc123", false},       // a parent's own hidden folder
        {"." + uuid + ".new-abc12", false},  // not mkdtemp's six characters
        {"." + uuid + ".new-abc12!", false},
        {"." + uuid + ".old-abc123", false},
        {".0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0f9.new-abc123", false},  // lower case
        {".12345678-9ABC-DEF0-1234-56789ABCDEF0.new-XXXXXX", true},
        {"." + uuid.substr(0, 35) + ".new-abc123", false},
        {uuid + ".new-abc123", false},  // not hidden
    };
    for (const auto& c : cases) {
        MakeFolder(dir / c.name);
        WriteBytes(dir / (c.name + "/keep.jpg"), {1, 2, 3});
    }
    RemoveUnfinishedGroups(dir.Path());
    for (const auto& c : cases) {
        EXPECT_EQ(fs::exists(dir / c.name), !c.bCleared) << c.name;
    }
}

TEST(PictureGroupStorage, ACreationThatFailsLeavesNothing) {
    TestFolder dir;
    MakeFolder(dir / "TAKEN");
    std::string failed, reason;
    EXPECT_FALSE(CreatePictureGroup(dir / "TAKEN", "TAKEN", "Farm", "", failed, reason));
    EXPECT_EQ(failed, dir / "TAKEN");
    EXPECT_EQ(reason, "File exists");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_TRUE(std::filesystem::is_empty(dir / "TAKEN"));
}
