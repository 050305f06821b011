#include "sounds/VoiceImport.h"

#include "platform/FileFind.h"
#include "platform/SoundImport.h"
#include "res/Resource.h"

FileConversion VoicesToWaves() {
    return {".wav",
            ImportSound,
            IDS_NOT_SOUNDS,
            IDS_SOUNDS_SHORTENED,
            "*.wav;*.m4a;*.aac;*.mp3;*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp",
            {}};
}

std::string RecordingFileName(const std::string& typed) {
    const std::size_t first = typed.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    std::string name = typed.substr(first, typed.find_last_not_of(" \t") + 1 - first);
    // What either system keeps out of a file's name, so the library reads on both: a
    // name with a backslash made on Linux would be a path into a folder on Windows.
    static const char kForbidden[] = "/\\:*?\"<>|";
    if (name.front() == '.' || name.find_first_of(kForbidden) != std::string::npos ||
        name.find('\0') != std::string::npos) {
        return {};
    }
    if (!WildcardMatch(name, "*.wav")) {
        name += ".wav";
    }
    return name;
}
