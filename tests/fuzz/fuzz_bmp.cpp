// BMP pictures of every depth and compression.
#include <cstdint>
#include <cstdlib>

#include "core/BmpImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CBmpImage image;
    if (image.LoadFromMemory(data, size)) {
        // Every pixel is there (the sanitizer sees a short buffer) and is 0x00RRGGBB.
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < image.Width(); ++x) {
                if (image.GetPixel(x, y) > 0xFFFFFFu) {
                    std::abort();
                }
            }
        }
    }
    return 0;
}
