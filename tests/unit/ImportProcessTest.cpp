// The import program runs in a process of its own, within its limits of memory and time, and
// can be cancelled at once. Stand-in programs (shell scripts) show what the runner does
// with each kind of end.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "TestFolder.h"
#include "platform/ImportProcess.h"

namespace {

// Runs the shell script `body` as the import program, then the build's one again.
ImportResult RunScript(const TestFolder& folder, const std::string& body, const Bytes& input,
                       Bytes& output, std::uint64_t maxOutput = 16u << 20) {
    const std::string script = folder / "import.sh";
    const std::string text = "#!/bin/sh\n" + body + "\n";
    WriteBytes(script, Bytes(text.begin(), text.end()));
    ::chmod(script.c_str(), 0755);
    const std::string before = ImportProgramPath();
    UseImportProgram(script);
    const ImportResult result = RunImportProgram({"picture", "1", "2"}, input, output, maxOutput);
    UseImportProgram(before);
    return result;
}

}  // namespace

TEST(ImportProcess, ItsEndsAndLimitsAreTold) {
    TestFolder folder;
    const Bytes big(3u << 20, 'x');  // more than a socket holds: sent and read at once
    const struct {
        const char* body;
        const Bytes& input;
        ImportResult result;
        std::string output;
    } cases[] = {
        {"cat", big, ImportResult::Done, std::string(big.begin(), big.end())},
        {"echo \"$@\"", {}, ImportResult::Done, "picture 1 2\n"},
        {"printf half; exit 2", big, ImportResult::Shortened, "half"},
        {"cat >/dev/null; printf part; exit 1", big, ImportResult::NotReadable, ""},
        {"kill -SEGV $$", big, ImportResult::NotReadable, ""},
        {"head -c 20000000 /dev/zero", {}, ImportResult::NotReadable, ""},  // over the cap
        // The limits the program runs under: its address space and its processor time.
        {"ulimit -v; ulimit -t; ulimit -c",
         {},
         ImportResult::Done,
         std::to_string(kImportMemoryBytes / 1024) + "\n" + std::to_string(kImportCpuSeconds) +
             "\n0\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        Bytes output;
        EXPECT_EQ(RunScript(folder, c.body, c.input, output), c.result);
        EXPECT_EQ(output.size(), c.output.size());
        EXPECT_TRUE(std::string(output.begin(), output.end()) == c.output);
    }
}

TEST(ImportProcess, AWaiterKeepsTheCallerGoingAndCancelsAtOnce) {
    TestFolder folder;
    int nCalls = 0;
    {
        // A program that never ends: the first "no" of the waiter ends it.
        CImportWaiter waiter([&nCalls] { return ++nCalls < 3; });
        Bytes output;
        EXPECT_EQ(RunScript(folder, "exec sleep 1000", Bytes(10, 'x'), output),
                  ImportResult::Cancelled);
    }
    EXPECT_EQ(nCalls, 3);
    {
        // Waiters nest; the newest is asked, and the outer one again once it has gone.
        CImportWaiter outer([] { return false; });
        {
            CImportWaiter inner([] { return true; });
            Bytes output;
            EXPECT_EQ(RunScript(folder, "cat", Bytes(5, 'y'), output), ImportResult::Done);
        }
        Bytes output;
        EXPECT_EQ(RunScript(folder, "exec sleep 1000", {}, output), ImportResult::Cancelled);
    }
}
