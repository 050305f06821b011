// The full-screen play window. The object lives as long as the welcome dialog; its window
// is created anew for each game and destroyed at the game's end. Everything is drawn into
// the off-screen bitmap, and the screen receives one copy of it per display.
#pragma once

#include <wx/event.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <wx/timer.h>

#include "core/BmpImage.h"
#include "core/LockDeadline.h"
#include "core/RuntimeRandom.h"
#include "platform/HiddenWindows.h"
#include "platform/MonitorRef.h"
#include "platform/WinTypes.h"
#include "play/CoverLayout.h"
#include "play/Stopwatch.h"

class CBackBitmap;
class CCoverWnd;
class wxFrame;
class wxWindow;

#ifndef _WIN32  // Windows' own there
struct RECTL {
    int left = 0, top = 0, right = 0, bottom = 0;
};
#endif

class CMyGameWnd : public wxEvtHandler {
public:
    CMyGameWnd();
    ~CMyGameWnd() override;
    CMyGameWnd(const CMyGameWnd&) = delete;
    CMyGameWnd& operator=(const CMyGameWnd&) = delete;

    // A game, in the order the welcome dialog runs it.
    BOOL BeginGame();
    BOOL CreateEx(const std::string& title, int x, int y, int width, int height);
    // `bShortcutsRequired` false: the parent chose to play although the desktop does not hold
    // its shortcuts.
    void ShowWindow(bool bShortcutsRequired = true);
    void FitToScreen();
    BOOL CreateBackBuffer();
    void ShowBackBuffer();
    void ShowNext();
    void DestroyWindow();

    bool IsWindow() const { return m_pFrame != nullptr; }
    wxWindow* GetView() const { return m_pView; }
    // Called at the end of each game, after the lock is released.
    void SetGameEndHandler(std::function<void()> handler) { m_onGameEnd = std::move(handler); }
    // Has `then` called once the windows put away for the game are back on the screen, so a
    // message about the game's end comes out above them.
    void AfterGame(std::function<void()> then);
    // Called when the input lock could not be taken or kept for a game; the game has ended
    // and the windows put away for it are back.
    void SetLockFailedHandler(std::function<void(LockLoss)> handler) {
        m_onLockFailed = std::move(handler);
    }

    // The key handler's logic, for a virtual-key code that passed the input lock.
    void OnKeyDown(int vk);
    // Input on the play window, or on a cover of another monitor.
    void OnKeyDown(wxKeyEvent& event);
    void OnLButtonDown(wxMouseEvent& event);
    // The covers of the monitors other than the play window's, as they are now.
    const std::vector<std::unique_ptr<CCoverWnd>>& Covers() const { return m_covers; }

    // The pictures of one group folder: names matching "*.bmp" in the enumeration's order,
    // for each the name of its own sound as the folder spells it (or empty), and whether the
    // folder holds a cut list.
    struct GroupPictures {
        std::string folder;
        std::vector<std::string> pictures;
        std::vector<std::string> sounds;
        bool bCutList = false;
    };

    // Content lists and choice (no window needed). CountPictures reads each displayed group's
    // folder once and keeps what it found for LoadPictures, so both see the same pictures.
    void CountPictures();
    static GroupPictures ListGroupPictures(const std::string& folder);
    void LoadPictures();
    int LoadGroupPictures(const GroupPictures& group, int nCapacity, int nIndex);
    void LoadCutList(const std::string& folder);
    BOOL IsInCutList(const std::string& fileName) const;
    int CountDefaultSounds() const;
    void LoadDefaultSounds();
    int RandomBelow(int n);
    void RandomColors(COLORREF& crBack, COLORREF& crText);
    BOOL DrawNextPicture();
    void ReleaseBackBuffer();
    void SeedRandom(unsigned int seed) { m_random.Seed(seed); }

    std::vector<std::string> m_pstrPictures;
    std::vector<std::string> m_pstrPictureSounds;
    std::vector<BOOL> m_pbHasSound;
    int m_nPictures;
    int m_nDefaultSounds;
    std::vector<std::string> m_pstrDefaultSounds;
    int m_nScreenWidth;
    int m_nScreenHeight;
    COLORREF m_crBack;
    COLORREF m_crText;
    CStopwatch m_stopwatch;
    int m_nQuitState;
    std::vector<BOOL> m_pbCut;
    int m_nCutNames;
    std::vector<std::string> m_pstrCutNames;
    std::string m_strLastSound;
    RECTL m_rcPlacement{};
    std::unique_ptr<CBackBitmap> m_pBackBitmap;
    int m_nCurrent;

private:
    void EndGame();
    void OnLockFailed(unsigned game, LockLoss loss);
    void OnCloseRequest(unsigned game);
    void UpdateCovers();
    void MoveToMonitor(int nMonitor);
    void RetireCovers();

    void OnDestroy(wxWindowDestroyEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnMonitorsTimer(wxTimerEvent& event);

    wxFrame* m_pFrame = nullptr;      // owned by wx; destroyed at the end of the game
    wxWindow* m_pView = nullptr;      // the frame's client, which receives input
    wxWindow* m_pPushedOn = nullptr;  // the view this object handles events for
    CRuntimeRandom m_random;
    CBmpImage m_picture;                         // the picture being drawn; its memory is reused
    std::vector<GroupPictures> m_groupPictures;  // from CountPictures to LoadPictures
    std::function<void()> m_onGameEnd;
    std::function<void(LockLoss)> m_onLockFailed;
    unsigned m_nGame = 0;            // counts the games whose window was shown
    CHiddenWindows m_hiddenWindows;  // the program's other windows, for a game
    std::vector<std::unique_ptr<CCoverWnd>> m_covers;
    std::vector<std::unique_ptr<CCoverWnd>> m_oldCovers;  // until their windows are gone
    std::vector<CoverPlace> m_coverPlaces;                // where the covers were made
    CMonitorRef m_playMonitor;                            // the play window's
    wxTimer m_timerMonitors;  // looks for monitors plugged in or removed

    wxDECLARE_EVENT_TABLE();
};
