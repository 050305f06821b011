// The Windows headers as the whole program includes them on Windows (through
// platform/WinTypes.h): Windows' own small types (BOOL, COLORREF, RECT, the RGB helpers) and
// its key, message box and screen metric constants are the program's there. Only the
// macros that would rename the program's functions named after Windows operations
// (MessageBox, LoadString, PlaySound, CopyFile...) to their "A or W" forms are undone.
#pragma once

// Through the framework's own wrapper, which undoes the macros that would rename its names
// (FindWindow, GetClassInfo...). The build defines NOMINMAX, WIN32_LEAN_AND_MEAN and NOHELP
// (WinHelp's constants, whose HELP_INDEX the help's own page name is).
#include <wx/msw/wrapwin.h>

#undef CopyFile
#undef CreateDirectory
#undef CreateWindow
#undef DeleteFile
#undef DrawText
#undef FindNextFile
#undef GetModuleFileName
#undef LoadLibrary
#undef LoadString
#undef MessageBox
#undef PlaySound
#undef RemoveDirectory
#undef TextOut
