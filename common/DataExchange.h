// Dialog data exchange: moves values between a dialog's members and its controls, in the
// order the dialog lists them. Reading (save) also checks: a field that is not a decimal
// integer, or out of its range, or too long, shows the framework's message, puts the focus
// on that field with its text selected, and stops the exchange there, so the fields after
// it are not read.
#pragma once

#include <string>

#include "platform/WinTypes.h"

class wxWindow;

class CDataExchange {
public:
    CDataExchange(wxWindow* dialog, bool bSaveAndValidate);

    const bool m_bSaveAndValidate;
    bool Failed() const { return m_bFailed; }

    // A check box: 1 when ticked.
    void DDX_Check(int id, BOOL& value);
    // An edit field holding a number in the "%d" form.
    void DDX_Text(int id, int& value);
    // An edit field or a static text.
    void DDX_Text(int id, std::string& value);
    // Checks the value just read from the last edit field; reading only.
    void DDV_MinMaxInt(int value, int minimum, int maximum);
    // Reading: at most `maximum` characters. Writing: the last edit field takes no more.
    void DDV_MaxChars(const std::string& value, int maximum);

private:
    void Fail(const std::string& message);

    wxWindow* m_pDialog;
    int m_idLastEdit = 0;
    bool m_bFailed = false;
};

// Runs the dialog's DoDataExchange in one direction; false when a check failed.
template <typename Dialog>
bool UpdateData(Dialog& dialog, bool bSaveAndValidate) {
    CDataExchange exchange(&dialog, bSaveAndValidate);
    dialog.DoDataExchange(exchange);
    return !exchange.Failed();
}

// The "%d" reading of a field: optional blanks, an optional sign, decimal digits and
// optional blanks, within the range of a 32-bit int.
bool ParseInteger(const std::string& text, int& value);
