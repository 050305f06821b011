// A picture group's description file.
#include "FuzzInput.h"
#include "library/PictureGroupStorage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = FuzzFolder() + "/group.ini";
    WriteInput(path, data, size);
    std::string name, description;
    BOOL bDisplay = 0;
    ReadGroupFile(path, name, description, bDisplay);
    return 0;
}
