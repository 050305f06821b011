// The system's Open dialog behind OpenFilesDialog and OpenFileDialog (ShellServices.h).
#pragma once

#include <string>
#include <vector>

class wxWindow;

// Shows the Open dialog for one file or several; the chosen paths as the file system spells
// them. It opens in LastOpenFolder() and leaves the chosen files' folder there.
bool RunOpenDialog(wxWindow* parent, const std::string& filter, bool bMultiple,
                   std::vector<std::string>& paths);

// The folder the last files were chosen from.
std::string& LastOpenFolder();
