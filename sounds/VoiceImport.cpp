#include "sounds/VoiceImport.h"

#include "platform/SoundImport.h"
#include "res/Resource.h"

FileConversion VoicesToWaves() {
    return {".wav",
            [](const std::string& from, const std::string& to, std::string& reason) {
                switch (ImportSound(from, to, reason)) {
                    case SoundImport::Done:
                        return Converted::Done;
                    case SoundImport::Shortened:
                        return Converted::Shortened;
                    case SoundImport::NotASound:
                        return Converted::NotReadable;
                    case SoundImport::WriteFailed:
                        break;
                }
                return Converted::WriteFailed;
            },
            IDS_NOT_SOUNDS, IDS_SOUNDS_SHORTENED};
}
