#include "common/DataExchange.h"

#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/window.h>

#include <cctype>
#include <climits>

#include "platform/DisplayText.h"
#include "platform/MessageBox.h"
#include "res/Resource.h"
#include "res/StringTable.h"

bool ParseInteger(const std::string& text, int& value) {
    std::size_t i = 0;
    auto blank = [&text](std::size_t k) { return text[k] == ' ' || text[k] == '\t'; };
    while (i < text.size() && blank(i)) {
        ++i;
    }
    bool bNegative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        bNegative = text[i] == '-';
        ++i;
    }
    long long number = 0;
    const std::size_t firstDigit = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        number = number * 10 + (text[i] - '0');
        if (number > static_cast<long long>(INT_MAX) + 1) {
            return false;
        }
        ++i;
    }
    if (i == firstDigit) {
        return false;
    }
    while (i < text.size() && blank(i)) {
        ++i;
    }
    if (i != text.size()) {
        return false;
    }
    if (bNegative) {
        number = -number;
    }
    if (number > INT_MAX || number < INT_MIN) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

CDataExchange::CDataExchange(wxWindow* dialog, bool bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDialog(dialog) {}

void CDataExchange::Fail(const std::string& message) {
    m_bFailed = true;
    MessageBox(m_pDialog, message, AppName(), MB_ICONEXCLAMATION | MB_OK);
    if (auto* edit = dynamic_cast<wxTextCtrl*>(m_pDialog->FindWindow(m_idLastEdit))) {
        edit->SetFocus();
        edit->SelectAll();
    }
}

void CDataExchange::DDX_Check(int id, BOOL& value) {
    if (m_bFailed) {
        return;
    }
    auto* check = dynamic_cast<wxCheckBox*>(m_pDialog->FindWindow(id));
    if (check == nullptr) {
        return;
    }
    if (m_bSaveAndValidate) {
        value = check->GetValue() ? 1 : 0;
    } else {
        check->SetValue(value != 0);
    }
}

void CDataExchange::DDX_Text(int id, int& value) {
    if (m_bFailed) {
        return;
    }
    m_idLastEdit = id;
    auto* edit = dynamic_cast<wxTextCtrl*>(m_pDialog->FindWindow(id));
    if (edit == nullptr) {
        return;
    }
    if (!m_bSaveAndValidate) {
        edit->ChangeValue(wxString::Format("%d", value));
        return;
    }
    if (!ParseInteger(edit->GetValue().utf8_string(), value)) {
        Fail(LoadString(AFX_IDP_PARSE_INT));
    }
}

void CDataExchange::DDX_Text(int id, std::string& value) {
    if (m_bFailed) {
        return;
    }
    wxWindow* control = m_pDialog->FindWindow(id);
    // A control shows a rendering of the value's bytes; unless the parent changed what it
    // shows, the value keeps its bytes (a name a Windows copy stored, a path that is no UTF-8).
    auto read = [&value](const wxString& shown) {
        if (shown != DisplayText(value)) {
            value = shown.utf8_string();
        }
    };
    if (auto* edit = dynamic_cast<wxTextCtrl*>(control)) {
        m_idLastEdit = id;
        if (m_bSaveAndValidate) {
            read(edit->GetValue());
        } else {
            edit->ChangeValue(DisplayText(value));
        }
    } else if (auto* text = dynamic_cast<wxStaticText*>(control)) {
        if (m_bSaveAndValidate) {
            read(text->GetLabel());
        } else {
            text->SetLabel(DisplayText(value));
        }
    }
}

void CDataExchange::DDV_MinMaxInt(int value, int minimum, int maximum) {
    if (m_bFailed || !m_bSaveAndValidate) {
        return;
    }
    if (value < minimum || value > maximum) {
        Fail(FormatString(AFX_IDP_PARSE_INT_RANGE, std::to_string(minimum),
                          std::to_string(maximum)));
    }
}

void CDataExchange::DDV_MaxChars(const std::string& value, int maximum) {
    if (m_bFailed) {
        return;
    }
    if (!m_bSaveAndValidate) {
        // Writing the controls limits what can be typed into the last edit field.
        if (auto* edit = dynamic_cast<wxTextCtrl*>(m_pDialog->FindWindow(m_idLastEdit))) {
            edit->SetMaxLength(static_cast<unsigned long>(maximum));
        }
        return;
    }
    if (static_cast<int>(DisplayText(value).length()) > maximum) {
        Fail(FormatCountString(AFX_IDP_PARSE_STRING_SIZE, static_cast<std::size_t>(maximum),
                               std::to_string(maximum)));
    }
}
