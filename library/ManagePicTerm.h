// The Manage Picture Group dialog: edits one group's name, description and display flag,
// adds and deletes its pictures, previews them, marks the pictures drawn with their
// background cut away, and gives pictures sounds of their own. Pictures and sounds are
// copied and deleted at once; the group's description file and cut list are written on OK.
#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

#include "platform/WinTypes.h"

class CDataExchange;
class CPreviewFrame;
class wxInitDialogEvent;
class wxListCtrl;
class wxListEvent;

class CManagePicTerm : public wxDialog {
public:
    explicit CManagePicTerm(wxWindow* parent = nullptr);

    void DoDataExchange(CDataExchange& dx);

    // The work of the buttons and the list, callable without an event.
    void OnAddPictures();
    // Adds pictures as Add Pictures does, from its file dialog or dropped on the list.
    void AddPictureFiles(const std::vector<std::string>& chosen);
    void OnDeletePicture();
    void OnCutToDisplay();
    void OnPlaySounds();
    void OnSpecifySounds();
    // Opens the Record Sound dialog; a kept recording becomes the picture's own sound.
    void OnRecordSound();
    void OnDeleteSounds();
    // OK's work: true when both group files were written and the dialog may end with OK.
    // Otherwise the parent has been told why, and the dialog stays open with the edits.
    bool SaveGroup();

    void LoadCutList();
    void FillPictureList();
    void RefreshSelection();
    void RememberSelectedRow();
    void ShowRememberedRow();
    void DrawPreview();

    // Set by the caller before the dialog runs.
    std::string m_strGroupName;
    std::string m_strDescription;
    std::string m_strGroupPath;
    wxListCtrl* m_listPictures = nullptr;
    std::string m_strCurrentSound;
    std::string m_strFolderName;
    BOOL m_bDisplayGroup = 0;
    int m_nTotalPictures = 0;
    std::string m_strPicturePath;
    int m_nRememberedRow = 0;
    std::vector<std::string> m_cutNames;

    CPreviewFrame* m_pPreview = nullptr;

private:
    std::vector<std::string> m_rowNames;  // the rows' file names, by their item data
    bool m_bMicrophone = false;           // there is one to record from

    void CreateControls();
    long FirstSelectedRow() const;
    bool RowIsCut(long row) const;
    void EnableButtons(bool bSelected, bool bHasSound);

    void OnInitDialog(wxInitDialogEvent& event);
    void OnAddPicturesEvent(wxCommandEvent& event);
    void OnDeletePictureEvent(wxCommandEvent& event);
    void OnPlaySoundsEvent(wxCommandEvent& event);
    void OnSpecifySoundsEvent(wxCommandEvent& event);
    void OnRecordSoundEvent(wxCommandEvent& event);
    void OnDeleteSoundsEvent(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnListItemChanged(wxListEvent& event);
    void OnCutToDisplayEvent(wxCommandEvent& event);
    void OnHelpInfo(wxHelpEvent& event);
    void OnListDoubleClick(wxListEvent& event);

    wxDECLARE_EVENT_TABLE();
};
