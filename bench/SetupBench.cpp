// Measures how fast the library dialogs open on this machine: the Setup dialog over 1,000
// picture groups and the Manage Default Sounds dialog over 1,000 default sounds, each time
// from construction until the dialog has been shown and drawn. Run under a virtual display:
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

#include "common/Settings.h"
#include "library/PictureGroupStorage.h"
#include "setup/SetupDialog.h"
#include "sounds/ManageVoiceDialog.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kCount = 1000;
constexpr int kRuns = 7;

// Opens and draws a dialog; milliseconds until it is on the screen.
template <typename Dialog>
double OpenOnce() {
    const auto start = Clock::now();
    Dialog dialog(nullptr);
    dialog.Show();
    dialog.Update();
    wxYield();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    dialog.Hide();
    return ms;
}

template <typename Dialog>
void Measure(const char* what) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        times.push_back(OpenOnce<Dialog>());
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.1f ms, slowest %.1f ms\n", what, times[times.size() / 2],
                times.back());
}

}  // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        return 1;
    }
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
    if (!bHadSounds) {
        Measure<CManageVoiceDialog>("Manage Default Sounds dialog, 1000 sounds");
        fs::remove_all(sounds);
    }
    for (const fs::path& folder : made) {
        fs::remove_all(folder);
    }
    theSettings.m_strIniPath.clear();  // the bench leaves no settings file behind
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
