// Which family of Windows this system behaves like: 2000 (the NT family, whose
// keyboard lock is a hook), 98 or 32. Here the keyboard lock is always the grab, so 2000.
#pragma once

int GetOSFamily();
