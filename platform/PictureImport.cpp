#include "platform/PictureImport.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/BmpImage.h"
#include "platform/ImportProcess.h"

ImportResult ImportPicture(const std::string& source, const std::string& target, int maxWidth,
                           int maxHeight, std::string& reason) {
    maxWidth = std::max(1, maxWidth);
    maxHeight = std::max(1, maxHeight);
    // What comes back must be a bitmap the game shows, within the box.
    const auto valid = [maxWidth, maxHeight](const std::vector<std::uint8_t>& bmp) {
        CBmpImage check;
        return check.LoadFromMemory(bmp.data(), bmp.size()) && check.Width() <= maxWidth &&
               check.Height() <= maxHeight;
    };
    return ImportThroughProgram(source, target,
                                {"picture", std::to_string(maxWidth), std::to_string(maxHeight)},
                                CBmpImage::kMaxFileSize, valid, reason);
}
