// The Manage Picture Group dialog's preview: a bitmap read from its file, then painted into
// a frame stretched, at its own size, and from a source part the input itself chooses.
#include <cstdlib>
#include <cstring>

#include "FuzzInput.h"
#include "common/Dib.h"
#include "platform/BackBitmap.h"
#include "platform/File.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static CBackBitmap canvas;
    static const bool bCanvas = canvas.Create(64, 48);
    if (!bCanvas) {
        std::abort();
    }
    const std::string path = FuzzFolder() + "/picture.bmp";
    WriteInput(path, data, size);
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone)) {
        return 0;
    }
    CDib dib;
    if (dib.Read(file) == 0) {
        // A refused file leaves nothing behind to paint.
        if (dib.Width() != 0 || dib.Height() != 0 || dib.Palette() != nullptr ||
            dib.Paint(canvas, {0, 0, 64, 48}, {0, 0, 64, 48}) != 0) {
            std::abort();
        }
        return 0;
    }
    const RECT whole = {0, 0, dib.Width(), dib.Height()};
    dib.Paint(canvas, {5, 5, 59, 43}, whole);
    dib.Paint(canvas, whole, whole);
    if (size >= 16) {
        RECT src;
        std::memcpy(&src, data + size - 16, 16);
        dib.Paint(canvas, {-3, -3, 70, 50}, src);
    }
    return 0;
}
