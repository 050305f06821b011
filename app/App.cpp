#include "app/App.h"

#include "app/MainDialog.h"
#include "platform/SoundPlayer.h"

wxIMPLEMENT_APP(CApp);

bool CApp::OnInit() {
    // The program takes no arguments; the base class would complain about unknown ones.
    InitSoundDevice();
    return true;
}

int CApp::OnRun() {
    CMainDialog dialog;
    SetTopWindow(&dialog);
    dialog.ShowModal();
    SetTopWindow(nullptr);
    return 0;
}

int CApp::OnExit() {
    CloseSoundDevice();
    return wxApp::OnExit();
}
