#include "platform/ImportProcess.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/windows/WideText.h"

namespace {

// How long an import may take by the clock, however loaded the machine: several times its
// processor time.
constexpr auto kImportWallTime = std::chrono::seconds(6 * kImportCpuSeconds);
constexpr DWORD kWaitMilliseconds = 50;

// A handle closed when it goes.
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE handle) : m_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { Close(); }
    HANDLE Get() const { return m_handle; }
    HANDLE* Put() {
        Close();
        return &m_handle;
    }
    void Close() {
        if (m_handle != nullptr) {
            CloseHandle(m_handle);
            m_handle = nullptr;
        }
    }

private:
    HANDLE m_handle = nullptr;
};

// A job that holds the import program to its memory and processor time, and ends it with
// everything it started when the job's handle goes. A crash ends it quietly, without the
// system's error report.
HANDLE MakeJob() {
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (job == nullptr) {
        return nullptr;
    }
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_PROCESS_MEMORY | JOB_OBJECT_LIMIT_PROCESS_TIME |
        JOB_OBJECT_LIMIT_ACTIVE_PROCESS | JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE |
        JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
    limits.BasicLimitInformation.ActiveProcessLimit = 1;
    limits.BasicLimitInformation.PerProcessUserTimeLimit.QuadPart =
        static_cast<LONGLONG>(kImportCpuSeconds) * 10'000'000;
    limits.ProcessMemoryLimit = static_cast<SIZE_T>(kImportMemoryBytes);
    if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        CloseHandle(job);
        return nullptr;
    }
    return job;
}

// Two pipes: the program's standard input and output. Only the program's ends are
// inherited.
struct Pipes {
    Handle inRead, inWrite, outRead, outWrite;
    bool Make() {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        return CreatePipe(inRead.Put(), inWrite.Put(), &inherit, 0) &&
               CreatePipe(outRead.Put(), outWrite.Put(), &inherit, 0) &&
               SetHandleInformation(inWrite.Get(), HANDLE_FLAG_INHERIT, 0) &&
               SetHandleInformation(outRead.Get(), HANDLE_FLAG_INHERIT, 0);
    }
};

// Starts the program suspended in `job`, with only the two pipe ends handed to it.
bool StartInJob(const std::wstring& program, std::wstring commandLine, Pipes& pipes, HANDLE job,
                PROCESS_INFORMATION& started) {
    HANDLE inherited[] = {pipes.inRead.Get(), pipes.outWrite.Get()};
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::vector<std::uint8_t> attributes(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    if (!InitializeProcThreadAttributeList(list, 1, 0, &size)) {
        return false;
    }
    const bool bListed = UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST,
                                                   inherited, sizeof inherited, nullptr, nullptr);
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = pipes.inRead.Get();
    startup.StartupInfo.hStdOutput = pipes.outWrite.Get();
    startup.StartupInfo.hStdError = nullptr;
    startup.lpAttributeList = bListed ? list : nullptr;
    const DWORD flags =
        CREATE_SUSPENDED | CREATE_NO_WINDOW | (bListed ? EXTENDED_STARTUPINFO_PRESENT : 0);
    const bool bStarted =
        CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, flags, nullptr,
                       nullptr, &startup.StartupInfo, &started) != FALSE;
    DeleteProcThreadAttributeList(list);
    if (!bStarted) {
        return false;
    }
    if (!AssignProcessToJobObject(job, started.hProcess)) {
        TerminateProcess(started.hProcess, 1);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
        return false;
    }
    return true;
}

}  // namespace

ImportResult RunImportProgram(const std::vector<std::string>& arguments,
                              const std::vector<std::uint8_t>& input,
                              std::vector<std::uint8_t>& output, std::uint64_t maxOutputBytes) {
    std::string program = ImportProgramPath();
    if (program.size() < 4 || program.compare(program.size() - 4, 4, ".exe") != 0) {
        program += ".exe";
    }
    const std::wstring wideProgram = WidePath(program);
    std::wstring commandLine = L"\"" + wideProgram + L"\"";
    for (const std::string& argument : arguments) {
        commandLine += L" " + WideFromUtf8(argument);
    }

    Handle job(MakeJob());
    Pipes pipes;
    PROCESS_INFORMATION started{};
    if (job.Get() == nullptr || !pipes.Make() ||
        !StartInJob(wideProgram, commandLine, pipes, job.Get(), started)) {
        return ImportResult::NotReadable;
    }
    Handle process(started.hProcess), thread(started.hThread);
    pipes.inRead.Close();
    pipes.outWrite.Close();
    ResumeThread(thread.Get());

    // The pipes are plain blocking ones: a thread feeds the program its input and another
    // takes what it gives, while this one waits on the program and asks the waiter. Ending
    // the job breaks both pipes, so both threads always finish.
    std::atomic<bool> bTooMuch{false};
    std::vector<std::uint8_t> received;
    // However this ends, even by an exception, the job is ended before the threads are
    // waited for.
    struct Workers {
        HANDLE job;
        std::thread feeder, taker;
        ~Workers() {
            TerminateJobObject(job, 1);
            for (std::thread* worker : {&feeder, &taker}) {
                if (worker->joinable()) {
                    worker->join();
                }
            }
        }
    } workers{job.Get(), {}, {}};
    workers.feeder = std::thread([&input, &pipes] {
        std::size_t sent = 0;
        while (sent < input.size()) {
            const DWORD chunk =
                static_cast<DWORD>(std::min<std::size_t>(input.size() - sent, 1 << 16));
            DWORD n = 0;
            if (!WriteFile(pipes.inWrite.Get(), input.data() + sent, chunk, &n, nullptr)) {
                break;
            }
            sent += n;
        }
        pipes.inWrite.Close();  // the program reads to the end of its input
    });
    workers.taker = std::thread([&received, &bTooMuch, &pipes, maxOutputBytes, &job] {
        std::vector<std::uint8_t> buffer(64 * 1024);
        DWORD n = 0;
        while (ReadFile(pipes.outRead.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &n,
                        nullptr) &&
               n > 0) {
            received.insert(received.end(), buffer.begin(), buffer.begin() + n);
            if (received.size() > maxOutputBytes) {
                bTooMuch = true;
                TerminateJobObject(job.Get(), 1);
                break;
            }
        }
    });

    bool bCancelled = false, bLate = false;
    const auto deadline = std::chrono::steady_clock::now() + kImportWallTime;
    while (WaitForSingleObject(process.Get(), kWaitMilliseconds) == WAIT_TIMEOUT) {
        if (!CImportWaiter::KeepWaiting()) {
            bCancelled = true;
        } else if (std::chrono::steady_clock::now() > deadline) {
            bLate = true;
        }
        if (bCancelled || bLate) {
            TerminateJobObject(job.Get(), 1);
            WaitForSingleObject(process.Get(), INFINITE);
            break;
        }
    }
    // The program has ended and its ends of the pipes with it: the taker sees the end of its
    // output, and the feeder's pipe is broken should it not have read everything.
    workers.feeder.join();
    workers.taker.join();

    DWORD status = 1;
    GetExitCodeProcess(process.Get(), &status);
    if (bCancelled) {
        return ImportResult::Cancelled;
    }
    if (bLate || bTooMuch) {
        return ImportResult::NotReadable;
    }
    return ResultOfImportProgram(static_cast<int>(status), received, output);
}
