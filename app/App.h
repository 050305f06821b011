// The application object: runs the welcome dialog; when it closes, the program ends.
#pragma once

#include <wx/app.h>

class CApp : public wxApp {
public:
    bool Initialize(int& argc, wxChar** argv) override;
    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;
};

wxDECLARE_APP(CApp);
