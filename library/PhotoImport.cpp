#include "library/PhotoImport.h"

#include "platform/PictureImport.h"
#include "platform/ScreenMetrics.h"
#include "res/Resource.h"

FileConversion PhotosToBitmaps() {
    const int maxWidth = GetSystemMetrics(SM_CXSCREEN) * 3 / 4;
    const int maxHeight = GetSystemMetrics(SM_CYSCREEN) * 3 / 4;
    return {
        ".bmp",
        [maxWidth, maxHeight](const std::string& from, const std::string& to, std::string& reason) {
            const PictureImport result = ImportPicture(from, to, maxWidth, maxHeight, reason);
            if (result == PictureImport::NotAPicture) {
                reason.clear();  // named with the others at the end
            }
            return result == PictureImport::Done;
        },
        IDS_NOT_PICTURES};
}
