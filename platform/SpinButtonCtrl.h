// An up-down control with a buddy edit field: it shows its position in the buddy as a plain
// decimal number, takes the buddy's number as its position before each step, answers the
// arrow keys and wraps around at either end of its range.
#pragma once

#include <wx/spinbutt.h>

class wxTextCtrl;

class CSpinButtonCtrl : public wxSpinButton {
public:
    CSpinButtonCtrl(wxWindow* parent, int id, wxTextCtrl* buddy);

    void SetRange(int lower, int upper);
    void SetPos(int pos);
    int GetPos() const { return m_nPos; }

    // One step up (+1) or down (-1), as a click on an arrow does.
    void Step(int direction);

private:
    void OnSpinUp(wxSpinEvent& event);
    void OnSpinDown(wxSpinEvent& event);
    void OnBuddyKey(wxKeyEvent& event);

    wxTextCtrl* m_pBuddy;
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;

    wxDECLARE_EVENT_TABLE();
};
