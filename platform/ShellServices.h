// Services of the desktop that a test replaces: opening a document or address with its
// default handler, the colour chooser and the Open file dialog.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

class wxWindow;

// Opens `what` (an address or a file) with the desktop's default handler ("open" verb).
bool ShellExecuteOpen(const std::string& what);

// Runs the colour dialog over `parent` starting at `colour`; true with the chosen colour
// in `colour` on OK.
bool ChooseColorDialog(wxWindow* parent, COLORREF& colour);

// Runs the Open dialog over `parent` with several files allowed, only existing ones, for
// the filter given as Windows writes it ("Sound wave files (*.wav) | *.wav||"); true on OK
// with the chosen paths in the order the dialog reports them.
bool OpenFilesDialog(wxWindow* parent, const std::string& filter, const std::string& extension,
                     std::vector<std::string>& paths);

// The same with one file only.
bool OpenFileDialog(wxWindow* parent, const std::string& filter, const std::string& extension,
                    std::string& path);

// The filter as the toolkit's Open dialog takes it: "Sound wave files (*.wav)|*.[wW][aA][vV]".
std::string ToolkitFilter(const std::string& filter);

// Test doubles (the Open dialog's serves both forms); an empty function puts the real service back.
void SetShellOpenForTesting(std::function<bool(const std::string&)> open);
void SetColorDialogForTesting(std::function<bool(wxWindow*, COLORREF&)> choose);
using OpenFilesFunction = std::function<bool(wxWindow*, const std::string&, const std::string&,
                                             std::vector<std::string>&)>;
void SetOpenFilesDialogForTesting(OpenFilesFunction open);
