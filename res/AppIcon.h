// The program's icon (resource 128): a smiling sun, drawn at run time.
#pragma once

#include <wx/icon.h>

wxIcon LoadAppIcon();
wxIconBundle LoadAppIcons();
