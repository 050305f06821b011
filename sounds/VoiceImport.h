// How sounds of other formats (a phone's voice clips) join the library: each becomes a
// 16-bit PCM WAV file, trimmed of silence and kept to its first minute; WAV files are
// copied as they are.
#pragma once

#include <string>

#include "common/FolderFiles.h"

FileConversion VoicesToWaves();

// The file name a recorded default sound takes from the name the parent typed: the name
// without the spaces around it, with ".wav" added unless it ends so; empty when the name
// cannot be a file's on Linux and Windows alike (nothing, a dot first, a slash or a
// backslash, or another character Windows keeps out of names: : * ? " < > |).
std::string RecordingFileName(const std::string& typed);
