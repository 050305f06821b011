#include "platform/ImportProcess.h"

// The import program runs in a process of its own on Windows too, held by a job object to
// its memory and time; until that side is built, nothing is imported there.
ImportResult RunImportProgram(const std::vector<std::string>&, const std::vector<std::uint8_t>&,
                              std::vector<std::uint8_t>& output, std::uint64_t) {
    output.clear();
    return ImportResult::NotReadable;
}
