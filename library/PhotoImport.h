// How pictures of other formats (a phone's photos) join a picture group: each becomes a
// bitmap of the same name that fits within three quarters of the screen, so a photo never
// hides the whole screen or the quit hint; bitmaps are copied as they are. A voice clip added
// with them becomes the sound of the picture of its name (Grandma.m4a beside Grandma.jpg).
#pragma once

#include "common/FolderFiles.h"

FileConversion PhotosToBitmaps();
