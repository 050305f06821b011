#include <gtest/gtest.h>

#include "TestFolder.h"
#include "common/Dib.h"
#include "platform/BackBitmap.h"
#include "platform/File.h"

namespace {

constexpr COLORREF kBack = RGB(1, 2, 3);
constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = v >> (8 * i) & 0xFF;
}

class Dib : public ::testing::Test {
protected:
    // Reads `bytes` from a file the way the dialog does.
    std::uint32_t Read(CDib& dib, const Bytes& bytes) {
        const std::string path = m_dir / "picture.bmp";
        WriteBytes(path, bytes);
        CFile file;
        EXPECT_TRUE(file.Open(path, CFile::modeRead | CFile::shareDenyNone));
        return dib.Read(file);
    }
    // The canvas after painting the whole image into `dest`.
    void PaintWhole(const CDib& dib, const RECT& dest, int width = 8, int height = 8) {
        ASSERT_TRUE(m_canvas.Create(width, height));
        m_canvas.Fill(kBack);
        m_nLines = dib.Paint(m_canvas, dest, {0, 0, dib.Width(), dib.Height()});
    }
    std::uint32_t At(int x, int y) {
        const COLORREF c = m_canvas.GetPixel(x, y);
        return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
    }
    void ExpectEmpty(CDib& dib) {
        EXPECT_EQ(dib.Width(), 0);
        EXPECT_EQ(dib.Height(), 0);
        EXPECT_EQ(dib.NumColors(), 0);
        EXPECT_EQ(dib.Palette(), nullptr);
        PaintWhole(dib, {0, 0, 8, 8});
        EXPECT_EQ(m_nLines, 0);
        EXPECT_EQ(m_canvas.GetPixel(0, 0), kBack);
    }

    TestFolder m_dir;
    CBackBitmap m_canvas;
    int m_nLines = -1;
};

// Two rows: the top one red then green, the bottom one blue then white.
const std::vector<std::uint32_t> kPalette = {kRed, kGreen, kBlue, kWhite};

}  // namespace

// The same bitmap with a longer info header: its extra fields zero, the offsets moved.
Bytes WithInfoHeaderSize(Bytes file, std::uint32_t size) {
    const std::uint32_t extra = size - 40;
    file.insert(file.begin() + 54, extra, 0);
    Put32(file, 2, static_cast<std::uint32_t>(file.size()));
    Put32(file, 10, file[10] + (file[11] << 8) + extra);
    Put32(file, 14, size);
    return file;
}

TEST_F(Dib, EveryDepthReadsAndPaintsUnscaledTopRowFirst) {
    struct Case {
        int bits;
        std::vector<std::uint32_t> palette;
        Bytes pixels;  // bottom row first, each padded to 4 bytes
    };
    const Case cases[] = {
        {1, {kBlue, kRed}, {0x40, 0, 0, 0, 0x80, 0, 0, 0}},  // needs a second pair of colours
        {4, kPalette, {0x23, 0, 0, 0, 0x01, 0, 0, 0}},
        {8, kPalette, {2, 3, 0, 0, 0, 1, 0, 0}},
        {16, {}, {0x1F, 0, 0xFF, 0x7F, 0x00, 0x7C, 0xE0, 0x03}},
        {24, {}, {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0, 0}},
        {32, {}, {0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0}},
    };
    // The 40-byte header, and the V4 and V5 headers painting programs save, whose colour
    // table follows their own size.
    for (const std::uint32_t headerSize : {40u, 108u, 124u})
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.bits << " bits, header " << headerSize);
            CDib dib;
            const Bytes file =
                WithInfoHeaderSize(MakeBmp(2, 2, c.bits, 0, c.palette, c.pixels), headerSize);
            ASSERT_EQ(Read(dib, file), file.size());
            EXPECT_EQ(dib.Width(), 2);
            EXPECT_EQ(dib.Height(), 2);
            PaintWhole(dib, {3, 4, 5, 6});
            EXPECT_EQ(m_nLines, 2);
            if (c.bits == 1) {  // only two colours: red above blue... and blue, red below
                EXPECT_EQ(At(3, 4), kRed);
                EXPECT_EQ(At(4, 4), kBlue);
                EXPECT_EQ(At(3, 5), kBlue);
                EXPECT_EQ(At(4, 5), kRed);
            } else {
                EXPECT_EQ(At(3, 4), kRed);
                EXPECT_EQ(At(4, 4), kGreen);
                EXPECT_EQ(At(3, 5), kBlue);
                EXPECT_EQ(At(4, 5), kWhite);
            }
            EXPECT_EQ(m_canvas.GetPixel(2, 4), kBack);
            EXPECT_EQ(m_canvas.GetPixel(5, 5), kBack);
            EXPECT_EQ(m_canvas.GetPixel(3, 6), kBack);
        }
}

TEST_F(Dib, ColourTablesAndPalettes) {
    CDib dib;
    // 8 bits with biClrUsed 0: all 256 entries, which must all be present.
    std::vector<std::uint32_t> table(256, 0);
    table[0] = 0x102030;
    table[255] = 0xA0B0C0;
    Bytes file = MakeBmp(1, 1, 8, 0, table, {255, 0, 0, 0});
    Put32(file, 46, 0);
    ASSERT_EQ(Read(dib, file), file.size());
    EXPECT_EQ(dib.NumColors(), 256);
    EXPECT_EQ(dib.PaletteSize(), 1024);
    ASSERT_NE(dib.Palette(), nullptr);
    ASSERT_EQ(dib.Palette()->size(), 256u);
    const PALETTEENTRY first = (*dib.Palette())[0], last = (*dib.Palette())[255];
    EXPECT_EQ(first.peRed, 0x10);
    EXPECT_EQ(first.peGreen, 0x20);
    EXPECT_EQ(first.peBlue, 0x30);
    EXPECT_EQ(first.peFlags, 0);
    EXPECT_EQ(last.peRed, 0xA0);
    EXPECT_EQ(last.peBlue, 0xC0);

    // biClrUsed 17: seventeen entries.
    ASSERT_NE(Read(dib, MakeBmp(1, 1, 8, 0, std::vector<std::uint32_t>(17, kRed), {16, 0, 0, 0})),
              0u);
    EXPECT_EQ(dib.NumColors(), 17);
    EXPECT_EQ(dib.Palette()->size(), 17u);

    // Only 1, 4 and 8 bits imply a colour table.
    for (int bits : {16, 24, 32}) {
        ASSERT_NE(Read(dib, MakeBmp(1, 1, bits, 0, {}, Bytes(4, 0))), 0u);
        EXPECT_EQ(dib.NumColors(), 0);
        EXPECT_EQ(dib.Palette(), nullptr);
        EXPECT_EQ(dib.MakePalette(), TRUE);
    }
    dib.Free();
    EXPECT_EQ(dib.MakePalette(), FALSE);
}

TEST_F(Dib, RunLengthEncodedAndTopDownImagesPaintUpright) {
    CDib dib;
    // RLE8, bottom row first: two of entry 2 (blue), end of line, then red and green, end.
    ASSERT_NE(Read(dib, MakeBmp(2, 2, 8, 1, kPalette, {2, 2, 0, 0, 1, 0, 1, 1, 0, 1})), 0u);
    PaintWhole(dib, {0, 0, 2, 2});
    EXPECT_EQ(At(0, 0), kRed);
    EXPECT_EQ(At(1, 0), kGreen);
    EXPECT_EQ(At(0, 1), kBlue);
    EXPECT_EQ(At(1, 1), kBlue);

    // RLE4: entries 3 and 2 alternate on the bottom row, 0 and 1 on the top one.
    ASSERT_NE(Read(dib, MakeBmp(2, 2, 4, 2, kPalette, {2, 0x32, 0, 0, 2, 0x01, 0, 1})), 0u);
    PaintWhole(dib, {0, 0, 2, 2});
    EXPECT_EQ(At(0, 0), kRed);
    EXPECT_EQ(At(1, 0), kGreen);
    EXPECT_EQ(At(0, 1), kWhite);
    EXPECT_EQ(At(1, 1), kBlue);

    // A top-down image keeps its negative height, and still shows its first row on top,
    // at its own size and stretched.
    ASSERT_NE(Read(dib, MakeBmp(1, -2, 24, 0, {}, {0, 0, 0xFF, 0, 0xFF, 0, 0, 0})), 0u);
    EXPECT_EQ(dib.Height(), -2);
    PaintWhole(dib, {0, 0, 1, 2});
    EXPECT_EQ(At(0, 0), kRed);
    EXPECT_EQ(At(0, 1), kBlue);
    PaintWhole(dib, {0, 0, 2, 4});
    EXPECT_EQ(At(1, 1), kRed);
    EXPECT_EQ(At(1, 2), kBlue);
}

TEST_F(Dib, StretchTakesTheNearestPixelAndStaysInsideTheDestination) {
    CDib dib;
    const Bytes file = MakeBmp(2, 2, 8, 0, kPalette, {2, 3, 0, 0, 0, 1, 0, 0});
    ASSERT_NE(Read(dib, file), 0u);
    // Doubled: each pixel becomes a 2x2 block.
    PaintWhole(dib, {1, 1, 5, 5});
    EXPECT_EQ(m_nLines, 2);
    for (int y = 1; y < 5; ++y) {
        for (int x = 1; x < 5; ++x) {
            const std::uint32_t expected =
                y < 3 ? (x < 3 ? kRed : kGreen) : (x < 3 ? kBlue : kWhite);
            EXPECT_EQ(At(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(m_canvas.GetPixel(0, 1), kBack);
    EXPECT_EQ(m_canvas.GetPixel(5, 5), kBack);
    // Three by one: columns 0, 0, 1 of the top row... and of the bottom row below it.
    PaintWhole(dib, {0, 0, 3, 1});
    EXPECT_EQ(At(0, 0), kRed);
    EXPECT_EQ(At(1, 0), kRed);
    EXPECT_EQ(At(2, 0), kGreen);
    EXPECT_EQ(m_canvas.GetPixel(0, 1), kBack);
    // Shrunk to one pixel: the top left one.
    PaintWhole(dib, {7, 7, 8, 8});
    EXPECT_EQ(At(7, 7), kRed);
    // A destination reaching past the canvas is cut where it leaves the canvas.
    PaintWhole(dib, {-4, -4, 12, 12});
    EXPECT_EQ(At(0, 0), kRed);
    EXPECT_EQ(At(7, 7), kWhite);
    PaintWhole(dib, {5, 5, 5, 9});  // no width
    EXPECT_EQ(m_nLines, 0);
    EXPECT_EQ(m_canvas.GetPixel(5, 5), kBack);
}

TEST_F(Dib, DamagedFilesLeaveTheObjectEmpty) {
    const Bytes good = MakeBmp(2, 2, 8, 0, kPalette, {2, 3, 0, 0, 0, 1, 0, 0});
    std::vector<std::pair<const char*, Bytes>> bad;
    bad.emplace_back("not BM", good);
    bad.back().second[0] = 'P';
    bad.emplace_back("short file header", Bytes(good.begin(), good.begin() + 10));
    bad.emplace_back("short info header", Bytes(good.begin(), good.begin() + 40));
    Bytes offset = good;
    Put32(offset, 10, 50);  // pixels inside the headers
    bad.emplace_back("offset below the headers", offset);
    Put32(offset, 10, static_cast<std::uint32_t>(good.size() + 1));
    bad.emplace_back("offset beyond the file", offset);
    Bytes header = good;
    Put32(header, 14, 108);
    bad.emplace_back("a header longer than the bytes before the pixels", header);
    Put32(header, 14, 39);
    bad.emplace_back("a header shorter than 40 bytes", header);
    Bytes colours = good;
    Put32(colours, 46, 200);  // 200 entries, 4 present
    bad.emplace_back("colour table larger than present", colours);
    bad.emplace_back("short pixels", Bytes(good.begin(), good.end() - 1));
    Bytes depth = good;
    depth[28] = 7;
    bad.emplace_back("unknown depth", depth);
    Bytes wide = good;
    Put32(wide, 18, 0x7FFFFFFF);
    bad.emplace_back("huge width", wide);

    for (const auto& [what, bytes] : bad) {
        SCOPED_TRACE(what);
        CDib dib;
        ASSERT_EQ(Read(dib, good), good.size());
        // A failed read never keeps the image read before.
        EXPECT_EQ(Read(dib, bytes), 0u);
        ExpectEmpty(dib);
    }

    // Bytes after the pixel array belong to it, and count in the length.
    Bytes longer = good;
    longer.insert(longer.end(), 100, 0xEE);
    CDib dib;
    EXPECT_EQ(Read(dib, longer), longer.size());
    EXPECT_EQ(dib.Width(), 2);
}
