#include "library/PhotoImport.h"

#include "platform/PictureImport.h"
#include "platform/ScreenMetrics.h"
#include "res/Resource.h"
#include "sounds/VoiceImport.h"

FileConversion PhotosToBitmaps() {
    const int maxWidth = GetSystemMetrics(SM_CXSCREEN) * 3 / 4;
    const int maxHeight = GetSystemMetrics(SM_CYSCREEN) * 3 / 4;
    return {
        ".bmp",
        [maxWidth, maxHeight](const std::string& from, const std::string& to, std::string& reason) {
            return ImportPicture(from, to, maxWidth, maxHeight, reason);
        },
        IDS_NOT_PICTURES,
        0,
        "*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.webp;*.heic;*.heif",
        {VoicesToWaves()},
        IDS_SOUNDS_WITHOUT_PICTURE};
}
