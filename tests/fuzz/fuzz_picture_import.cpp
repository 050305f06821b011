// A phone's photo made into a library bitmap: the input is the picture file, in any format
// the system's loaders know, fitted to a small box so that most pictures are scaled too.
// What is made must be a bitmap the game shows, within the box; a refused picture leaves
// nothing behind.
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "platform/BmpImage.h"
#include "platform/PictureImport.h"

namespace {

constexpr int kBoxWidth = 96;
constexpr int kBoxHeight = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string source = FuzzFolder() + "/photo";
    static const std::string target = FuzzFolder() + "/photo.bmp";
    WriteInput(source, data, size);
    std::string reason;
    const ImportResult result = ImportPicture(source, target, kBoxWidth, kBoxHeight, reason);
    if (result == ImportResult::Done) {
        CBmpImage bitmap;
        if (!bitmap.Load(target) || bitmap.Width() > kBoxWidth || bitmap.Height() > kBoxHeight) {
            std::abort();
        }
    } else if (result != ImportResult::NotReadable) {
        std::abort();  // the folder is the process's own: writing cannot fail
    }
    RemoveOutputAndCheckForLeftovers(target);
    return 0;
}
