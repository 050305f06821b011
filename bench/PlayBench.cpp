// Measures the play path on this machine: one display (ShowNext with an 800x600 24-bit
// picture, drawn whole and cut out, and with a photo as the import makes it for a 1920x1080
// screen) copied to a full-screen window, BeginGame over a library of 100 groups with 10,000
// pictures, the memory of a running game and the CPU it uses while nobody plays. Run under
// a virtual display of 1280x1024, and of 1920x1080, the screen the photo was made for:
//   xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" build/bench/plinkapad_bench
// and with a second monitor, which the game covers:
//   tests/e2e/DummyX.sh build/bench/plinkapad_bench
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <sys/resource.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PlayLibrary.h"
#include "Timing.h"
#include "app/MainDialog.h"
#include "common/Settings.h"
#include "core/BmpImage.h"
#include "core/PcmClip.h"
#include "library/PictureGroupStorage.h"
#include "platform/BackBitmap.h"
#include "platform/ImportProcess.h"
#include "platform/PictureImport.h"
#include "platform/SoundPlayer.h"
#include "platform/TopLevelWindow.h"
#include "play/KeyboardHook.h"

namespace fs = std::filesystem;

namespace {

// A group of one photo as Add Pictures makes it for a 1920x1080 screen: a 16:9 JPEG of
// 4000x2250 with smooth gradients and some detail, as a camera saves it, imported to fit
// three quarters of the screen, 1440x810. False when the import does not give that size.
bool MakePhotoGroup(const fs::path& dir, const std::string& folder) {
    fs::create_directories(dir / folder);
    WriteGroupFile((dir / folder / (folder + ".ini")).string(), folder, "", 1);
    const int width = 4000, height = 2250;
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
    for (int y = 0; y < height; ++y) {
        guchar* row = gdk_pixbuf_get_pixels(pixbuf) + y * gdk_pixbuf_get_rowstride(pixbuf);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<guchar>(x / 16);
            row[3 * x + 1] = static_cast<guchar>(y / 9 + (x * y % 7) * 3);
            row[3 * x + 2] = static_cast<guchar>((x + y) / 25);
        }
    }
    const std::string jpeg = (dir / "photo.jpg").string();
    const bool bSaved =
        gdk_pixbuf_save(pixbuf, jpeg.c_str(), "jpeg", nullptr, "quality", "90", nullptr);
    g_object_unref(pixbuf);
    const std::string bmp = (dir / folder / "photo.bmp").string();
    std::string reason;
    CBmpImage made;
    return bSaved &&
           ImportPicture(jpeg, bmp, 1920 * 3 / 4, 1080 * 3 / 4, reason) == ImportResult::Done &&
           made.Load(bmp) && made.Width() == 1440 && made.Height() == 810;
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A group of one picture whose own sound is a minute of 48 kHz stereo, as the import keeps a
// phone's long clip.
void MakeLongSoundGroup(const fs::path& dir, const std::string& folder) {
    fs::create_directories(dir / folder);
    WriteGroupFile((dir / folder / (folder + ".ini")).string(), folder, "", 1);
    WriteCheckerboard((dir / folder / "p.bmp").string(), 400, 300);
    PcmClip clip;
    clip.rate = 48000;
    clip.channels = 2;
    clip.samples.resize(static_cast<std::size_t>(60 * clip.rate * clip.channels));
    for (std::size_t i = 0; i < clip.samples.size(); ++i) {
        clip.samples[i] = static_cast<std::int16_t>((i / 2 * 440 * 65536 / clip.rate) % 16000);
    }
    const std::vector<std::uint8_t> wave = clip.ToWave();
    std::ofstream(dir / folder / "p.wav", std::ios::binary)
        .write(reinterpret_cast<const char*>(wave.data()),
               static_cast<std::streamsize>(wave.size()));
}

// Key presses showing a picture whose sound is a minute long: the time until the screen shows
// it, and until the sound's first samples are queued for the device.
void MeasureLongSound(CMainDialog& dialog) {
    CMyGameWnd& game = dialog.Game();
    std::vector<double> screen, sound;
    for (int i = 0; i < 30; ++i) {
        StopSound();
        const auto start = Clock::now();
        game.ShowNext();
        while (QueuedSoundBytes() == 0 && Clock::now() - start < std::chrono::seconds(2)) {
        }
        sound.push_back(Ms(Clock::now() - start));
        CBackBitmap::WaitForDisplay();
        screen.push_back(Ms(Clock::now() - start));
        Pump(0.1);  // the rest of the sound follows while nobody plays
    }
    std::printf(
        "key with a 60-s sound: to the screen median %.2f ms (90th percentile %.2f ms), "
        "to the first sample queued median %.2f ms (90th percentile %.2f ms)\n",
        Median(screen), Percentile90(screen), Median(sound), Percentile90(sound));
}

}  // namespace

int main(int argc, char** argv) {
    UseImportProgram(IMPORT_PROGRAM_PATH);
    DoWithoutOpenGL();  // as the program does before the toolkit starts
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        return 1;
    }
    const wxSize screen = wxGetDisplaySize();
    std::printf("screen %dx%d, resident memory at start %ld MB\n", screen.x, screen.y,
                ResidentKb() / 1024);
    const fs::path root =
        fs::temp_directory_path() / ("plinkapad-bench-" + std::to_string(getpid()));
    {
        CMainDialog dialog;

        // Displays of one 800x600 picture in a real full-screen game.
        const long before = ResidentKb();
        StartDisplayGame(dialog, root / "display");
        std::printf("covers of other monitors: %zu\n", dialog.Game().Covers().size());
        MeasureDisplays(dialog.Game(), "800x600 24-bit", false);
        MeasureDisplays(dialog.Game(), "800x600 24-bit", true);
        std::printf("resident memory of a running game: %ld MB (%ld MB before it)\n",
                    ResidentKb() / 1024, before / 1024);

        // Displays of an imported photo in the same window, drawn whole as photos are.
        if (MakePhotoGroup(root / "photo", "Photo")) {
            theSettings.m_strAppDir = (root / "photo").string();
            RemoveKeyboardHook();
            dialog.Game().BeginGame();
            MeasureDisplays(dialog.Game(), "imported photo, 1440x810 24-bit", false);
        } else {
            std::printf("the photo could not be made\n");
        }

        // A picture whose own sound is a minute long.
        MakeLongSoundGroup(root / "long", "Long");
        theSettings.m_strAppDir = (root / "long").string();
        RemoveKeyboardHook();
        dialog.Game().BeginGame();
        MeasureLongSound(dialog);

        // Nobody plays: only the 800 ms timer ticks.
        wxTimer tick(&dialog, 3);
        tick.Start(800);
        const double cpu = CpuSeconds();
        Pump(5.0);
        std::printf("CPU while nobody plays for 5 s: %.0f ms\n", (CpuSeconds() - cpu) * 1000);
        tick.Stop();
        dialog.Game().DestroyWindow();

        // BeginGame over a library of 10,000 pictures, not just written.
        MeasureBeginGame(dialog.Game(), root / "library", 3.0);
    }
    std::error_code ec;
    fs::remove_all(root, ec);
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
