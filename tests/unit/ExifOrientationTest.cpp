// The orientation a camera records in a JPEG's EXIF segment, read without trusting the file.
#include <gtest/gtest.h>

#include "TestFolder.h"
#include "core/ExifOrientation.h"

namespace {

// A JPEG's start, an APP1 segment holding `tiff` after "Exif", and the start of the scan.
Bytes JpegWithExif(const Bytes& tiff) {
    const std::size_t length = 2 + 6 + tiff.size();
    // The start, an empty APP0, then APP1, built a byte at a time.
    Bytes jpeg;
    for (const int byte : {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0, 0xFF, 0xE1, int(length >> 8),
                           int(length & 0xFF), int('E'), int('x'), int('i'), int('f'), 0, 0}) {
        jpeg.push_back(std::uint8_t(byte));
    }
    for (const std::uint8_t byte : tiff) {
        jpeg.push_back(byte);
    }
    for (const int byte : {0xFF, 0xDA, 0, 2}) {
        jpeg.push_back(std::uint8_t(byte));
    }
    return jpeg;
}

// One directory entry: tag, type, count and a short value, big-endian.
const Bytes kBig = {'M',  'M',  0, 42, 0, 0, 0, 8, 0,   2,        // two entries
                    0x01, 0x0F, 0, 2,  0, 0, 0, 1, 'x', 0, 0, 0,  // the maker first
                    0x01, 0x12, 0, 3,  0, 0, 0, 1, 0,   6, 0, 0};

}  // namespace

TEST(ExifOrientation, IsReadWhereTheCameraPutItAndNowhereElse) {
    const Bytes little = {'I',  'I', 42, 0, 8, 0, 0, 0, 1, 0, 0x12,
                          0x01, 3,   0,  1, 0, 0, 0, 8, 0, 0, 0};
    Bytes wrongType = kBig, outOfRange = kBig, farDirectory = kBig;
    wrongType[25] = 4;      // a LONG
    outOfRange[31] = 9;     // no such orientation
    farDirectory[7] = 200;  // the directory lies past the segment
    Bytes cutShort = JpegWithExif(kBig);
    cutShort.resize(cutShort.size() - 12);
    const struct {
        const char* what;
        Bytes jpeg;
        int orientation;
    } cases[] = {
        {"big-endian", JpegWithExif(kBig), 6},
        {"little-endian", JpegWithExif(little), 8},
        {"wrong type", JpegWithExif(wrongType), 1},
        {"out of range", JpegWithExif(outOfRange), 1},
        {"directory past the end", JpegWithExif(farDirectory), 1},
        {"segment cut short", cutShort, 1},
        {"no JPEG", Bytes(kBig), 1},
        {"empty", {}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(JpegExifOrientation(c.jpeg), c.orientation);
    }
}
