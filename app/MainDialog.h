// The welcome dialog: the parent's control panel. Start begins a game, Setup opens the
// options, Help the help file, Close ends the program. It owns the play window object and
// hosts the two timers of a game.
#pragma once

#include <wx/dialog.h>
#include <wx/timer.h>

#include "play/MyGameWnd.h"

class CMainDialog : public wxDialog {
public:
    explicit CMainDialog(wxWindow* parent = nullptr);
    ~CMainDialog() override;

    CMyGameWnd& Game() { return m_wndGame; }

    // The handlers' logic, callable without an event.
    void OnStart();
    bool CreatePlayWindow();
    void OnTimer(int nIDEvent);
    bool IsTimerRunning(int nIDEvent) const;

private:
    void OnInitDialog();
    void OnSysCommand(wxCommandEvent& event);
    void OnStartButton(wxCommandEvent& event);
    void OnSetup(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnTimerEvent(wxTimerEvent& event);
    void OnHelpInfo(wxHelpEvent& event);
    void OnOK(wxCommandEvent& event);

    void SetTimer(int nIDEvent, int period);
    void KillTimer(int nIDEvent);

    CMyGameWnd m_wndGame;
    wxTimer m_timerLimit;
    wxTimer m_timerAuto;

    wxDECLARE_EVENT_TABLE();
};
