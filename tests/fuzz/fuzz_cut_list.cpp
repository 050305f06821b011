// A picture group's cut list.
#include "FuzzInput.h"
#include "library/PictureGroupStorage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteInput(FuzzFolder() + "/cutshow.ini", data, size);
    ReadCutList(FuzzFolder());
    return 0;
}
