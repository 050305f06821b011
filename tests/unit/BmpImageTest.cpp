#include <gtest/gtest.h>

#include "TestFolder.h"
#include "core/BmpImage.h"

namespace {

bool Decode(CBmpImage& image, const Bytes& bytes) {
    return image.LoadFromMemory(bytes.data(), bytes.size());
}

}  // namespace

TEST(BmpImage, TwentyFourBitBottomUpAndTopDown) {
    CBmpImage image;
    ASSERT_TRUE(Decode(image, MakeBmp24(3, 2, 0x112233, 0xAABBCC)));
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.GetPixel(0, 0), 0x112233u);
    EXPECT_EQ(image.GetPixel(1, 1), 0xAABBCCu);

    // Two rows top-down (negative height): first row blue, second red.
    Bytes rows = {0xFF, 0, 0, 0, 0, 0, 0xFF, 0};
    ASSERT_TRUE(Decode(image, MakeBmp(1, -2, 24, 0, {}, rows)));
    EXPECT_EQ(image.GetPixel(0, 0), 0x0000FFu);
    EXPECT_EQ(image.GetPixel(0, 1), 0xFF0000u);
}

TEST(BmpImage, PalettedAndPackedFormats) {
    CBmpImage image;
    const std::vector<std::uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    ASSERT_TRUE(Decode(image, MakeBmp(3, 1, 8, 0, palette, {1, 2, 200, 0})));  // 200: no entry
    EXPECT_EQ(image.GetPixel(0, 0), 0xFF0000u);
    EXPECT_EQ(image.GetPixel(1, 0), 0x00FF00u);
    EXPECT_EQ(image.GetPixel(2, 0), 0x000000u);

    ASSERT_TRUE(Decode(image, MakeBmp(3, 1, 4, 0, palette, {0x12, 0x30, 0, 0})));
    EXPECT_EQ(image.GetPixel(0, 0), 0xFF0000u);
    EXPECT_EQ(image.GetPixel(1, 0), 0x00FF00u);
    EXPECT_EQ(image.GetPixel(2, 0), 0x0000FFu);

    ASSERT_TRUE(Decode(image, MakeBmp(9, 1, 1, 0, {0xFFFFFF, 0x000000}, {0x80, 0x80, 0, 0})));
    EXPECT_EQ(image.GetPixel(0, 0), 0x000000u);
    EXPECT_EQ(image.GetPixel(1, 0), 0xFFFFFFu);
    EXPECT_EQ(image.GetPixel(8, 0), 0x000000u);

    ASSERT_TRUE(Decode(image, MakeBmp(2, 1, 16, 0, {}, {0x00, 0x7C, 0x1F, 0x00})));  // 5-5-5
    EXPECT_EQ(image.GetPixel(0, 0), 0xFF0000u);
    EXPECT_EQ(image.GetPixel(1, 0), 0x0000FFu);

    ASSERT_TRUE(Decode(image, MakeBmp(1, 1, 32, 0, {}, {0x33, 0x22, 0x11, 0xFF})));
    EXPECT_EQ(image.GetPixel(0, 0), 0x112233u);
}

TEST(BmpImage, RunLengthEncoded) {
    CBmpImage image;
    const std::vector<std::uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00};
    // Bottom row: 3 x colour 1, then end of line; top row: absolute 2, 1, 2; end of bitmap.
    Bytes rle = {3, 1, 0, 0, 0, 3, 2, 1, 2, 0, 0, 1};
    ASSERT_TRUE(Decode(image, MakeBmp(3, 2, 8, 1, palette, rle)));
    EXPECT_EQ(image.GetPixel(0, 1), 0xFF0000u);
    EXPECT_EQ(image.GetPixel(2, 1), 0xFF0000u);
    EXPECT_EQ(image.GetPixel(0, 0), 0x00FF00u);
    EXPECT_EQ(image.GetPixel(1, 0), 0xFF0000u);

    // Runs past the row and deltas past the picture are cut off, never written.
    Bytes wild = {255, 1, 0, 2, 200, 200, 255, 2, 0, 1};
    ASSERT_TRUE(Decode(image, MakeBmp(3, 2, 8, 1, palette, wild)));
    EXPECT_EQ(image.GetPixel(2, 1), 0xFF0000u);
}

TEST(BmpImage, HostileFilesAreRefused) {
    CBmpImage image;
    Bytes good = MakeBmp24(4, 4, 0x123456);
    std::vector<Bytes> bad;
    bad.push_back(Bytes(good.begin(), good.end() - 5));               // truncated pixels
    bad.push_back(Bytes(good.begin(), good.begin() + 20));            // truncated header
    bad.push_back(MakeBmp(100000, 100000, 24, 0, {}, {0, 0, 0, 0}));  // absurd size
    bad.push_back(MakeBmp(-4, 4, 24, 0, {}, Bytes(64, 0)));           // negative width
    bad.push_back(MakeBmp(4, 4, 7, 0, {}, Bytes(64, 0)));             // no such depth
    bad.push_back(MakeBmp(4, 4, 24, 1, {}, Bytes(64, 0)));            // RLE8 on 24 bits
    bad.push_back(MakeBmp(20000, 20000, 8, 1, {0}, {0, 1}));          // tiny RLE, huge picture
    Bytes wrongOffset = good;
    wrongOffset[10] = 0xFF;
    wrongOffset[11] = 0xFF;
    bad.push_back(wrongOffset);
    Bytes notBmp = good;
    notBmp[0] = 'X';
    bad.push_back(notBmp);
    for (std::size_t i = 0; i < bad.size(); ++i) {
        EXPECT_FALSE(Decode(image, bad[i])) << i;
        EXPECT_FALSE(image.IsLoaded());
    }
    EXPECT_FALSE(image.Load("/nonexistent/x.bmp"));
}

TEST(BmpImage, RunLengthPositionsStopAtTheEdge) {
    CBmpImage image;
    const std::vector<std::uint32_t> palette = {0x000000, 0xFF0000};
    // 8.5 million deltas of 255 columns carry x far beyond what an int holds; the run that
    // follows must land nowhere.
    Bytes rle;
    rle.reserve(8500000u * 4 + 8);
    for (int i = 0; i < 8500000; ++i) {
        rle.insert(rle.end(), {0, 2, 255, 0});
    }
    rle.insert(rle.end(), {4, 1, 0, 1});
    ASSERT_TRUE(Decode(image, MakeBmp(4, 2, 8, 1, palette, rle)));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(image.GetPixel(x, y), 0u) << x << "," << y;
        }
    }
    // A delta far down the picture ends it; rows below stay the background.
    Bytes down = {0, 2, 0, 255, 0, 2, 0, 255, 2, 1, 0, 1};
    ASSERT_TRUE(Decode(image, MakeBmp(4, 2, 4, 2, palette, down)));
    EXPECT_EQ(image.GetPixel(0, 1), 0u);
}

TEST(BmpImage, BitFieldsUseTheWholeMask) {
    CBmpImage image;
    // A 32-bit red mask of every bit: full and half intensity.
    const std::vector<std::uint32_t> masks = {0xFFFFFFFF, 0, 0};
    ASSERT_TRUE(
        Decode(image, MakeBmp(2, 1, 32, 3, masks, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80})));
    EXPECT_EQ(image.GetPixel(0, 0), 0xFF0000u);
    EXPECT_EQ(image.GetPixel(1, 0), 0x7F0000u);
}
