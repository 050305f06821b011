// The program's pointing-hand cursor (resource 135): 32 x 32, monochrome, hotspot (0, 0).
#pragma once

#include <wx/cursor.h>

wxCursor LoadHandCursor();
