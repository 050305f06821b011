// Names and texts from the disk as the controls show them. File and folder names are bytes,
// and so are the names a Windows copy of the program stored (in its ANSI code page,
// Windows-1252 in Western Europe): what a control shows is only a readable rendering of them,
// and never becomes a name or a path again.
#pragma once

#include <string_view>

#include "core/TextEncoding.h"

class wxString;

// The same as the toolkit's text.
wxString DisplayText(std::string_view bytes);
