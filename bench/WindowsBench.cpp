// Measures the play path of the Windows build, under wine on a 1280x1024 virtual display
// (see README): one display (ShowNext with an 800x600 24-bit picture, drawn whole and cut
// out) copied to the full-screen play window, and BeginGame over a library of 100 groups
// with 10,000 pictures.
//   xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" wine build-windows/bench/windows_bench.exe
#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Timing.h"
#include "app/MainDialog.h"
#include "common/Settings.h"
#include "data/generator/BmpWriter.h"
#include "library/PictureGroupStorage.h"
#include "platform/BackBitmap.h"
#include "play/KeyboardHook.h"

namespace fs = std::filesystem;

namespace {

// "p12.bmp" and the like (a name made with snprintf: GCC 12 warns wrongly about the sums).
std::string Numbered(const char* prefix, int number, const char* suffix) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%d%s", prefix, number, suffix);
    return name;
}

// A group of `pictures`: 800x600 checkerboards of key colour and paint, or one-byte stand-ins
// for a library whose pictures are only counted; every third with its own sound, every
// second on the cut list.
void MakeGroup(const fs::path& dir, const std::string& folder, int pictures, bool bBig) {
    fs::create_directories(dir / folder);
    WriteGroupFile((dir / folder / (folder + ".ini")).generic_string(), folder, "", 1);
    std::vector<std::uint32_t> pixels;
    if (bBig) {
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                const bool bKey = (x / 50 + y / 50) % 2 == 0;
                pixels.push_back(bKey ? 0xFFFFFF : 0x800000u | (y & 0xFF) << 8 | (x & 0xFF));
            }
        }
    }
    std::vector<std::string> cut;
    for (int i = 0; i < pictures; ++i) {
        const std::string name = Numbered("p", i, ".bmp");
        if (bBig) {
            WriteBmp24((dir / folder / name).generic_string(), 800, 600, pixels);
        } else {
            std::ofstream(dir / folder / name).put('x');
        }
        if (i % 3 == 0) {
            std::ofstream(dir / folder / Numbered("p", i, ".wav")).put('x');
        }
        if (i % 2 == 0) {
            cut.push_back(name);
        }
    }
    WriteCutList((dir / folder).generic_string(), cut);
}

void MeasureDisplays(CMainDialog& dialog, bool bCut) {
    CMyGameWnd& game = dialog.Game();
    game.m_pbCut.assign(game.m_pbCut.size(), bCut ? 1 : 0);
    std::vector<double> times;
    for (int i = 0; i < 300; ++i) {
        const auto start = Clock::now();
        game.ShowNext();
        CBackBitmap::WaitForDisplay();
        times.push_back(Ms(Clock::now() - start));
        if (i % 20 == 0) {
            wxYield();
        }
    }
    std::printf("display, 800x600 24-bit%s: median %.2f ms, 90th percentile %.2f ms\n",
                bCut ? ", cut out" : "", Median(times), Percentile90(times));
}

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // each figure as it comes
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        return 1;
    }
    const fs::path root = fs::temp_directory_path() / "plinkapad-bench";
    {
        CMainDialog dialog;
        MakeGroup(root / "display", "Big", 1, true);
        theSettings.m_strAppDir = (root / "display").generic_string();
        theSettings.SetDefaults();
        theSettings.m_bKeyDelay = 0;
        theSettings.m_nAutoDisplay = 3600;
        dialog.Game().BeginGame();
        dialog.CreatePlayWindow();
        dialog.Game().ShowWindow();
        dialog.Game().FitToScreen();
        dialog.Game().CreateBackBuffer();
        dialog.Game().ShowBackBuffer();
        theSettings.m_bPlaying = 1;
        Pump(0.5);
        std::printf("screen %dx%d\n", wxGetDisplaySize().x, wxGetDisplaySize().y);
        MeasureDisplays(dialog, false);
        MeasureDisplays(dialog, true);
        dialog.Game().DestroyWindow();

        MakeGroup(root / "library", "", 0, false);
        for (int g = 0; g < 100; ++g) {
            MakeGroup(root / "library", Numbered("G", g, ""), 100, false);
        }
        theSettings.m_strAppDir = (root / "library").generic_string();
        std::vector<double> begin;
        for (int i = 0; i < 10; ++i) {
            const auto start = Clock::now();
            RemoveKeyboardHook();
            dialog.Game().BeginGame();
            begin.push_back(Ms(Clock::now() - start));
        }
        RemoveKeyboardHook();
        std::printf("BeginGame, 100 groups with %d pictures: median %.1f ms\n",
                    dialog.Game().m_nPictures, Median(begin));
    }
    std::error_code ec;
    fs::remove_all(root, ec);
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
