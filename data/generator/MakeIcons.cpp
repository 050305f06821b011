// Makes the program's icon files for the hicolor icon theme in the folder given as the only
// argument: FOLDER/SIZExSIZE/apps/io.github.plinkapad.Plinkapad.png (named by the program's
// desktop identity), painted from the drawing the program shows in its windows
// (res/AppIcon.cpp).
#include <wx/image.h>

#include <cstdio>
#include <string>

#include "Canvas.h"
#include "CanvasPainter.h"
#include "platform/FileSystem.h"
#include "res/AppIcon.h"

static bool WritePng(const std::string& path, const Canvas& canvas) {
    wxImage image(canvas.Width(), canvas.Height(), false);
    unsigned char* rgb = image.GetData();
    for (std::uint32_t pixel : canvas.Pixels()) {
        *rgb++ = pixel >> 16 & 0xFF;
        *rgb++ = pixel >> 8 & 0xFF;
        *rgb++ = pixel & 0xFF;
    }
    return image.SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeicons ICON_THEME_FOLDER\n");
        return 2;
    }
    wxInitAllImageHandlers();
    bool bFailed = false;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string dir =
            PathJoin(PathJoin(argv[1], std::to_string(size) + "x" + std::to_string(size)), "apps");
        Canvas canvas(size, size, 0xFFFFFF);
        CanvasPainter painter(canvas);
        DrawAppIcon(painter, size);
        const std::string path = PathJoin(dir, "io.github.plinkapad.Plinkapad.png");
        if (!CreateDirectories(dir) || !WritePng(path, canvas)) {
            std::fprintf(stderr, "makeicons: cannot write %s\n", path.c_str());
            bFailed = true;
        }
    }
    return bFailed ? 1 : 0;
}
