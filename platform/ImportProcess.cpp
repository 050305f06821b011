#include "platform/ImportProcess.h"

#include "platform/FileSystem.h"

// What surrounds the import program the same way on every system: where it is, the waiter
// that lets the parent cancel, and a file taken through it. Starting it and holding it to
// its limits is the system's (RunImportProgram).

namespace {
CImportWaiter* g_pWaiter = nullptr;

std::string& ChosenProgram() {
    static std::string path;
    return path;
}

}  // namespace

CImportWaiter::CImportWaiter(std::function<bool()> waiting)
    : m_waiting(std::move(waiting)), m_pOuter(g_pWaiter) {
    g_pWaiter = this;
}

CImportWaiter::~CImportWaiter() {
    g_pWaiter = m_pOuter;
}

bool CImportWaiter::KeepWaiting() {
    return g_pWaiter == nullptr || !g_pWaiter->m_waiting || g_pWaiter->m_waiting();
}

std::string ImportProgramPath() {
    if (!ChosenProgram().empty()) {
        return ChosenProgram();
    }
    std::string exe;
    return GetModuleFileName(exe) ? PathJoin(FolderOf(exe), kImportProgramName) : std::string();
}

void UseImportProgram(const std::string& path) {
    ChosenProgram() = path;
}

ImportResult ResultOfImportProgram(int exitCode, std::vector<std::uint8_t>& received,
                                   std::vector<std::uint8_t>& output) {
    // The import program's exit codes: 0 done, 2 done but shortened, anything else refused.
    if (exitCode != 0 && exitCode != 2) {
        return ImportResult::NotReadable;
    }
    output = std::move(received);
    return exitCode == 0 ? ImportResult::Done : ImportResult::Shortened;
}

ImportResult ImportThroughProgram(
    const std::string& source, const std::string& target, const std::vector<std::string>& arguments,
    std::uint64_t maxOutputBytes,
    const std::function<bool(const std::vector<std::uint8_t>&)>& valid, std::string& reason) {
    std::vector<std::uint8_t> data, made;
    if (!ReadWholeFile(source, data, kMaxImportSourceBytes) || data.empty()) {
        return ImportResult::NotReadable;
    }
    const ImportResult result = RunImportProgram(arguments, data, made, maxOutputBytes);
    if (result == ImportResult::Cancelled) {
        return result;
    }
    if ((result != ImportResult::Done && result != ImportResult::Shortened) || !valid(made)) {
        return ImportResult::NotReadable;
    }
    if (!WriteWholeFile(target, made, &reason)) {
        return ImportResult::WriteFailed;
    }
    return result;
}
