#include "sounds/VoiceImport.h"

#include "platform/SoundImport.h"
#include "res/Resource.h"

FileConversion VoicesToWaves() {
    return {".wav", ImportSound, IDS_NOT_SOUNDS, IDS_SOUNDS_SHORTENED};
}
