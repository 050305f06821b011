#include "app/App.h"

#include <cstdlib>

#include "app/MainDialog.h"
#include "platform/ProcessMemory.h"
#include "platform/SoundPlayer.h"
#include "platform/TerminationSignals.h"
#include "platform/TopLevelWindow.h"
#include "res/Language.h"
#include "res/StringTable.h"

wxIMPLEMENT_APP(CApp);

bool CApp::Initialize(int& argc, wxChar** argv) {
    // Before the toolkit starts: nothing of the program is drawn with OpenGL, and what the
    // program frees of its large blocks is given back.
    DoWithoutOpenGL();
    ReturnLargeBlocksWhenFreed();
    return wxApp::Initialize(argc, argv);
}

bool CApp::OnInit() {
    // The program takes no arguments; the base class would complain about unknown ones.
    UseParentsLanguage();
    InitSoundDevice();
    SurviveWindowsDestroyedByOthers();
    return true;
}

int CApp::OnRun() {
    // The framework makes each new window's X11 class its "display name" (captions name the
    // program with AppName() instead).
    NameTheProgram(AppId());
    SetAppDisplayName(AppId());
    CMainDialog dialog;
    SetTopWindow(&dialog);
    // Asked to end (logout, shutdown), whatever dialog is open over the welcome dialog: a
    // running game ends, releasing the lock, and the program exits, which saves the settings.
    // With the display gone there is no window left to close and no lock left to release.
    CallOnTerminationSignals([&dialog](Termination why) {
        if (why == Termination::DisplayLost) {
            std::exit(1);
        }
        dialog.Game().DestroyWindow();  // nothing to do without a game
        std::exit(0);
    });
    dialog.ShowModal();
    StopCallingOnTerminationSignals();
    SetTopWindow(nullptr);
    return 0;
}

int CApp::OnExit() {
    CloseSoundDevice();
    return wxApp::OnExit();
}
