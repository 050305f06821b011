// Measures how fast the library dialogs open on this machine: the Setup dialog over 1,000
// picture groups, the Manage Default Sounds dialog over 1,000 default sounds and the Manage
// Picture Group dialog over a group of 1,000 pictures, each time from construction until
// the dialog has been shown and drawn; then how long selecting an 800x600 picture takes
// to show its stretched preview; then, over a library of 10,000 groups of one picture each,
// the Setup dialog again and Start, from the press until the game holds the input. Run under
// a virtual display:
//   xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" build/bench/plinkapad_setup_bench
// The groups and sounds are laid out beside the executable, where the dialogs look for
// them, and removed afterwards.
#include <wx/app.h>
#include <wx/init.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <wx/listctrl.h>

#include "app/MainDialog.h"
#include "common/Settings.h"
#include "data/generator/BmpWriter.h"
#include "library/ManagePicTerm.h"
#include "library/PictureGroupStorage.h"
#include "library/PreviewFrame.h"
#include "platform/InputLock.h"
#include "platform/SoundPlayer.h"
#include "setup/SetupDialog.h"
#include "sounds/ManageVoiceDialog.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kCount = 1000;
constexpr int kManyGroups = 10000;
constexpr int kRuns = 7;

double Since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.1f ms, slowest %.1f ms\n", what, times[times.size() / 2],
                times.back());
}

// Opens and draws a dialog; milliseconds until it is on the screen.
template <typename Dialog>
double OpenOnce() {
    const auto start = Clock::now();
    Dialog dialog(nullptr);
    dialog.Show();
    dialog.Update();
    wxYield();
    const double ms = Since(start);
    dialog.Hide();
    return ms;
}

template <typename Dialog>
void Measure(const char* what) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        times.push_back(OpenOnce<Dialog>());
    }
    Report(what, times);
}

// The Manage Picture Group dialog as Setup runs it, on `group`: opening it, then selecting
// the large picture (the last row) until its preview is on the screen.
void MeasureManageGroup(const fs::path& group) {
    std::vector<double> opening, selecting;
    for (int i = 0; i < kRuns; ++i) {
        auto start = Clock::now();
        CManagePicTerm dialog(nullptr);
        dialog.m_strGroupPath = group.string();
        dialog.m_strFolderName = group.filename().string();
        dialog.InitDialog();
        dialog.Show();
        dialog.Update();
        wxYield();
        opening.push_back(Since(start));

        const long last = dialog.m_listPictures->GetItemCount() - 1;
        start = Clock::now();
        dialog.m_listPictures->SetItemState(last, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        wxYield();
        dialog.m_pPreview->Update();
        CBackBitmap::WaitForDisplay();
        selecting.push_back(Since(start));
        if (dialog.m_strPicturePath.find("zebra-800x600") == std::string::npos) {
            std::printf("the large picture was not selected\n");
        }
        dialog.Hide();
    }
    Report("Manage Picture Group dialog, 1000 pictures", opening);
    Report("Selecting an 800x600 picture until its preview shows", selecting);
}

// Start pressed over the library: until the game is on the screen and holds the input;
// then the parent ends it.
void MeasureStart(const char* what) {
    std::vector<double> times;
    CMainDialog dialog;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = Clock::now();
        dialog.OnStart();
        while (dialog.Game().IsWindow() && !InputGrabbed()) {
            wxYield();
        }
        times.push_back(Since(start));
        if (!dialog.Game().IsWindow()) {
            std::printf("no game started\n");
        }
        dialog.Game().DestroyWindow();
        wxYield();
    }
    Report(what, times);
}

}  // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        return 1;
    }
    // As the program does when it starts: the dialogs that look for a microphone find the
    // audio system running.
    InitSoundDevice();
    theSettings.Load();
    const fs::path appDir = theSettings.m_strAppDir;
    std::vector<fs::path> made;
    for (int g = 0; g < kCount; ++g) {
        const std::string folder = "BENCH-GROUP-" + std::to_string(g);
        fs::create_directory(appDir / folder);
        made.push_back(appDir / folder);
        WriteGroupFile((appDir / folder / (folder + ".ini")).string(),
                       "Group " + std::to_string(kCount - g), "A group of the bench", g % 2);
    }
    const fs::path sounds = appDir / "DefVoice";
    const bool bHadSounds = fs::exists(sounds);
    if (!bHadSounds) {
        fs::create_directory(sounds);
        for (int s = 0; s < kCount; ++s) {
            std::ofstream(sounds / ("sound" + std::to_string(s) + ".wav")) << "RIFF";
        }
    }
    Measure<CSetupDialog>("Setup dialog, 1000 picture groups");
    const fs::path pictures = appDir / "BENCH-PICTURES";
    fs::create_directory(pictures);
    made.push_back(pictures);
    const std::vector<std::uint32_t> small(32 * 32, 0x336699);
    for (int p = 0; p < kCount - 1; ++p) {
        WriteBmp24((pictures / ("picture" + std::to_string(1000 + p) + ".bmp")).string(), 32, 32,
                   small);
    }
    std::vector<std::uint32_t> large(800 * 600);
    for (std::size_t i = 0; i < large.size(); ++i) {
        large[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
    }
    WriteBmp24((pictures / "zebra-800x600.bmp").string(), 800, 600, large);
    wxSleep(3);  // the files just written settle on the disk, as a parent's library has
    MeasureManageGroup(pictures);
    if (!bHadSounds) {
        Measure<CManageVoiceDialog>("Manage Default Sounds dialog, 1000 sounds");
        fs::remove_all(sounds);
    }
    fs::remove_all(pictures);
    made.pop_back();

    // A library of 10,000 groups, each with one picture.
    for (int g = 0; g < kManyGroups; ++g) {
        const std::string folder = "BENCH-GROUP-" + std::to_string(g);
        if (g >= kCount) {
            fs::create_directory(appDir / folder);
            made.push_back(appDir / folder);
            WriteGroupFile((appDir / folder / (folder + ".ini")).string(),
                           "Group " + std::to_string(kManyGroups - g), "A group of the bench",
                           g % 2);
        }
        WriteCutList((appDir / folder).string(), {});
        WriteBmp24((appDir / folder / "picture.bmp").string(), 32, 32, small);
    }
    wxSleep(3);
    const bool bHadSettings = fs::exists(theSettings.m_strIniPath);
    theSettings.Save();  // Start needs a settings file
    Measure<CSetupDialog>("Setup dialog, 10000 picture groups");
    MeasureStart("Start, 10000 picture groups");
    for (const fs::path& folder : made) {
        fs::remove_all(folder);
    }
    if (!bHadSettings) {
        fs::remove(theSettings.m_strIniPath);
    }
    theSettings.m_strIniPath.clear();  // the bench leaves no settings file behind
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
