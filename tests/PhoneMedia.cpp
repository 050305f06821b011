#include "PhoneMedia.h"

#include <cstdlib>
#include <string_view>

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include "platform/ImportProcess.h"

// The tests run the import program of this build, which lies beside the program, not beside
// the test programs.
[[maybe_unused]] const bool g_bImportProgramChosen = (UseImportProgram(IMPORT_PROGRAM_PATH), true);

Bytes MakePicture(int width, int height, const char* format, int orientation) {
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
    for (int y = 0; y < height; ++y) {
        guchar* row = gdk_pixbuf_get_pixels(pixbuf) + y * gdk_pixbuf_get_rowstride(pixbuf);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c =
                y < height / 2 ? (x < width / 2 ? kRed : kGreen) : (x < width / 2 ? kBlue : kWhite);
            row[3 * x] = c >> 16 & 0xFF;
            row[3 * x + 1] = c >> 8 & 0xFF;
            row[3 * x + 2] = c & 0xFF;
        }
    }
    if (std::string_view(format) == "heic") {
        // GdkPixbuf reads HEIC but does not write it: libheif's encoder makes it from a PNG.
        TestFolder folder;
        EXPECT_TRUE(gdk_pixbuf_save(pixbuf, (folder / "in.png").c_str(), "png", nullptr, nullptr));
        g_object_unref(pixbuf);
        const std::string command = "heif-enc -q 95 -o '" + (folder / "out.heic") + "' '" +
                                    (folder / "in.png") + "' >/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return ReadBytes(folder / "out.heic");
    }
    gchar* data = nullptr;
    gsize size = 0;
    EXPECT_TRUE(gdk_pixbuf_save_to_buffer(pixbuf, &data, &size, format, nullptr, nullptr));
    g_object_unref(pixbuf);
    Bytes bytes(data, data + size);
    g_free(data);
    if (orientation != 0) {
        // An APP1 segment right after the start of image: "Exif", a big-endian TIFF header and
        // one entry, the orientation.
        const Bytes exif = {
            0xFF, 0xE1, 0, 34,   'E', 'x', 'i', 'f', 0, 0,
            'M',  'M',  0, 0x2A, 0,   0,   0,   8,   0, 1,
            0x01, 0x12, 0, 3,    0,   0,   0,   1,   0, static_cast<std::uint8_t>(orientation),
            0,    0,    0, 0,    0,   0};
        bytes.insert(bytes.begin() + 2, exif.begin(), exif.end());
    }
    return bytes;
}

bool CanMakeClips() {
    return std::system("ffmpeg -version >/dev/null 2>&1") == 0;
}

void MakeClip(const std::string& path, int rate, int channels, double seconds,
              const std::string& codec) {
    // FFmpeg here has no AMR encoder; sox encodes what ffmpeg makes.
    const std::string output = codec == "amr-nb"
                                   ? "-f wav - | sox -t wav - -t amr-nb '" + path + "'"
                                   : codec + " '" + path + "'";
    const std::string command =
        "ffmpeg -hide_banner -loglevel error -y -f lavfi -i \"aevalsrc='if(between(t,0.5," +
        std::to_string(0.5 + seconds) + "),0.5*sin(2*PI*1000*t),0)':s=" + std::to_string(rate) +
        ":d=" + std::to_string(seconds + 1) + "\" -ac " + std::to_string(channels) + " " + output;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}
