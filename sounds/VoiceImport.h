// How sounds of other formats (a phone's voice clips) join the library: each becomes a
// 16-bit PCM WAV file, trimmed of silence and kept to its first minute; WAV files are
// copied as they are.
#pragma once

#include "common/FolderFiles.h"

FileConversion VoicesToWaves();
