// A phone's photo made into a library bitmap, as the import program decodes it: the input is
// the picture file, in any format the system's loaders know, fitted to a small box so that
// most pictures are scaled too. What is made must be a bitmap the game shows, within the box.
#include <cstdlib>
#include <vector>

#include "core/BmpImage.h"
#include "platform/PictureDecoder.h"

namespace {

constexpr int kBoxWidth = 96;
constexpr int kBoxHeight = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> input(data, data + size);
    std::vector<std::uint8_t> bmp;
    const ImportResult result = DecodePicture(input, kBoxWidth, kBoxHeight, bmp);
    if (result == ImportResult::Done) {
        CBmpImage bitmap;
        if (!bitmap.LoadFromMemory(bmp.data(), bmp.size()) || bitmap.Width() > kBoxWidth ||
            bitmap.Height() > kBoxHeight) {
            std::abort();
        }
    } else if (result != ImportResult::NotReadable) {
        std::abort();
    }
    return 0;
}
