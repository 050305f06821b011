#include "platform/InputLock.h"

#include <wx/event.h>
#include <wx/timer.h>
#include <wx/window.h>

#include <atomic>
#include <future>
#include <memory>
#include <thread>

#include "platform/windows/LowLevelHook.h"

// The lock of a game on Windows: a low-level keyboard hook that swallows the keys that leave
// or switch the play window before Windows acts on them (the Windows keys, Alt+Tab, Alt+Esc,
// Ctrl+Esc, Alt+F4, the application key), the pointer kept on the play window's monitor,
// and the focus taken back to the play window whenever another program has it. Windows
// silently removes a hook whose thread does not answer in time, so the hook has a thread of
// its own, with its own message loop, that never waits for the game; should it be removed all
// the same, the game ends with the lock-lost message.

namespace {

int s_nHandle = 0;
int s_nNextHandle = 1;
KeyFilter s_filter = nullptr;  // read by the hook's thread while it runs

std::thread s_hookThread;
DWORD s_nHookThreadId = 0;
bool s_bHooked = false;
std::atomic<bool> s_bHookLost{false};  // set by the hook's thread
HWND s_play = nullptr;
std::unique_ptr<wxTimer> s_watch;
wxEvtHandler* s_pOwner = nullptr;
std::function<void(LockLoss)> s_onFailed;

constexpr int kWatchMs = 200;
// How often the hook's thread renews the hook, and so finds one Windows removed.
constexpr UINT kRenewMs = 1000;

LRESULT CALLBACK OnKey(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const int vk = static_cast<int>(key->vkCode);
        const bool bCtrl = (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
        if (vk == VK_APPS || (s_filter != nullptr && s_filter(vk, bCtrl) != 0)) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void HookThread(std::promise<bool> hooked) {
    MSG message;
    // The thread's message queue exists before anyone posts to it.
    PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    CLowLevelHook hook(OnKey);
    const bool bHooked = hook.Install();
    s_nHookThreadId = GetCurrentThreadId();  // seen by the game once the answer is
    hooked.set_value(bHooked);
    if (!bHooked) {
        return;
    }
    const UINT_PTR renewal = SetTimer(nullptr, 0, kRenewMs, nullptr);
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.wParam == renewal && !hook.Renew()) {
            s_bHookLost = true;
        }
        DispatchMessageW(&message);
    }
    KillTimer(nullptr, renewal);
}

void StopHook() {
    if (s_hookThread.joinable()) {
        PostThreadMessageW(s_nHookThreadId, WM_QUIT, 0, 0);
        s_hookThread.join();
    }
    s_nHookThreadId = 0;
    s_bHooked = false;
    s_bHookLost = false;
}

bool StartHook() {
    StopHook();
    std::promise<bool> hooked;
    std::future<bool> answer = hooked.get_future();
    s_hookThread = std::thread(HookThread, std::move(hooked));
    s_bHooked = answer.get();
    if (!s_bHooked) {
        s_hookThread.join();
    }
    return s_bHooked;
}

// The pointer stays on the play window's monitor, and the focus comes back to the play
// window from any other program's window.
void KeepPointerAndFocus() {
    if (s_play == nullptr || !IsWindow(s_play)) {
        return;
    }
    RECT area;
    if (GetWindowRect(s_play, &area)) {
        ClipCursor(&area);
    }
    HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    GetWindowThreadProcessId(foreground, &process);
    if (foreground != nullptr && process != GetCurrentProcessId()) {
        SetForegroundWindow(s_play);
    }
}

// A lost hook ends the game, from the owner's event queue.
void Watch() {
    if (s_bHookLost.exchange(false) && s_pOwner != nullptr && s_onFailed) {
        s_pOwner->CallAfter([onFailed = s_onFailed] { onFailed(LockLoss::Lost); });
        s_onFailed = nullptr;
    }
    KeepPointerAndFocus();
}

void StopWatching() {
    if (s_watch) {
        s_watch->Stop();
        s_watch.reset();
    }
    s_play = nullptr;
    s_pOwner = nullptr;
    s_onFailed = nullptr;
    ClipCursor(nullptr);
}

}  // namespace

int TakeInputLock(KeyFilter filter) {
    StopWatching();
    StopHook();
    s_filter = filter;
    s_nHandle = s_nNextHandle++;
    return s_nHandle;
}

bool DesktopShortcutsCanBeHeld() {
    return true;
}

bool GrabInputFor(wxWindow* window, wxEvtHandler* owner, std::function<void(LockLoss)> onFailed,
                  bool) {
    if (s_nHandle == 0 || window == nullptr || owner == nullptr) {
        return false;
    }
    StopWatching();
    s_play = static_cast<HWND>(window->GetHWND());
    if (!StartHook()) {
        // No hook, no game: the game ends with the lock-lost message.
        owner->CallAfter([onFailed = std::move(onFailed)] { onFailed(LockLoss::Lost); });
        return false;
    }
    s_pOwner = owner;
    s_onFailed = std::move(onFailed);
    s_watch = std::make_unique<wxTimer>();
    s_watch->Bind(wxEVT_TIMER, [](wxTimerEvent&) { Watch(); });
    s_watch->Start(kWatchMs);
    KeepPointerAndFocus();
    return true;
}

// The covers are windows of this program: the focus may rest on them, and the hook holds
// the keys whichever window of ours has it.
void AddToInputLock(wxWindow*) {}

void RemoveFromInputLock(wxWindow*) {}

void RenewInputLock() {
    KeepPointerAndFocus();
}

void ReleaseInputLock(int handle) {
    if (handle != 0 && handle == s_nHandle) {
        s_nHandle = 0;
    }
    StopWatching();
    StopHook();
    s_filter = nullptr;
}

bool InputLockHeld() {
    return s_nHandle != 0;
}

bool InputGrabbed() {
    return s_bHooked;
}
