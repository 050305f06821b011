#include "play/MyGameWnd.h"

#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/frame.h>

#include <algorithm>
#include <ctime>

#include "common/Settings.h"
#include "library/PictureGroupStorage.h"
#include "platform/BackBitmap.h"
#include "platform/FileFind.h"
#include "platform/FileSystem.h"
#include "platform/InputLock.h"
#include "platform/MessageBox.h"
#include "platform/OSFamily.h"
#include "platform/ScreenMetrics.h"
#include "platform/SoundPlayer.h"
#include "platform/TopLevelWindow.h"
#include "platform/VirtualKey.h"
#include "play/CoverWnd.h"
#include "play/KeyboardHook.h"
#include "play/PlayTimers.h"
#include "play/QuitCode.h"
#include "res/AppIcon.h"
#include "res/Resource.h"
#include "res/StringTable.h"

wxBEGIN_EVENT_TABLE(CMyGameWnd, wxEvtHandler)
    EVT_WINDOW_DESTROY(CMyGameWnd::OnDestroy)
    EVT_KEY_DOWN(CMyGameWnd::OnKeyDown)
    EVT_LEFT_DOWN(CMyGameWnd::OnLButtonDown)
    EVT_MIDDLE_DOWN(CMyGameWnd::OnLButtonDown)
    EVT_RIGHT_DOWN(CMyGameWnd::OnLButtonDown)
    // The second press of a double click arrives as a double click.
    EVT_LEFT_DCLICK(CMyGameWnd::OnLButtonDown)
    EVT_MIDDLE_DCLICK(CMyGameWnd::OnLButtonDown)
    EVT_RIGHT_DCLICK(CMyGameWnd::OnLButtonDown)
    EVT_PAINT(CMyGameWnd::OnPaint)
    EVT_TIMER(TIMER_MONITORS, CMyGameWnd::OnMonitorsTimer)
wxEND_EVENT_TABLE()

CMyGameWnd::CMyGameWnd()
    : m_nPictures(0),
      m_nDefaultSounds(0),
      m_nScreenWidth(0),
      m_nScreenHeight(0),
      m_crBack(0),
      m_crText(0),
      m_nQuitState(0),
      m_nCutNames(0),
      m_nCurrent(0),
      m_timerMonitors(this, TIMER_MONITORS) {}

CMyGameWnd::~CMyGameWnd() {
    if (m_pFrame != nullptr) {
        DestroyWindow();
    }
    if (m_pPushedOn != nullptr) {
        m_pPushedOn->PopEventHandler();
        m_pPushedOn = nullptr;
    }
}

// ---- A game ---------------------------------------------------------------------------

BOOL CMyGameWnd::BeginGame() {
    m_nQuitState = 0;
    if (m_stopwatch.m_bAvailable) {
        m_stopwatch.Restart();
    }
    if (GetOSFamily() == 2000) {
        InstallKeyboardHook();
    }
    m_random.Seed(static_cast<unsigned int>(std::time(nullptr)));

    m_pstrPictures.clear();
    m_pstrPictureSounds.clear();
    m_pbHasSound.clear();
    m_pstrDefaultSounds.clear();
    m_pbCut.clear();

    CountPictures();
    if (m_nPictures < 1) {
        MessageBox(nullptr, LoadString(IDS_SELECT_GROUP), LoadString(IDS_WARNING),
                   MB_ICONEXCLAMATION);
        RemoveKeyboardHook();
        return FALSE;
    }
    m_pstrPictures.assign(m_nPictures, std::string());
    m_pstrPictureSounds.assign(m_nPictures, std::string());
    m_pbHasSound.assign(m_nPictures, 0);
    m_pbCut.assign(m_nPictures, 0);
    LoadPictures();

    m_nDefaultSounds = CountDefaultSounds();
    if (m_nDefaultSounds > 0) {
        m_pstrDefaultSounds.assign(m_nDefaultSounds, std::string());
        LoadDefaultSounds();
    }

    m_nScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    m_nScreenHeight = GetSystemMetrics(SM_CYSCREEN);

    if (theSettings.m_bRandomColor) {
        RandomColors(m_crBack, m_crText);
    } else {
        m_crBack = theSettings.m_crBackground;
        m_crText = RGB(255, 200, 200);
    }
    PlaySound(PathJoin(theSettings.m_strAppDir, "Hello.wav"));
    return TRUE;
}

BOOL CMyGameWnd::CreateEx(const std::string& title, int x, int y, int width, int height) {
    if (m_pFrame != nullptr) {
        return FALSE;
    }
    if (m_pPushedOn != nullptr) {
        // The window of the last game is still on its way out.
        m_pPushedOn->PopEventHandler();
        m_pPushedOn = nullptr;
    }
    // The close box tells window managers that the window may be closed (KWin asks no window
    // to close that says otherwise), so logging out can end a game; the lock keeps the
    // child's keys from closing it.
    m_pFrame = new wxFrame(nullptr, wxID_ANY, wxString::FromUTF8(title), wxPoint(x, y),
                           wxSize(width, height),
                           wxSTAY_ON_TOP | wxFRAME_NO_TASKBAR | wxBORDER_NONE | wxCLOSE_BOX);
    m_pFrame->SetIcon(LoadAppIcon());
    ExemptFromModalDialogs(m_pFrame);
    m_pView = new wxWindow(m_pFrame, wxID_ANY, wxPoint(0, 0), wxSize(width, height),
                           wxWANTS_CHARS | wxBORDER_NONE);
    m_pView->SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_pView->SetCursor(wxCursor(wxCURSOR_ARROW));
    m_pView->PushEventHandler(this);
    m_pPushedOn = m_pView;
    return TRUE;
}

void CMyGameWnd::ShowWindow(bool bShortcutsRequired) {
    if (m_pFrame == nullptr) {
        return;
    }
    // Nothing of ours but the game's windows can have the focus during a game.
    m_hiddenWindows.HideAll();
    m_playMonitor = CMonitorRef(GetPrimaryMonitorNumber());
    AskForFullScreen(m_pFrame, m_playMonitor.GetNumber());
    m_pFrame->Show();
    m_pFrame->Raise();
    m_pView->SetFocus();
    // Requests come through this object's event queue; each names its game, so a request
    // left over from an earlier game ends no later one.
    const unsigned game = ++m_nGame;
    WatchCloseRequests(m_pFrame, this, [this, game] { OnCloseRequest(game); });
    GrabInputFor(
        m_pFrame, this, [this, game](LockLoss loss) { OnLockFailed(game, loss); },
        bShortcutsRequired);
    UpdateCovers();
    if (!m_covers.empty()) {
        m_pFrame->Raise();  // the focus comes back from the covers
    }
    m_timerMonitors.Start(MONITORS_PERIOD);
}

// Every monitor but the play window's is covered, as the monitors are now. A monitor plugged
// in or removed, the primary role moved, or a cover another program closed or destroyed makes
// the covers anew. The play window's monitor is the one it was shown on, wherever the primary
// role goes; when that monitor is removed, the play window goes to the primary one.
void CMyGameWnd::UpdateCovers() {
    if (m_pFrame == nullptr) {
        return;
    }
    int nPlay = m_playMonitor.GetNumber();
    if (nPlay < 0 && !GetMonitorRects().empty()) {
        nPlay = GetPrimaryMonitorNumber();
        MoveToMonitor(nPlay);
    }
    std::vector<CoverPlace> places = CoverPlaces(GetMonitorRects(), nPlay);
    const bool bAllThere =
        std::ranges::all_of(m_covers, [](const auto& cover) { return cover->IsWindow(); });
    if (places == m_coverPlaces && bAllThere) {
        return;
    }
    RetireCovers();
    m_coverPlaces = std::move(places);
    for (const CoverPlace& place : m_coverPlaces) {
        auto cover = std::make_unique<CCoverWnd>(*this);
        if (cover->Create(place, m_crBack)) {
            m_covers.push_back(std::move(cover));
        }
    }
}

// The play window's monitor was removed (a laptop's lid closed, a projector's cable pulled):
// the game goes on full screen on another one, from a clean screen of that monitor's size,
// and takes the focus back from the cover that was there.
void CMyGameWnd::MoveToMonitor(int nMonitor) {
    const std::vector<wxRect> monitors = GetMonitorRects();
    if (nMonitor < 0 || nMonitor >= static_cast<int>(monitors.size())) {
        return;
    }
    const wxRect& rect = monitors[nMonitor];
    m_playMonitor = CMonitorRef(nMonitor);
    m_nScreenWidth = rect.GetWidth();
    m_nScreenHeight = rect.GetHeight();
    m_pFrame->SetSize(rect);  // without a window manager nothing else moves it
    m_pView->SetSize(rect.GetSize());
    AskForFullScreen(m_pFrame, nMonitor);
    m_pFrame->Raise();
    CreateBackBuffer();
    m_pView->Refresh();
    RenewInputLock();
}

// A cover may be the window whose key ends the game: its object stays until its window is
// gone.
void CMyGameWnd::RetireCovers() {
    for (const auto& cover : m_covers) {
        cover->DestroyWindow();
    }
    std::erase_if(m_oldCovers, [](const auto& cover) { return cover->IsGone(); });
    m_oldCovers.insert(m_oldCovers.end(), std::make_move_iterator(m_covers.begin()),
                       std::make_move_iterator(m_covers.end()));
    m_covers.clear();
}

void CMyGameWnd::OnMonitorsTimer(wxTimerEvent&) {
    try {
        UpdateCovers();
    } catch (...) {
        // No memory for a cover now: the next look tries again.
    }
}

// Another program holds the keyboard or the pointer, and the lock could not be had or had
// back: the game does not go on unlocked.
void CMyGameWnd::OnLockFailed(unsigned game, LockLoss loss) {
    if (m_pFrame == nullptr || game != m_nGame) {
        return;
    }
    DestroyWindow();
    AfterGame([this, loss] {
        if (m_onLockFailed) {
            m_onLockFailed(loss);
        }
    });
}

void CMyGameWnd::AfterGame(std::function<void()> then) {
    m_hiddenWindows.WhenShown(this, std::move(then));
}

// A close request, or another program destroyed the play window's native window: the game
// ends as with any other close, and the next Start creates a new window.
void CMyGameWnd::OnCloseRequest(unsigned game) {
    if (m_pFrame != nullptr && game == m_nGame) {
        DestroyWindow();
    }
}

// The client area covers the screen exactly, any frame lying outside it. The screen is the
// primary monitor, which on Windows has its corner at the origin and here may lie anywhere.
void CMyGameWnd::FitToScreen() {
    if (m_pFrame == nullptr) {
        return;
    }
    const wxPoint screen = GetPrimaryMonitorRect().GetTopLeft();
    const wxRect window = m_pFrame->GetScreenRect();
    const wxPoint clientOrigin = m_pFrame->ClientToScreen(wxPoint(0, 0));
    const wxSize clientSize = m_pFrame->GetClientSize();
    m_rcPlacement.left = screen.x + window.GetLeft() - clientOrigin.x;
    m_rcPlacement.top = screen.y + window.GetTop() - clientOrigin.y;
    m_rcPlacement.right =
        window.GetRight() + 1 + screen.x + m_nScreenWidth - (clientOrigin.x + clientSize.x);
    m_rcPlacement.bottom =
        window.GetBottom() + 1 + screen.y + m_nScreenHeight - (clientOrigin.y + clientSize.y);
    m_pFrame->SetSize(m_rcPlacement.left, m_rcPlacement.top,
                      m_rcPlacement.right - m_rcPlacement.left,
                      m_rcPlacement.bottom - m_rcPlacement.top);
    m_pView->SetSize(m_pFrame->GetClientSize());
}

BOOL CMyGameWnd::CreateBackBuffer() {
    m_pBackBitmap = std::make_unique<CBackBitmap>();
    if (!m_pBackBitmap->Create(m_nScreenWidth, m_nScreenHeight, m_pView)) {
        m_pBackBitmap.reset();
        return FALSE;
    }
    m_pBackBitmap->Fill(m_crBack);
    m_pBackBitmap->TextOut(0, 0, FormatString(IDS_QUIT_HINT, kQuitCodeText), m_crBack, m_crText);
    return TRUE;
}

void CMyGameWnd::ShowBackBuffer() {
    if (m_pBackBitmap != nullptr && m_pView != nullptr) {
        m_pBackBitmap->CopyTo(m_pView);
    }
}

void CMyGameWnd::ReleaseBackBuffer() {
    m_pBackBitmap.reset();
}

void CMyGameWnd::DestroyWindow() {
    if (m_pFrame == nullptr) {
        return;
    }
    wxFrame* frame = m_pFrame;
    // The game ends now; the frame itself goes once the current event is done with it.
    StopWatchingCloseRequests(frame);
    EndGame();
    frame->Destroy();
}

// Never throws: the lock is released first, and only the farewell can fail.
void CMyGameWnd::EndGame() {
    m_pFrame = nullptr;
    m_pView = nullptr;
    if (GetOSFamily() == 2000) {
        RemoveKeyboardHook();
    }
    m_timerMonitors.Stop();
    try {
        RetireCovers();
    } catch (...) {
        // No memory to keep the covers' objects aside: their windows are going all the same.
    }
    m_coverPlaces.clear();
    m_hiddenWindows.ShowAgain();
    ReleaseBackBuffer();
    theSettings.m_bPlaying = 0;
    if (m_onGameEnd) {
        m_onGameEnd();
    }
    try {
        PlaySound(PathJoin(theSettings.m_strAppDir, "GoodBye.wav"));
    } catch (...) {
        // No memory left for the farewell's path: the game has ended all the same.
    }
}

// ---- Input ----------------------------------------------------------------------------

void CMyGameWnd::OnDestroy(wxWindowDestroyEvent& event) {
    event.Skip();
    if (event.GetWindow() != m_pPushedOn || m_pPushedOn == nullptr) {
        return;
    }
    m_pPushedOn->PopEventHandler();
    m_pPushedOn = nullptr;
    if (m_pFrame != nullptr) {
        EndGame();  // closed by something other than the quit code or the time limit
    }
}

// No exception leaves an event handler: a key whose display fails shows nothing, and the
// game and its lock go on.
void CMyGameWnd::OnKeyDown(wxKeyEvent& event) {
    const int vk = VirtualKeyFromEvent(event);
    if (KeyboardHookProc(vk, event.ControlDown()) != 0) {
        return;  // swallowed by the input lock
    }
    if (IsSystemKey(event)) {
        event.Skip();
        return;
    }
    OnKeyDown(vk);
}

void CMyGameWnd::OnKeyDown(int vk) {
    switch (AdvanceQuitCode(m_nQuitState, vk)) {
        case QuitStep::Quit:
            DestroyWindow();
            return;
        case QuitStep::Replay:
            if (!m_strLastSound.empty()) {
                PlaySound(m_strLastSound);
                return;
            }
            break;
        case QuitStep::Continue:
            break;
    }
    ShowNext();
}

void CMyGameWnd::OnLButtonDown(wxMouseEvent& event) {
    ShowNext();
    event.Skip();
}

void CMyGameWnd::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(m_pPushedOn);
    try {
        if (m_pBackBitmap != nullptr) {
            m_pBackBitmap->CopyTo(dc);
        }
    } catch (...) {
        // The window keeps what it showed until the next display.
    }
}

// ---- Content lists --------------------------------------------------------------------

void CMyGameWnd::CountPictures() {
    m_nPictures = 0;
    m_groupPictures.clear();
    for (const PictureGroupEntry& entry : ListPictureGroups(theSettings.m_strAppDir)) {
        if (entry.bDisplay != 0) {
            GroupPictures group = ListGroupPictures(entry.path);
            m_nPictures += static_cast<int>(group.pictures.size());
            m_groupPictures.push_back(std::move(group));
        }
    }
}

// One listing of the folder answers for its pictures, their sounds and its cut list: a game
// looks beside every picture for a sound, most of them missing.
CMyGameWnd::GroupPictures CMyGameWnd::ListGroupPictures(const std::string& folder) {
    GroupPictures group;
    group.folder = folder;
    CFileFind finder;
    BOOL bWorking = finder.FindFile(PathJoin(folder, "*.*"));
    while (bWorking) {
        bWorking = finder.FindNextFile();
        if (WildcardMatch(finder.GetFileName(), "*.bmp")) {
            group.pictures.push_back(finder.GetFileName());
        }
    }
    for (const std::string& picture : group.pictures) {
        std::string sound;
        finder.FindName(PictureSoundPath(picture), sound);
        group.sounds.push_back(std::move(sound));
    }
    std::string cutList;
    group.bCutList = finder.FindName(CUT_LIST_NAME, cutList);
    return group;
}

void CMyGameWnd::LoadPictures() {
    int index = 0;
    for (const GroupPictures& group : m_groupPictures) {
        index = LoadGroupPictures(group, m_nPictures, index);
    }
    m_groupPictures.clear();
}

int CMyGameWnd::LoadGroupPictures(const GroupPictures& group, int nCapacity, int nIndex) {
    if (nIndex >= nCapacity) {
        return nIndex;
    }
    if (group.bCutList) {
        LoadCutList(group.folder);
    } else {
        m_pstrCutNames.clear();  // a missing cut list is an empty one
        m_nCutNames = 0;
    }
    for (std::size_t i = 0; i < group.pictures.size() && nIndex < nCapacity; ++i, ++nIndex) {
        m_pstrPictures[nIndex] = PathJoin(group.folder, group.pictures[i]);
        m_pbHasSound[nIndex] = group.sounds[i].empty() ? 0 : 1;
        m_pstrPictureSounds[nIndex] =
            group.sounds[i].empty() ? std::string() : PathJoin(group.folder, group.sounds[i]);
        m_pbCut[nIndex] = IsInCutList(group.pictures[i]) ? 1 : 0;
    }
    return nIndex;
}

void CMyGameWnd::LoadCutList(const std::string& folder) {
    m_pstrCutNames = ReadCutList(folder);
    m_nCutNames = static_cast<int>(m_pstrCutNames.size());
}

BOOL CMyGameWnd::IsInCutList(const std::string& fileName) const {
    return ::IsInCutList(m_pstrCutNames, fileName) ? TRUE : FALSE;
}

static std::string DefaultSoundsPattern() {
    return PathJoin(PathJoin(theSettings.m_strAppDir, "DefVoice"), "*.wav");
}

int CMyGameWnd::CountDefaultSounds() const {
    return CountMatches(DefaultSoundsPattern());
}

void CMyGameWnd::LoadDefaultSounds() {
    int index = 0;
    CFileFind finder;
    BOOL bWorking = finder.FindFile(DefaultSoundsPattern());
    while (bWorking && index < m_nDefaultSounds) {
        bWorking = finder.FindNextFile();
        m_pstrDefaultSounds[index++] = finder.GetFilePath();
    }
}

// ---- One display ----------------------------------------------------------------------

int CMyGameWnd::RandomBelow(int n) {
    return n <= 0 ? 0 : m_random.Next() % n;
}

void CMyGameWnd::RandomColors(COLORREF& crBack, COLORREF& crText) {
    const unsigned r = RandomBelow(255), g = RandomBelow(255), b = RandomBelow(255);
    crBack = RGB(r, g, b);
    crText = RGB((256 - r) % 256, (256 - g) % 256, (256 - b) % 256);
}

BOOL CMyGameWnd::DrawNextPicture() {
    if (m_pBackBitmap == nullptr) {
        return FALSE;
    }
    if (theSettings.m_bClearBackground) {
        if (theSettings.m_bRandomColor) {
            RandomColors(m_crBack, m_crText);
        }
        m_pBackBitmap->Fill(m_crBack);
    }
    m_pBackBitmap->TextOut(0, 0, FormatString(IDS_QUIT_HINT, kQuitCodeText), m_crBack, m_crText);

    m_nCurrent = RandomBelow(m_nPictures);
    const bool bLoaded = m_nCurrent < static_cast<int>(m_pstrPictures.size()) &&
                         m_picture.Load(m_pstrPictures[m_nCurrent]);
    const int w = bLoaded ? m_picture.Width() : 0;
    const int h = bLoaded ? m_picture.Height() : 0;
    const int x = RandomBelow(m_nScreenWidth - w);
    const int y = RandomBelow(m_nScreenHeight - h);
    if (bLoaded) {
        if (m_pbCut[m_nCurrent] == 1) {
            m_pBackBitmap->TransparentBlt(x, y, m_picture, m_picture.GetPixel(0, 0));
        } else {
            m_pBackBitmap->BitBlt(x, y, m_picture);
        }
    }
    return TRUE;
}

// A display that fails part-way (a picture or a sound that cannot be had, memory running
// out) is skipped from there on; the game goes on with the next one.
void CMyGameWnd::ShowNext() {
    if (!KeyDelayAllows(theSettings.m_bKeyDelay, theSettings.m_nKeyDelay, m_stopwatch.Elapsed())) {
        return;
    }
    if (m_stopwatch.m_bAvailable) {
        m_stopwatch.Restart();
    }
    try {
        if (!DrawNextPicture()) {
            return;
        }
        const bool bKnown = m_nCurrent < static_cast<int>(m_pbHasSound.size());
        if (bKnown && m_pbHasSound[m_nCurrent] == 1) {
            PlaySound(m_pstrPictureSounds[m_nCurrent]);
            m_strLastSound = m_pstrPictureSounds[m_nCurrent];
        } else if (m_nDefaultSounds > 0) {
            m_strLastSound = m_pstrDefaultSounds[RandomBelow(m_nDefaultSounds)];
            PlaySound(m_strLastSound);
        }
    } catch (...) {
        m_picture.Clear();
    }
    try {
        for (const auto& cover : m_covers) {
            cover->SetColor(m_crBack);
        }
        ShowBackBuffer();
    } catch (...) {
        // The screen catches up at the next display.
    }
}
