#include "platform/QuickListFill.h"

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

// The rows are already in, with their check marks and the groups they stand for: setting
// the texts again would take both away.
void CQuickListFill::Done(const std::vector<std::string>&) {
    Attach();
}

void CQuickListFill::Attach() {
    if (m_list != nullptr && m_list->IsFrozen()) {
        m_list->Thaw();
    }
}
