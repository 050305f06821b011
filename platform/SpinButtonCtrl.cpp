#include "platform/SpinButtonCtrl.h"

#include <wx/textctrl.h>

#include <cstdlib>

wxBEGIN_EVENT_TABLE(CSpinButtonCtrl, wxSpinButton)
    EVT_SPIN_UP(wxID_ANY, CSpinButtonCtrl::OnSpinUp)
    EVT_SPIN_DOWN(wxID_ANY, CSpinButtonCtrl::OnSpinDown)
wxEND_EVENT_TABLE()

CSpinButtonCtrl::CSpinButtonCtrl(wxWindow* parent, int id, wxTextCtrl* buddy)
    : wxSpinButton(parent, id, wxDefaultPosition, wxDefaultSize,
                   wxSP_VERTICAL | wxSP_ARROW_KEYS | wxSP_WRAP),
      m_pBuddy(buddy) {
    // Large fixed range: the steps are ours, the native control only reports the clicks.
    wxSpinButton::SetRange(-1000000, 1000000);
    wxSpinButton::SetValue(0);
    if (m_pBuddy != nullptr) {
        m_pBuddy->Bind(wxEVT_KEY_DOWN, &CSpinButtonCtrl::OnBuddyKey, this);
    }
}

void CSpinButtonCtrl::SetRange(int lower, int upper) {
    m_nLower = lower;
    m_nUpper = upper;
}

void CSpinButtonCtrl::SetPos(int pos) {
    m_nPos = pos;
    if (m_pBuddy != nullptr) {
        m_pBuddy->ChangeValue(wxString::Format("%d", pos));
    }
}

void CSpinButtonCtrl::Step(int direction) {
    // The buddy's number, when it holds one in range, is where the step starts from.
    if (m_pBuddy != nullptr) {
        long value = 0;
        if (m_pBuddy->GetValue().Trim().Trim(false).ToLong(&value) && value >= m_nLower &&
            value <= m_nUpper) {
            m_nPos = static_cast<int>(value);
        }
    }
    int next = m_nPos + direction;
    if (next > m_nUpper) {
        next = m_nLower;
    } else if (next < m_nLower) {
        next = m_nUpper;
    }
    SetPos(next);
}

void CSpinButtonCtrl::OnSpinUp(wxSpinEvent& event) {
    event.Veto();
    Step(+1);
}

void CSpinButtonCtrl::OnSpinDown(wxSpinEvent& event) {
    event.Veto();
    Step(-1);
}

void CSpinButtonCtrl::OnBuddyKey(wxKeyEvent& event) {
    if (IsEnabled() && event.GetKeyCode() == WXK_UP) {
        Step(+1);
    } else if (IsEnabled() && event.GetKeyCode() == WXK_DOWN) {
        Step(-1);
    } else {
        event.Skip();
    }
}
