// Measures the imports of a phone's media on this machine: 50 photos of 12 megapixels made
// into bitmaps that fit three quarters of a 1920x1080 screen, with the process's peak memory,
// and a 3-minute M4A voice clip made into a WAV file (made by the ffmpeg program).
//   build/bench/plinkapad_import_bench
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Timing.h"
#include "platform/ImportProcess.h"
#include "platform/PictureImport.h"
#include "platform/SoundImport.h"

namespace fs = std::filesystem;

namespace {

// A 4000x3000 photo-like JPEG: smooth gradients with some detail, as a camera saves it.
void MakePhoto(const std::string& path, int seed) {
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, 4000, 3000);
    for (int y = 0; y < 3000; ++y) {
        guchar* row = gdk_pixbuf_get_pixels(pixbuf) + y * gdk_pixbuf_get_rowstride(pixbuf);
        for (int x = 0; x < 4000; ++x) {
            row[3 * x] = static_cast<guchar>(x / 16 + seed);
            row[3 * x + 1] = static_cast<guchar>(y / 12 + (x * y % 7) * 3);
            row[3 * x + 2] = static_cast<guchar>((x + y) / 28 + seed * 3);
        }
    }
    gdk_pixbuf_save(pixbuf, path.c_str(), "jpeg", nullptr, "quality", "90", nullptr);
    g_object_unref(pixbuf);
}

}  // namespace

int main() {
    UseImportProgram(IMPORT_PROGRAM_PATH);
    const fs::path root =
        fs::temp_directory_path() / ("plinkapad-import-" + std::to_string(getpid()));
    fs::create_directories(root);
    std::printf("making 50 photos of 4000x3000...\n");
    for (int i = 0; i < 50; ++i) {
        MakePhoto((root / ("p" + std::to_string(i) + ".jpg")).string(), i);
    }
    std::vector<double> times;
    const auto start = Clock::now();
    for (int i = 0; i < 50; ++i) {
        const std::string name = "p" + std::to_string(i);
        std::string reason;
        const auto one = Clock::now();
        if (ImportPicture((root / (name + ".jpg")).string(), (root / (name + ".bmp")).string(),
                          1440, 810, reason) != ImportResult::Done) {
            std::printf("photo %d failed\n", i);
        }
        times.push_back(Ms(Clock::now() - one));
    }
    const double total = Ms(Clock::now() - start);
    std::sort(times.begin(), times.end());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("50 photos of 12 MP: %.2f s in all, median %.0f ms a photo, peak memory %ld MB\n",
                total / 1000, times[times.size() / 2], usage.ru_maxrss / 1024);

    const std::string clip = (root / "voice.m4a").string();
    const std::string command =
        "ffmpeg -hide_banner -loglevel error -y -f lavfi -i 'sine=frequency=440:duration=180' "
        "-ac 1 -c:a aac '" +
        clip + "'";
    if (std::system(command.c_str()) == 0) {
        std::vector<double> sound;
        for (int i = 0; i < 5; ++i) {
            std::string reason;
            const auto one = Clock::now();
            ImportSound(clip, (root / "voice.wav").string(), reason);
            sound.push_back(Ms(Clock::now() - one));
        }
        std::sort(sound.begin(), sound.end());
        std::printf("a 3-minute M4A (kept to its first minute): median %.0f ms\n", sound[2]);
    }
    std::error_code ec;
    fs::remove_all(root, ec);
    return 0;
}
