#include "platform/PictureImport.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/BmpImage.h"
#include "platform/FileSystem.h"
#include "platform/ImportProcess.h"

ImportResult ImportPicture(const std::string& source, const std::string& target, int maxWidth,
                           int maxHeight, std::string& reason) {
    maxWidth = std::max(1, maxWidth);
    maxHeight = std::max(1, maxHeight);
    std::vector<std::uint8_t> data, bmp;
    if (!ReadWholeFile(source, data, kMaxImportSourceBytes) || data.empty()) {
        return ImportResult::NotReadable;
    }
    const ImportResult result =
        RunImportProgram({"picture", std::to_string(maxWidth), std::to_string(maxHeight)}, data,
                         bmp, CBmpImage::kMaxFileSize);
    if (result != ImportResult::Done) {
        return result == ImportResult::Cancelled ? result : ImportResult::NotReadable;
    }
    // What comes back is checked as any bitmap is: the game's own reader must take it.
    CBmpImage check;
    if (!check.LoadFromMemory(bmp.data(), bmp.size()) || check.Width() > maxWidth ||
        check.Height() > maxHeight) {
        return ImportResult::NotReadable;
    }
    if (!WriteWholeFile(target, bmp, &reason)) {
        return ImportResult::WriteFailed;
    }
    return ImportResult::Done;
}
