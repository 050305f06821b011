// Message boxes with Windows' flags and answers.
#pragma once

#include <string>

class wxWindow;

#ifdef _WIN32
#include "platform/WinTypes.h"  // Windows' own flags and answers
#else
enum : unsigned {
    MB_OK = 0x0000,
    MB_YESNOCANCEL = 0x0003,
    MB_YESNO = 0x0004,
    MB_ICONHAND = 0x0010,
    MB_ICONQUESTION = 0x0020,
    MB_ICONEXCLAMATION = 0x0030,
    MB_ICONINFORMATION = 0x0040,
    MB_DEFBUTTON2 = 0x0100,
};

enum { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };
#endif

// Shows a modal message box over `owner` (null: no owner) and returns the button pressed. The
// box is never wider than the screen: long paths and words in `text` are given places to
// break (see BreakableText).

int MessageBox(wxWindow* owner, const std::string& text, const std::string& caption,
               unsigned flags);

// `text` (UTF-8) with an invisible break chance (U+200B) after each "/" of a long run without
// spaces, and inside any such run every 32 characters: a message box wraps its text only at
// break chances, and a long path would otherwise make it wider than the screen.
std::string BreakableText(const std::string& text);
