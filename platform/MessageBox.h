// Message boxes with Windows' flags and answers.
#pragma once

#include <string>

class wxWindow;

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

// Shows a modal message box over `owner` (null: no owner) and returns the button pressed.
int MessageBox(wxWindow* owner, const std::string& text, const std::string& caption,
               unsigned flags);
