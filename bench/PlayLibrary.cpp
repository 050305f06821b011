#include "PlayLibrary.h"

#include <cstdio>
#include <fstream>
#include <vector>

#include "Timing.h"
#include "app/MainDialog.h"
#include "common/Settings.h"
#include "data/generator/BmpWriter.h"
#include "library/PictureGroupStorage.h"
#include "platform/BackBitmap.h"
#include "play/KeyboardHook.h"
#include "play/MyGameWnd.h"

namespace fs = std::filesystem;

namespace {
// "p12.bmp" and the like (made with snprintf: GCC 12 warns wrongly about the sums).
std::string Numbered(const char* prefix, int number, const char* suffix) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%d%s", prefix, number, suffix);
    return name;
}
}  // namespace

void WriteCheckerboard(const std::string& path, int width, int height) {
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool bKey = (x / 50 + y / 50) % 2 == 0;
            pixels.push_back(bKey ? 0xFFFFFF : 0x800000u | (y & 0xFF) << 8 | (x & 0xFF));
        }
    }
    WriteBmp24(path, width, height, pixels);
}

void MakeGroup(const fs::path& dir, const std::string& folder, int pictures, bool bBig) {
    fs::create_directories(dir / folder);
    WriteGroupFile((dir / folder / (folder + ".ini")).generic_string(), folder, "", 1);
    std::vector<std::string> cut;
    for (int i = 0; i < pictures; ++i) {
        const std::string name = Numbered("p", i, ".bmp");
        if (bBig) {
            WriteCheckerboard((dir / folder / name).generic_string(), 800, 600);
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

void StartDisplayGame(CMainDialog& dialog, const fs::path& dir) {
    MakeGroup(dir, "Big", 1, true);
    theSettings.m_strAppDir = dir.generic_string();
    theSettings.SetDefaults();
    theSettings.m_bKeyDelay = 0;
    theSettings.m_nAutoDisplay = 3600;
    CMyGameWnd& game = dialog.Game();
    game.BeginGame();
    dialog.CreatePlayWindow();
    game.ShowWindow();
    game.FitToScreen();
    game.CreateBackBuffer();
    game.ShowBackBuffer();
    theSettings.m_bPlaying = 1;
    Pump(0.5);
}

void MeasureBeginGame(CMyGameWnd& game, const fs::path& dir, double settleSeconds) {
    MakeGroup(dir, "", 0, false);
    for (int g = 0; g < 100; ++g) {
        MakeGroup(dir, Numbered("G", g, ""), 100, false);
    }
    theSettings.m_strAppDir = dir.generic_string();
    Pump(settleSeconds);
    std::vector<double> begin;
    for (int i = 0; i < 10; ++i) {
        const auto start = Clock::now();
        game.BeginGame();
        begin.push_back(Ms(Clock::now() - start));
        RemoveKeyboardHook();
    }
    std::printf("BeginGame, 100 groups with %d pictures: median %.1f ms\n", game.m_nPictures,
                Median(begin));
}

void MeasureDisplays(CMyGameWnd& game, const char* picture, bool bCut) {
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
    std::printf("display, %s%s: median %.2f ms, 90th percentile %.2f ms\n", picture,
                bCut ? ", cut out" : "", Median(times), Percentile90(times));
}
