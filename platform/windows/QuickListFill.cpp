#include "platform/QuickListFill.h"

#include <wx/arrstr.h>
#include <wx/checklst.h>

// Windows' list box takes a long list in one go while it does not redraw.
CQuickListFill::CQuickListFill(wxCheckListBox* list) : m_list(list) {
    if (m_list != nullptr) {
        m_list->Freeze();
    }
}

CQuickListFill::~CQuickListFill() {
    Attach();
}

void CQuickListFill::Done(const std::vector<std::string>& rows) {
    if (m_list == nullptr) {
        return;
    }
    wxArrayString texts;
    texts.reserve(rows.size());
    for (const std::string& row : rows) {
        texts.push_back(wxString::FromUTF8(row));
    }
    m_list->Set(texts);
    Attach();
}

void CQuickListFill::Attach() {
    if (m_list != nullptr && m_list->IsFrozen()) {
        m_list->Thaw();
    }
}
