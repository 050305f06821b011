#include "app/App.h"

#include "app/MainDialog.h"
#include "platform/SoundPlayer.h"
#include "platform/TerminationSignals.h"

wxIMPLEMENT_APP(CApp);

bool CApp::OnInit() {
    // The program takes no arguments; the base class would complain about unknown ones.
    InitSoundDevice();
    return true;
}

int CApp::OnRun() {
    CMainDialog dialog;
    SetTopWindow(&dialog);
    // Asked to end (logout, shutdown): the dialog closes as with its close box.
    CallOnTerminationSignals([&dialog] { dialog.Close(); });
    dialog.ShowModal();
    StopCallingOnTerminationSignals();
    SetTopWindow(nullptr);
    return 0;
}

int CApp::OnExit() {
    CloseSoundDevice();
    return wxApp::OnExit();
}
