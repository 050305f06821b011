#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "TestFolder.h"
#include "common/Settings.h"

namespace {

Bytes SettingsBytes(int keyDelay) {
    Bytes b = {0, 0, 0, 0, 1,    0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 1, 0,
               0, 0, 0, 0, 0xFF, 0, 1, 0, 0, 0, 1, 0, 0,  0, 5, 0, 0, 0};
    b[8] = static_cast<std::uint8_t>(keyDelay);
    return b;
}

std::size_t Temporaries(const std::string& folder) {
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        count += entry.path().filename().string().starts_with("Nuv.ini.tmp-") ? 1 : 0;
    }
    return count;
}

// Starts the save loop and kills it `delayUs` microseconds after its first save.
bool KillWhileSaving(const std::string& path, unsigned delayUs) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return false;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeFds[1], 1);
        ::execl(SAVE_LOOP_PATH, SAVE_LOOP_PATH, path.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    char ready = 0;
    const bool bStarted = ::read(pipeFds[0], &ready, 1) == 1;
    ::close(pipeFds[0]);
    ::usleep(delayUs);
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return bStarted && WIFSIGNALED(status);
}

}  // namespace

TEST(SaveKill, AKilledSaveLeavesTheOldOrTheNewFileAndTheNextSaveTidiesUp) {
    TestFolder dir;
    const std::string path = dir / "Nuv.ini";
    const Bytes old = SettingsBytes(100), fresh = SettingsBytes(200);
    WriteBytes(path, old);
    std::mt19937 random(12345);
    std::size_t leftBehind = 0;
    for (int trial = 0; trial < 100; ++trial) {
        SCOPED_TRACE(trial);
        ASSERT_TRUE(KillWhileSaving(path, random() % 3000));
        const Bytes now = ReadBytes(path);
        ASSERT_TRUE(now == old || now == fresh);
        leftBehind += Temporaries(dir.Path()) > 0 ? 1 : 0;
        ASSERT_LE(Temporaries(dir.Path()), 1u);  // each run removes the ones before it
    }
    RecordProperty("KillsThatLeftATemporary", static_cast<int>(leftBehind));

    theSettings.Load();
    const std::string saved = theSettings.m_strIniPath;
    theSettings.m_strIniPath = path;
    theSettings.Save();
    theSettings.m_strIniPath = saved;
    EXPECT_EQ(Temporaries(dir.Path()), 0u);
    EXPECT_EQ(std::filesystem::file_size(path), 36u);
}
