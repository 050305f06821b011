// The program's icon (resource 128): a smiling sun, drawn at run time.
#pragma once

#include <wx/icon.h>

class CIconPainter;

// The drawing itself, `size` x `size` pixels, on any surface.
void DrawAppIcon(CIconPainter& painter, int size);

wxIcon LoadAppIcon();
wxIconBundle LoadAppIcons();
