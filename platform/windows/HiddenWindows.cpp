#include "platform/HiddenWindows.h"

#include <wx/toplevel.h>

#include <ranges>
#include <vector>

#include "platform/windows/WideText.h"

// The windows are hidden and shown by Windows itself, behind the framework's back: hiding a
// modal dialog through the framework would end it.
struct CHiddenWindows::Windows {
    std::vector<HWND> hidden;
};

CHiddenWindows::CHiddenWindows() : m_windows(std::make_unique<Windows>()) {}

CHiddenWindows::~CHiddenWindows() {
    ShowAgain();
}

void CHiddenWindows::HideAll() {
    for (wxWindow* window : wxTopLevelWindows) {
        HWND hwnd = static_cast<HWND>(window->GetHWND());
        if (hwnd != nullptr && IsWindowVisible(hwnd)) {
            m_windows->hidden.push_back(hwnd);
            ShowWindow(hwnd, SW_HIDE);
        }
    }
}

void CHiddenWindows::ShowAgain() {
    for (HWND hwnd : m_windows->hidden | std::views::reverse) {
        if (IsWindow(hwnd)) {
            ShowWindow(hwnd, SW_SHOWNA);
        }
    }
    m_windows->hidden.clear();
}

// Windows draws a window shown again before it draws a window opened after it.
void CHiddenWindows::WhenShown(wxEvtHandler* owner, std::function<void()> then) {
    if (owner != nullptr) {
        owner->CallAfter(std::move(then));
    }
}
