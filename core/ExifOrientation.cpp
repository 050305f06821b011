#include "core/ExifOrientation.h"

#include <algorithm>
#include <cstddef>

namespace {

// The TIFF structure inside the segment, in the byte order its header gives.
class TiffReader {
public:
    TiffReader(const std::uint8_t* data, std::size_t size, bool bBigEndian)
        : m_data(data), m_size(size), m_bBig(bBigEndian) {}
    bool Has(std::size_t offset, std::size_t count) const {
        return offset <= m_size && count <= m_size - offset;
    }
    std::uint32_t U16(std::size_t at) const {
        return m_bBig ? m_data[at] << 8 | m_data[at + 1] : m_data[at] | m_data[at + 1] << 8;
    }
    std::uint32_t U32(std::size_t at) const {
        return m_bBig ? U16(at) << 16 | U16(at + 2) : U16(at) | U16(at + 2) << 16;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    bool m_bBig;
};

int OrientationInExif(const std::uint8_t* tiff, std::size_t size) {
    if (size < 8 || !((tiff[0] == 'I' && tiff[1] == 'I') || (tiff[0] == 'M' && tiff[1] == 'M'))) {
        return 1;
    }
    const TiffReader read(tiff, size, tiff[0] == 'M');
    if (read.U16(2) != 42) {
        return 1;
    }
    const std::size_t directory = read.U32(4);
    if (!read.Has(directory, 2)) {
        return 1;
    }
    const std::size_t entries = read.U16(directory);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t entry = directory + 2 + 12 * i;
        if (!read.Has(entry, 12)) {
            return 1;
        }
        // Tag 0x0112, type SHORT, one value, held in the entry itself.
        if (read.U16(entry) == 0x0112) {
            const std::uint32_t value = read.U16(entry + 8);
            return read.U16(entry + 2) == 3 && read.U32(entry + 4) == 1 && value >= 1 && value <= 8
                       ? static_cast<int>(value)
                       : 1;
        }
    }
    return 1;
}

}  // namespace

int JpegExifOrientation(const std::vector<std::uint8_t>& data) {
    const std::size_t size = data.size();
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) {
        return 1;
    }
    // The segments before the picture data, each with its length, until the first APP1
    // that holds EXIF.
    std::size_t at = 2;
    while (at + 4 <= size && data[at] == 0xFF) {
        const std::uint8_t marker = data[at + 1];
        if (marker == 0xDA || marker == 0xD9) {
            break;  // the picture data begins, or the file ends
        }
        const std::size_t length = data[at + 2] << 8 | data[at + 3];
        if (length < 2 || length > size - at - 2) {
            break;
        }
        const std::uint8_t* body = data.data() + at + 4;
        const std::size_t bodySize = length - 2;
        static const std::uint8_t kExif[] = {'E', 'x', 'i', 'f', 0, 0};
        if (marker == 0xE1 && bodySize >= sizeof kExif &&
            std::equal(kExif, kExif + sizeof kExif, body)) {
            return OrientationInExif(body + sizeof kExif, bodySize - sizeof kExif);
        }
        at += 2 + length;
    }
    return 1;
}
