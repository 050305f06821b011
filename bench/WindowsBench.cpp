// Measures the play path of the Windows build, under wine on a 1280x1024 virtual display
// (see README): one display (ShowNext with an 800x600 24-bit picture, drawn whole and cut
// out) copied to the full-screen play window, and BeginGame over a library of 100 groups
// with 10,000 pictures.
//   xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" wine build-windows/bench/windows_bench.exe
#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "PlayLibrary.h"
#include "Timing.h"
#include "app/MainDialog.h"
#include "common/Settings.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // each figure as it comes
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        return 1;
    }
    const fs::path root = fs::temp_directory_path() / "plinkapad-bench";
    {
        CMainDialog dialog;
        StartDisplayGame(dialog, root / "display");
        std::printf("screen %dx%d\n", wxGetDisplaySize().x, wxGetDisplaySize().y);
        MeasureDisplays(dialog.Game(), "800x600 24-bit", false);
        MeasureDisplays(dialog.Game(), "800x600 24-bit", true);
        dialog.Game().DestroyWindow();

        MeasureBeginGame(dialog.Game(), root / "library", 0.0);
    }
    std::error_code ec;
    fs::remove_all(root, ec);
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
