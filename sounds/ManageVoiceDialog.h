// The Manage Default Sounds dialog: lists the wave files of the default sounds folder
// "DefVoice" with their sizes, and plays, stops, adds and deletes them. Every change is a
// file operation done at once.
#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

class wxListCtrl;
class wxListEvent;

class CManageVoiceDialog : public wxDialog {
public:
    explicit CManageVoiceDialog(wxWindow* parent = nullptr);

    void FillSoundList();
    // The handlers' logic, callable without an event.
    void OnItemChanged();
    void OnPlay();
    void OnAdd();
    // Adds sounds as Add does, from its file dialog or dropped on the list.
    void AddSoundFiles(const std::vector<std::string>& chosen);
    // Opens the Record Sound dialog; a kept recording becomes a new default sound, under a
    // name the parent types.
    void OnRecord();
    void OnDelete();

    wxListCtrl* m_listSounds = nullptr;
    int m_nSelected = 0;
    std::vector<std::string> m_selectedPaths;

private:
    std::vector<std::string> m_rowNames;  // the rows' file names, by their item data

    void CreateControls();
    void OnInitDialog();
    std::string SoundPath(const std::string& fileName) const;

    void OnPlayButton(wxCommandEvent& event);
    void OnStop(wxCommandEvent& event);
    void OnAddButton(wxCommandEvent& event);
    void OnRecordButton(wxCommandEvent& event);
    void OnDeleteButton(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnHelpInfo(wxHelpEvent& event);
    void OnDblClk(wxListEvent& event);
    void OnItemChangedEvent(wxListEvent& event);

    wxDECLARE_EVENT_TABLE();
};
