// The welcome dialog: the parent's control panel. Start begins a game, Setup opens the
// options, Help the help file, Close ends the program. It owns the play window object and
// hosts the two timers of a game.
#pragma once

#include <wx/dialog.h>
#include <wx/timer.h>

#include <memory>

#include "play/MyGameWnd.h"

class wxMenu;

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
    // A command of the dialog's own menu (the stand-in for its system menu).
    void OnSysCommand(int nID);
    // The menu with the About item; null when its text cannot be had.
    std::unique_ptr<wxMenu> CreateSystemMenu();

private:
    void OnInitDialog();
    void OnSysCommandEvent(wxCommandEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void ShowSystemMenu();
    void OnStartButton(wxCommandEvent& event);
    void OnSetup(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnTimerEvent(wxTimerEvent& event);
    void OnHelpInfo(wxHelpEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnDestroyedByOthers();
    void StartGame(bool bShortcutsRequired);
    bool PlayWithoutShortcutsHeld(int nIDPrompt);
    static bool ShortcutsDeniedForGood();
    void OnLockFailed(LockLoss loss);

    void SetTimer(int nIDEvent, int period);
    void KillTimer(int nIDEvent);

    // The timers are declared first so that they outlive the play window object, whose game
    // stops them as it ends.
    wxTimer m_timerLimit;
    wxTimer m_timerAuto;
    CMyGameWnd m_wndGame;

    wxDECLARE_EVENT_TABLE();
};
