// The Setup dialog: the play options, and the hub of the picture and sound library.
#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

#include "platform/WinTypes.h"

class CDataExchange;
class CDrawItemEvent;
class CSpinButtonCtrl;
class wxCheckListBox;
class wxDC;

class CSetupDialog : public wxDialog {
public:
    explicit CSetupDialog(wxWindow* parent);

    void DoDataExchange(CDataExchange& dx);
    // Reads the fields, applies the enable rules and writes the fields back.
    void UpdateEnables();
    // Reads and checks the fields and saves them, then the changed display marks; false
    // (nothing written) on a bad field.
    bool SaveSetup();

    // The picture group list.
    void LoadGroups();
    void FillGroupList();
    // The group of a list row, by the row's own data: -1 when it has none.
    int FindRowGroup(int row) const;
    void OnGroupSelChange();
    void OnManageGroup();
    void OnDeleteGroup();

    // Draws the colour button's face into `dc` over `rect`.
    static void DrawColorButton(wxDC& dc, const wxRect& rect, BOOL bActive, COLORREF colour);

    BOOL m_bClearBackground = 0;
    BOOL m_bRandomColor = 0;
    int m_nTimeLimit = 0;
    CSpinButtonCtrl* m_spinTimeLimit = nullptr;
    int m_nKeyDelay = 0;
    CSpinButtonCtrl* m_spinKeyDelay = nullptr;
    BOOL m_bKeyDelay = 0;
    COLORREF m_crBackground = 0;
    BOOL m_bColorActive = 0;
    wxCheckListBox* m_listGroups = nullptr;
    std::vector<BOOL> m_groupDisplay;
    std::vector<std::string> m_groupFolders;  // as the directory names them
    std::vector<std::string> m_groupNames;
    std::vector<std::string> m_groupDescriptions;
    int m_nGroups = 0;
    std::string m_strStatus;
    BOOL m_bTimeLimit = 0;
    BOOL m_bAutoDisplay = 0;
    int m_nAutoDisplay = 0;
    CSpinButtonCtrl* m_spinAutoDisplay = nullptr;

private:
    void CreateControls();
    void OnInitDialog();

    void OnOK(wxCommandEvent& event);
    void OnCheckOption(wxCommandEvent& event);
    void OnDrawItem(CDrawItemEvent& event);
    void OnChooseColor(wxCommandEvent& event);
    void OnManageSounds(wxCommandEvent& event);
    void OnGroupSelChangeEvent(wxCommandEvent& event);
    void OnManageGroupEvent(wxCommandEvent& event);
    void OnAddGroup(wxCommandEvent& event);
    void OnDeleteGroupEvent(wxCommandEvent& event);
    void SaveDisplayFlags();
    void DeleteGroupFiles(const std::string& folder, const std::string& folderName);
    void SelectFirstRowOrSayEmpty();
    void OnHelp(wxCommandEvent& event);
    void OnAllowKeyboardLock(wxCommandEvent& event);
    void OnHelpInfo(wxHelpEvent& event);

    wxDECLARE_EVENT_TABLE();
};
