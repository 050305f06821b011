// Which family of the original platform this system behaves like: 2000 (the one whose
// keyboard lock is a hook), 98 or 32. Here the keyboard lock is always the grab, so 2000.
#pragma once

int GetOSFamily();
