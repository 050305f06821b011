#include <gtest/gtest.h>

#include <filesystem>

#include "TestFolder.h"
#include "core/Archive.h"
#include "platform/File.h"

namespace {

Bytes StoreString(const TestFolder& dir, const std::string& text) {
    CFile file;
    EXPECT_TRUE(file.Open(dir / "s.bin", CFile::modeCreate | CFile::modeWrite));
    CArchive ar(file, CArchive::store);
    ar.WriteString(text);
    EXPECT_TRUE(ar.Flush());
    EXPECT_TRUE(file.Close());
    return ReadBytes(dir / "s.bin");
}

bool LoadString(const std::string& path, std::string& text) {
    CFile file;
    if (!file.Open(path, CFile::modeRead)) {
        return false;
    }
    CArchive ar(file, CArchive::load);
    return ar.ReadString(text);
}

}  // namespace

TEST(Archive, StringLengthPrefixesAtEveryBoundary) {
    TestFolder dir;
    struct Case {
        std::size_t length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        std::string text(c.length, 'x');
        Bytes bytes = StoreString(dir, text);
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + c.prefix.size()), c.prefix);
        std::string back;
        ASSERT_TRUE(LoadString(dir / "s.bin", back));
        EXPECT_EQ(back, text);
    }
}

TEST(Archive, WideStringsAreConvertedToMultiByte) {
    TestFolder dir;
    // "hé" and a surrogate pair (U+1F600), short form.
    WriteBytes(dir / "w.bin", {0xFF, 0xFE, 0xFF, 0x04, 'h', 0, 0xE9, 0, 0x3D, 0xD8, 0x00, 0xDE});
    std::string text;
    ASSERT_TRUE(LoadString(dir / "w.bin", text));
    EXPECT_EQ(text, "h\xC3\xA9\xF0\x9F\x98\x80");

    // The 16-bit length form after the wide marker.
    Bytes wide = {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01};
    for (int i = 0; i < 300; ++i) {
        wide.insert(wide.end(), {'a', 0});
    }
    WriteBytes(dir / "w2.bin", wide);
    ASSERT_TRUE(LoadString(dir / "w2.bin", text));
    EXPECT_EQ(text, std::string(300, 'a'));
}

TEST(Archive, HostileLengthsReadNothingAndFail) {
    TestFolder dir;
    const Bytes hostile[] = {
        {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x40, 'a', 'b'},  // a gigabyte
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
        {0xFF, 0xFE, 0xFF, 0x05, 'a', 0, 'b'},               // wide, too short
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x01, 'a', 0},  // wide marker twice
        {0x05, 'a', 'b'},
        {0xFF, 0x10},
        {},
    };
    for (const Bytes& bytes : hostile) {
        WriteBytes(dir / "h.bin", bytes);
        std::string text = "unchanged";
        EXPECT_FALSE(LoadString(dir / "h.bin", text));
        EXPECT_EQ(text, "unchanged");
    }
}

TEST(Archive, IntegersAreLittleEndianAndShortReadsFail) {
    TestFolder dir;
    WriteBytes(dir / "i.bin", {0x2C, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x02});
    CFile file;
    ASSERT_TRUE(file.Open(dir / "i.bin", CFile::modeRead));
    CArchive ar(file, CArchive::load);
    std::int32_t a = 0, b = 0, c = 7;
    EXPECT_TRUE(ar.ReadInt(a));
    EXPECT_TRUE(ar.ReadInt(b));
    EXPECT_FALSE(ar.ReadInt(c));
    EXPECT_EQ(a, 300);
    EXPECT_EQ(b, -1);
    EXPECT_EQ(c, 7);
}

TEST(File, AnUnfinishedWriteLeavesTheOldFileWhole) {
    TestFolder dir;
    WriteBytes(dir / "keep.bin", {1, 2, 3});
    {
        CFile file;
        ASSERT_TRUE(file.Open(dir / "keep.bin", CFile::modeCreate | CFile::modeWrite));
        ASSERT_TRUE(file.Write("partial", 7));
        // never closed: as if the program stopped here
    }
    EXPECT_EQ(ReadBytes(dir / "keep.bin"), (Bytes{1, 2, 3}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);

    CFile file;
    EXPECT_FALSE(file.Open(dir / "missing/x.bin", CFile::modeCreate | CFile::modeWrite));
}

TEST(File, WritesReplaceAFileSpelledInAnotherCase) {
    TestFolder dir;
    WriteBytes(dir / "NUV.INI", {9});
    CFile file;
    ASSERT_TRUE(file.Open(dir / "Nuv.ini", CFile::modeCreate | CFile::modeWrite));
    ASSERT_TRUE(file.Write("\x01", 1));
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(dir / "NUV.INI"), (Bytes{1}));
    EXPECT_FALSE(std::filesystem::exists(dir / "Nuv.ini") &&
                 !std::filesystem::equivalent(dir / "Nuv.ini", dir / "NUV.INI"));
}
