// The settings file, read by the real Load from beside this program.
#include "FuzzInput.h"
#include "common/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = [] {
        theSettings.Load();
        return theSettings.m_strIniPath;
    }();
    WriteInput(path, data, size);
    theSettings.Load();
    return 0;
}
