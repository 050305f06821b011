#include "app/MainDialog.h"

#include <wx/button.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/AboutDialog.h"
#include "common/DialogColours.h"
#include "common/HtmlHelp.h"
#include "common/Settings.h"
#include "platform/HelpKey.h"
#include "platform/InputLock.h"
#include "platform/MessageBox.h"
#include "platform/ProcessMemory.h"
#include "platform/ScreenMetrics.h"
#include "platform/ShortcutsPermission.h"
#include "platform/TopLevelWindow.h"
#include "play/KeyboardHook.h"
#include "play/PlayTimers.h"
#include "res/AppIcon.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "setup/SetupDialog.h"

wxBEGIN_EVENT_TABLE(CMainDialog, wxDialog)
    EVT_MENU_RANGE(IDM_ABOUTBOX, IDM_ABOUTBOX + 0x0F, CMainDialog::OnSysCommandEvent)
    EVT_CONTEXT_MENU(CMainDialog::OnContextMenu)
    EVT_CHAR_HOOK(CMainDialog::OnCharHook)
    EVT_BUTTON(IDC_START, CMainDialog::OnStartButton)
    EVT_BUTTON(IDC_SETUP, CMainDialog::OnSetup)
    EVT_BUTTON(IDC_HELP_BUTTON, CMainDialog::OnHelp)
    EVT_TIMER(wxID_ANY, CMainDialog::OnTimerEvent)
    EVT_HELP(wxID_ANY, CMainDialog::OnHelpInfo)
    EVT_BUTTON(wxID_OK, CMainDialog::OnOK)
    EVT_CLOSE(CMainDialog::OnClose)
wxEND_EVENT_TABLE()

static const char kTitle[] = wxTRANSLATE("Welcome to Plinkapad!");
static const char kHeadline[] = wxTRANSLATE("Create the baby's movie and baby's game!");
static const char kExplanation[] = wxTRANSLATE(
    "Press the button \"Start\", then your baby can play with the computer, pressing the "
    "keyboard and clicking the mouse at will. This will make your baby feel satisfied. Be "
    "sure that you attend your baby, instead of leaving it alone.");

CMainDialog::CMainDialog(wxWindow* parent)
    : wxDialog(parent, IDD_MAIN, wxGetTranslation(kTitle), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxMINIMIZE_BOX),
      m_timerLimit(this, TIMER_TIME_LIMIT),
      m_timerAuto(this, TIMER_AUTO_DISPLAY) {
    const wxSize minimum = ConvertDialogToPixels(wxSize(230, 127));
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, wxGetTranslation(kHeadline), wxDefaultPosition,
                              wxDefaultSize, wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE),
             wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 12));
    auto* text = new wxStaticText(this, wxID_ANY, wxGetTranslation(kExplanation));
    text->Wrap(minimum.x - 24);
    top->Add(text, wxSizerFlags().Expand().Border(wxALL, 12));

    auto* buttons = new wxGridSizer(2, 2, 8, 16);
    auto* start = new wxButton(this, IDC_START, _("&Start..."));
    buttons->Add(start, wxSizerFlags().Expand());
    buttons->Add(new wxButton(this, IDC_SETUP, _("Se&tup...")), wxSizerFlags().Expand());
    buttons->Add(new wxButton(this, wxID_OK, _("&Close")), wxSizerFlags().Expand());
    buttons->Add(new wxButton(this, IDC_HELP_BUTTON, _("&Help...")), wxSizerFlags().Expand());
    top->Add(buttons, wxSizerFlags().Center().Border(wxLEFT | wxRIGHT | wxBOTTOM, 16));

    start->SetDefault();
    SetMinSize(minimum);
    SetSizerAndFit(top);
    ApplyDialogColours(this);
    SendHelpOnF1(this);
    m_wndGame.SetGameEndHandler([this] { KillTimer(TIMER_TIME_LIMIT); });
    m_wndGame.SetLockFailedHandler([this](LockLoss loss) { OnLockFailed(loss); });
    WatchCloseRequests(
        this, this, [this] { OnDestroyedByOthers(); }, false);
    OnInitDialog();
}

CMainDialog::~CMainDialog() {
    StopWatchingCloseRequests(this);
    // A game still running ends here, releasing the lock, before anything it uses is gone.
    m_wndGame.SetGameEndHandler(nullptr);
    m_wndGame.SetLockFailedHandler(nullptr);
    m_wndGame.DestroyWindow();
    m_timerLimit.Stop();
    m_timerAuto.Stop();
}

void CMainDialog::OnInitDialog() {
    SetIcons(LoadAppIcons());
    RegisterAppPath();
    CentreOnScreen();
    FindWindow(IDC_START)->SetFocus();
}

void CMainDialog::OnSysCommandEvent(wxCommandEvent& event) {
    OnSysCommand(event.GetId());
}

void CMainDialog::OnSysCommand(int nID) {
    if ((nID & ~0x000F) == IDM_ABOUTBOX) {
        CAboutDialog about(this);
        about.ShowModal();
    }
}

std::unique_ptr<wxMenu> CMainDialog::CreateSystemMenu() {
    const std::string about = LoadString(IDS_ABOUTBOX);
    if (about.empty()) {
        return nullptr;
    }
    auto menu = std::make_unique<wxMenu>();
    menu->Append(IDM_ABOUTBOX, wxString::FromUTF8(about));
    return menu;
}

void CMainDialog::ShowSystemMenu() {
    if (std::unique_ptr<wxMenu> menu = CreateSystemMenu()) {
        PopupMenu(menu.get());
    }
}

// A right click anywhere on the dialog, or Alt+Space, opens the dialog's own menu.
void CMainDialog::OnContextMenu(wxContextMenuEvent&) {
    ShowSystemMenu();
}

void CMainDialog::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_SPACE && event.GetModifiers() == wxMOD_ALT) {
        ShowSystemMenu();
        return;
    }
    event.Skip();
}

void CMainDialog::OnStartButton(wxCommandEvent&) {
    OnStart();
}

void CMainDialog::OnStart() {
    if (m_wndGame.IsWindow()) {
        return;  // a game is running: the dialog behind it can only be reached by accident
    }
    if (!theSettings.Load()) {
        return;
    }
    bool bShortcutsRequired = true;
    if (!DesktopShortcutsCanBeHeld()) {
        if (!PlayWithoutShortcutsHeld(IDS_SHORTCUTS_NOT_OFFERED)) {
            return;
        }
        bShortcutsRequired = false;
    } else if (ShortcutsDeniedForGood()) {
        // GNOME would refuse without asking: the parent hears it now, and how to undo it.
        if (!PlayWithoutShortcutsHeld(IDS_SHORTCUTS_DENIED)) {
            return;
        }
        bShortcutsRequired = false;
    }
    StartGame(bShortcutsRequired);
}

void CMainDialog::StartGame(bool bShortcutsRequired) {
    if (!m_wndGame.BeginGame()) {
        return;
    }
    if (!CreatePlayWindow()) {
        RemoveKeyboardHook();
        return;
    }
    m_wndGame.ShowWindow(bShortcutsRequired);
    m_wndGame.FitToScreen();
    if (!m_wndGame.CreateBackBuffer()) {
        // Without its bitmap the window could show nothing; end the game rather than leave
        // the keyboard locked behind a blank screen.
        m_wndGame.DestroyWindow();
        return;
    }
    m_wndGame.ShowBackBuffer();
    // What the dialogs before the game freed is given back, not held through it.
    ReturnFreeMemory();
    const int limit = TimeLimitPeriod(theSettings.m_nTimeLimit);
    if (theSettings.m_bTimeLimit && limit != kTimeLimitNever) {
        SetTimer(TIMER_TIME_LIMIT, limit);
    }
    if (theSettings.m_bAutoDisplay) {
        SetTimer(TIMER_AUTO_DISPLAY, AUTO_DISPLAY_PERIOD);
    }
    theSettings.m_bPlaying = 1;
}

// A desktop that does not hold its shortcuts for the game leaves the child a way out: the
// parent decides whether to play all the same.
bool CMainDialog::PlayWithoutShortcutsHeld(int nIDPrompt) {
    return MessageBox(this, LoadString(nIDPrompt), LoadString(IDS_WARNING),
                      MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
}

// Whether the desktop keeps a Deny for the game's hold of its shortcuts (given at its
// question, perhaps by a child's Escape).
bool CMainDialog::ShortcutsDeniedForGood() {
    return DesktopKeepsShortcutsAnswer() && KeptShortcutsAnswer(AppId()) == ShortcutsAnswer::Denied;
}

// The game has ended without its lock.
void CMainDialog::OnLockFailed(LockLoss loss) {
    if (loss == LockLoss::NotGranted) {
        const int nIDPrompt =
            ShortcutsDeniedForGood() ? IDS_SHORTCUTS_DENIED : IDS_SHORTCUTS_NOT_GRANTED;
        if (PlayWithoutShortcutsHeld(nIDPrompt)) {
            StartGame(false);
        }
        return;
    }
    MessageBox(this, LoadString(IDS_LOCK_FAILED), LoadString(IDS_ERROR), MB_ICONHAND);
}

// The play window covers the primary monitor, wherever it lies on the screen.
bool CMainDialog::CreatePlayWindow() {
    const wxRect primary = GetPrimaryMonitorRect();
    if (!m_wndGame.CreateEx(AppName(), primary.x, primary.y, GetSystemMetrics(SM_CXSCREEN),
                            GetSystemMetrics(SM_CYSCREEN))) {
        MessageBox(this, LoadString(IDS_CREATE_WINDOW_FAILED), LoadString(IDS_ERROR), MB_ICONHAND);
        return false;
    }
    return true;
}

void CMainDialog::OnSetup(wxCommandEvent&) {
    CSetupDialog setup(nullptr);
    setup.ShowModal();
}

void CMainDialog::OnHelp(wxCommandEvent&) {
    OpenHelpTopic(HELP_INDEX);
}

void CMainDialog::OnTimerEvent(wxTimerEvent& event) {
    try {
        OnTimer(event.GetId());
    } catch (...) {
        // A tick that fails is skipped; the next one comes.
    }
}

void CMainDialog::OnTimer(int nIDEvent) {
    if (nIDEvent == TIMER_TIME_LIMIT) {
        KillTimer(TIMER_TIME_LIMIT);
        if (theSettings.m_bPlaying) {
            m_wndGame.DestroyWindow();
            m_wndGame.AfterGame([this] {
                MessageBox(this, LoadString(IDS_HAVE_A_REST), LoadString(IDS_INFORMATION),
                           MB_ICONINFORMATION | MB_OK);
            });
        }
    } else if (nIDEvent == TIMER_AUTO_DISPLAY) {
        if (theSettings.m_bPlaying) {
            if (AutoDisplayDue(m_wndGame.m_stopwatch.Elapsed(), theSettings.m_nAutoDisplay)) {
                m_wndGame.ShowNext();
            }
        } else {
            KillTimer(TIMER_AUTO_DISPLAY);
        }
    }
}

void CMainDialog::OnHelpInfo(wxHelpEvent&) {
    OpenHelpTopic(HELP_INDEX);
}

void CMainDialog::OnOK(wxCommandEvent&) {
    EndModal(wxID_OK);
}

// A close from the window manager (its close box, a task bar, the end of a session) ends a
// running game cleanly before the dialog ends; the settings are saved as the program exits.
void CMainDialog::OnClose(wxCloseEvent& event) {
    m_wndGame.DestroyWindow();  // nothing to do without a game
    event.Skip();
}

// Another program destroyed the dialog's window: that is a close of the dialog, so a running
// game ends, and so does the program, which saves the settings on its way out.
void CMainDialog::OnDestroyedByOthers() {
    m_wndGame.DestroyWindow();  // nothing to do without a game
    if (IsModal()) {
        EndModal(wxID_CANCEL);
    }
}

void CMainDialog::SetTimer(int nIDEvent, int period) {
    (nIDEvent == TIMER_TIME_LIMIT ? m_timerLimit : m_timerAuto).Start(period);
}

void CMainDialog::KillTimer(int nIDEvent) {
    (nIDEvent == TIMER_TIME_LIMIT ? m_timerLimit : m_timerAuto).Stop();
}

bool CMainDialog::IsTimerRunning(int nIDEvent) const {
    return (nIDEvent == TIMER_TIME_LIMIT ? m_timerLimit : m_timerAuto).IsRunning();
}
