// Fills a check list box of thousands of rows so that it shows at once. The toolkit follows
// every row added to a list on the screen, and measures every row of it before it shows it:
// most of a second for ten thousand groups. While a fill lives, the list on the screen is
// detached from its rows; when it is done, every row gets the height of one, and the text
// column the width of the widest row, added up from the width of each character it holds, so
// only the rows on the screen are ever measured.
#pragma once

#include <string>
#include <vector>

class wxCheckListBox;

class CQuickListFill {
public:
    explicit CQuickListFill(wxCheckListBox* list);
    // Attaches the rows again, if Done was not called.
    ~CQuickListFill();
    CQuickListFill(const CQuickListFill&) = delete;
    CQuickListFill& operator=(const CQuickListFill&) = delete;

    // The rows are in; `rows` are their texts as UTF-8.
    void Done(const std::vector<std::string>& rows);

private:
    void Attach();

    wxCheckListBox* m_list;
    void* m_model = nullptr;  // the rows while the list is detached from them
};
