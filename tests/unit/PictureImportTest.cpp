// Photos made into library bitmaps: turned upright, fitted to the screen, and never a partial
// or a wrong file.
#include <gtest/gtest.h>

#include <filesystem>

#include "PhoneMedia.h"
#include "TestFolder.h"
#include "core/BmpImage.h"
#include "platform/PictureDecoder.h"
#include "platform/PictureImport.h"
#include "platform/SoundImport.h"

namespace {

// The colour nearest to a pixel among the four quarters' colours.
std::uint32_t Quarter(const CBmpImage& image, int x, int y) {
    const std::uint32_t p = image.GetPixel(x, y);
    const int r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
    if (r > 200 && g > 200 && b > 200)
        return kWhite;
    if (r > 200)
        return kRed;
    if (g > 200)
        return kGreen;
    if (b > 200)
        return kBlue;
    return p;
}

std::uint32_t Crc32(const Bytes& bytes) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (const std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int k = 0; k < 8; ++k) {
            crc = crc >> 1 ^ (0xEDB88320 & (0 - (crc & 1)));
        }
    }
    return ~crc;
}

class PictureImportTest : public ::testing::Test {
protected:
    ImportResult Import(const Bytes& source, int maxWidth, int maxHeight) {
        WriteBytes(m_folder / "in", source);
        std::string reason;
        return ImportPicture(m_folder / "in", m_folder / "out.bmp", maxWidth, maxHeight, reason);
    }
    TestFolder m_folder;
};

TEST_F(PictureImportTest, ThePictureComesOutUprightWithItsCornersInPlace) {
    // Orientation 6: the stored picture is turned a quarter to the right for display.
    struct Case {
        const char* what;
        Bytes source;
        int width, height;
        std::uint32_t topLeft, topRight, bottomLeft, bottomRight;
    };
    const Case cases[] = {
        {"PNG", MakePicture(40, 30, "png"), 40, 30, kRed, kGreen, kBlue, kWhite},
        {"JPEG", MakePicture(40, 30, "jpeg"), 40, 30, kRed, kGreen, kBlue, kWhite},
        {"WebP", MakePicture(40, 30, "webp"), 40, 30, kRed, kGreen, kBlue, kWhite},
        {"HEIC", MakePicture(40, 30, "heic"), 40, 30, kRed, kGreen, kBlue, kWhite},
        {"JPEG turned by EXIF 6", MakePicture(40, 30, "jpeg", 6), 30, 40, kBlue, kRed, kWhite,
         kGreen},
        {"JPEG turned by EXIF 3", MakePicture(40, 30, "jpeg", 3), 40, 30, kWhite, kBlue, kGreen,
         kRed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(Import(c.source, 1000, 1000), ImportResult::Done);
        CBmpImage image;
        ASSERT_TRUE(image.Load(m_folder / "out.bmp"));
        EXPECT_EQ(image.Width(), c.width);
        EXPECT_EQ(image.Height(), c.height);
        const int w = image.Width(), h = image.Height(), m = 3;
        EXPECT_EQ(Quarter(image, m, m), c.topLeft);
        EXPECT_EQ(Quarter(image, w - 1 - m, m), c.topRight);
        EXPECT_EQ(Quarter(image, m, h - 1 - m), c.bottomLeft);
        EXPECT_EQ(Quarter(image, w - 1 - m, h - 1 - m), c.bottomRight);
        // The file is the library's own kind: a 24-bit BMP with a 40-byte header.
        const Bytes out = ReadBytes(m_folder / "out.bmp");
        EXPECT_EQ(out[14], 40);
        EXPECT_EQ(out[28], 24);
    }
}

TEST_F(PictureImportTest, LargePicturesFitTheBoxAndSmallOnesAreNeverScaledUp) {
    struct Case {
        Bytes source;
        int maxWidth, maxHeight, width, height;
        std::uint32_t topLeft = kRed;
    };
    const Case cases[] = {
        {MakePicture(4000, 3000, "jpeg"), 960, 768, 960, 720},            // landscape, width bound
        {MakePicture(3000, 4000, "png"), 960, 768, 576, 768},             // portrait, height bound
        {MakePicture(4000, 3000, "jpeg", 6), 960, 768, 576, 768, kBlue},  // turned, then fitted
        {MakePicture(100, 50, "png"), 960, 768, 100, 50},                 // small: as it is
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Import(c.source, c.maxWidth, c.maxHeight), ImportResult::Done);
        CBmpImage image;
        ASSERT_TRUE(image.Load(m_folder / "out.bmp"));
        EXPECT_EQ(image.Width(), c.width);
        EXPECT_EQ(image.Height(), c.height);
        EXPECT_EQ(Quarter(image, 2, 2), c.topLeft);
    }
}

TEST_F(PictureImportTest, WhatIsNotAPictureIsRefusedAndNothingPartialIsLeft) {
    const Bytes jpeg = MakePicture(200, 100, "jpeg");
    const Bytes text = {'h', 'e', 'l', 'l', 'o', '\n'};
    // An X pixmap is a picture the system reads, but no phone's: its loader is not used.
    const std::string xpm =
        "/* XPM */\nstatic char *p[] = {\"2 1 1 1\", \"a c #FF0000\", \"aa\"};\n";
    const auto half = [](const Bytes& whole) {
        return Bytes(whole.begin(), whole.begin() + whole.size() / 2);
    };
    // A PNG whose header claims 10,000 rows, and whose data holds ten.
    Bytes tenRows = MakePicture(200, 10, "png");
    tenRows[22] = 10000 >> 8;
    tenRows[23] = 10000 & 0xFF;
    const std::uint32_t crc = Crc32(Bytes(tenRows.begin() + 12, tenRows.begin() + 29));
    for (int i = 0; i < 4; ++i) {
        tenRows[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    }
    // A bitmap's headers claiming 100 x 100 pixels, and none of them, named as a photo.
    const Bytes bmp = MakeBmp24(100, 100, kRed);
    const struct {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"text", text},
        {"JPEG cut short", half(jpeg)},
        {"PNG cut short", half(MakePicture(200, 100, "png"))},
        {"WebP cut short", half(MakePicture(200, 100, "webp"))},
        {"PNG of fewer rows than it claims", tenRows},
        {"bitmap headers only", Bytes(bmp.begin(), bmp.begin() + 54)},
        {"nothing", Bytes()},
        {"X pixmap", Bytes(xpm.begin(), xpm.end())},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Import(c.bytes, 100, 100), ImportResult::NotReadable) << c.what;
        EXPECT_FALSE(std::filesystem::exists(m_folder / "out.bmp")) << c.what;
    }
    // A folder in the source's place, and a target folder that is not there.
    MakeFolder(m_folder / "dir");
    std::string reason;
    EXPECT_EQ(ImportPicture(m_folder / "dir", m_folder / "out.bmp", 100, 100, reason),
              ImportResult::NotReadable);
    WriteBytes(m_folder / "in", jpeg);
    EXPECT_EQ(ImportPicture(m_folder / "in", m_folder / "missing/out.bmp", 100, 100, reason),
              ImportResult::WriteFailed);
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.Path()), {}), 2);
}

// Crafted files that cost the system's decoders gigabytes or minutes are refused by the
// import, whatever their kind.
TEST_F(PictureImportTest, FilesMadeToExhaustTheDecodersAreRefused) {
    const std::string corpus = FUZZ_CORPUS_DIR;
    for (const char* name :
         {"fuzz_picture_import/bomb-animated.webp",
          "fuzz_picture_import/heif-grid-repeated-tile.heic",
          "fuzz_picture_import/jpeg-many-scans.jpg", "fuzz_picture_import/webp-claiming-much"}) {
        EXPECT_EQ(Import(ReadBytes(corpus + "/" + name), 960, 768), ImportResult::NotReadable)
            << name;
    }
    std::string reason;
    EXPECT_EQ(ImportSound(corpus + "/fuzz_sound_import/huge-sample-table.m4a", m_folder / "out.wav",
                          reason),
              ImportResult::NotReadable);
}

}  // namespace

namespace {
// HEIF boxes, big-endian: a box, and a full box with its version and flags.
Bytes Be(std::uint64_t value, int bytes) {
    Bytes out;
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    return out;
}
Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}
Bytes HeifBox(const char* type, const Bytes& body) {
    return Join({Be(8 + body.size(), 4), Bytes(type, type + 4), body});
}
Bytes FullBox(const char* type, int version, const Bytes& body) {
    return HeifBox(type, Join({Be(version, 1), Be(0, 3), body}));
}

// A HEIF file whose item 1 is a picture made of tiles ("grid" or "iovl") with `data` as its
// own data, in the meta box's data (or in the file's media data), and whose
// picture property claims `width` x `height`.
Bytes TiledHeif(const char* kind, const Bytes& data, bool bInFile, std::uint32_t width,
                std::uint32_t height) {
    const Bytes infe = FullBox("infe", 2, Join({Be(1, 2), Be(0, 2), Bytes(kind, kind + 4)}));
    const Bytes ftyp = HeifBox("ftyp", Join({Bytes{'h', 'e', 'i', 'c'}, Be(0, 4)}));
    const auto meta = [&](std::uint64_t offset) {
        // iloc version 1: 4-byte offsets and lengths, no base offset, no index.
        const Bytes iloc =
            FullBox("iloc", 1,
                    Join({Be(0x44, 1), Be(0, 1), Be(1, 2), Be(1, 2), Be(bInFile ? 0 : 1, 2),
                          Be(0, 2), Be(1, 2), Be(offset, 4), Be(data.size(), 4)}));
        const Bytes ispe = FullBox("ispe", 0, Join({Be(width, 4), Be(height, 4)}));
        return FullBox("meta", 0,
                       Join({FullBox("iinf", 0, Join({Be(1, 2), infe})), iloc,
                             HeifBox("iprp", HeifBox("ipco", ispe)),
                             bInFile ? Bytes{} : HeifBox("idat", data)}));
    };
    if (!bInFile) {
        return Join({ftyp, meta(0)});
    }
    const std::size_t at = ftyp.size() + meta(0).size() + 8;
    return Join({ftyp, meta(at), HeifBox("mdat", data)});
}
}  // namespace

// A HEIF's claimed sizes are checked before its loader decodes a picture of tiles at the
// size its data claims; a phone's 12-megapixel grid passes.
TEST(HeifSizes, TiledPicturesClaimingTooMuchAreRefusedBeforeTheyAreDecoded) {
    const Bytes grid12mp = Join({Be(0, 1), Be(0, 1), Be(5, 1), Be(7, 1), Be(4032, 2), Be(3024, 2)});
    const Bytes gridHuge =
        Join({Be(0, 1), Be(1, 1), Be(0, 1), Be(0, 1), Be(30000, 4), Be(30000, 4)});
    const Bytes overlayHuge = Join({Be(0, 1), Be(0, 1), Bytes(8, 0), Be(20000, 2), Be(20000, 2)});
    const Bytes overlaySmall = Join({Be(0, 1), Be(0, 1), Bytes(8, 0), Be(640, 2), Be(480, 2)});
    const struct {
        const char* what;
        Bytes file;
        bool bFits;
    } cases[] = {
        {"a phone's grid", TiledHeif("grid", grid12mp, false, 4032, 3024), true},
        {"a phone's grid, stored in the file", TiledHeif("grid", grid12mp, true, 4032, 3024), true},
        {"a small overlay", TiledHeif("iovl", overlaySmall, false, 640, 480), true},
        {"a grid claiming 30000 x 30000", TiledHeif("grid", gridHuge, false, 64, 64), false},
        {"the same, stored in the file", TiledHeif("grid", gridHuge, true, 64, 64), false},
        {"an overlay claiming 20000 x 20000", TiledHeif("iovl", overlayHuge, false, 64, 64), false},
        {"a picture claiming 20000 x 10000", TiledHeif("grid", grid12mp, false, 20000, 10000),
         false},
        {"a grid whose data is cut before its size",
         TiledHeif("grid", Bytes(grid12mp.begin(), grid12mp.begin() + 5), false, 64, 64), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HeifSizesFit(c.file), c.bFits) << c.what;
    }
    Bytes overrun = cases[0].file;
    overrun.resize(overrun.size() - 3);  // the meta box claims more than is there
    EXPECT_FALSE(HeifSizesFit(overrun));
}
