// A parent's photo or voice clip is decoded by the import program, a small program of our own
// beside the executable, in a process of its own with hard limits: the system's decoders
// never run in the program a child plays with, and a hostile file can cost at most the
// limits below, never the program itself. The file's bytes go to the program's standard
// input; the bitmap or wave comes back on its standard output.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/ImportResult.h"

// What one import may take: address space, and processor time.
constexpr std::uint64_t kImportMemoryBytes = 512u << 20;
constexpr int kImportCpuSeconds = 10;
// The name of the import program, beside the executable.
constexpr char kImportProgramName[] = "plinkapad-import";

// The largest file given to the import program; a larger one is refused unread.
constexpr std::uint64_t kMaxImportSourceBytes = 256u << 20;

// Runs the import program with `arguments` on `input`; its output, when it ended well, in
// `output`. Done or Shortened as the program says; NotReadable when it refused the file,
// failed, went over a limit or gave more than `maxOutputBytes`; Cancelled when the waiter
// (below) asked for it, and the program was ended at once.
ImportResult RunImportProgram(const std::vector<std::string>& arguments,
                              const std::vector<std::uint8_t>& input,
                              std::vector<std::uint8_t>& output, std::uint64_t maxOutputBytes);

// What an import program that ended with `exitCode` gave: Done or Shortened with
// `received` moved to `output`, NotReadable otherwise.
ImportResult ResultOfImportProgram(int exitCode, std::vector<std::uint8_t>& received,
                                   std::vector<std::uint8_t>& output);

// Reads `source` (a regular file only, never blocking), runs the import program with
// `arguments` on it and writes what comes back to `target`, under a temporary name renamed
// into place, once `valid` (the game's own reader) takes it. NotReadable for a file the
// program or `valid` refuses; on WriteFailed, `reason` says why.
ImportResult ImportThroughProgram(
    const std::string& source, const std::string& target, const std::vector<std::string>& arguments,
    std::uint64_t maxOutputBytes,
    const std::function<bool(const std::vector<std::uint8_t>&)>& valid, std::string& reason);

// While one lives, an import calls `waiting` about every 50 ms until the import program is
// done, so that the caller's window keeps answering; when it returns false the import is
// cancelled. Waiters nest: the newest one is asked.
class CImportWaiter {
public:
    explicit CImportWaiter(std::function<bool()> waiting);
    CImportWaiter(const CImportWaiter&) = delete;
    CImportWaiter& operator=(const CImportWaiter&) = delete;
    ~CImportWaiter();

    // Asks the newest waiter; true when there is none.
    static bool KeepWaiting();

private:
    std::function<bool()> m_waiting;
    CImportWaiter* m_pOuter;
};

// Where the import program is: beside the executable, unless a test program named the one
// of its build.
std::string ImportProgramPath();
void UseImportProgram(const std::string& path);
