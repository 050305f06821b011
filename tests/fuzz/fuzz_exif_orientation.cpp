// The EXIF orientation of a JPEG, read where wine's decoders do not tell it.
#include <cstdint>
#include <vector>

#include "core/ExifOrientation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int orientation = JpegExifOrientation(std::vector<std::uint8_t>(data, data + size));
    if (orientation < 1 || orientation > 8) {
        __builtin_trap();
    }
    return 0;
}
