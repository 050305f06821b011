#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <functional>

#include "TestFolder.h"
#include "common/Settings.h"
#include "core/BmpImage.h"
#include "library/PictureGroupStorage.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/SoundPlayer.h"

namespace {

// Runs `read` against a named pipe at `path` and expects a prompt failure: nobody ever
// writes to the pipe, so a reader that opens it for real would wait forever.
void ExpectPromptFailure(const std::string& path, const std::function<bool()>& read) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(read());
    EXPECT_LT(std::chrono::steady_clock::now() - start, kNeverBlocks);
}

}  // namespace

TEST(NonRegularFiles, EveryReaderRefusesANamedPipeAtOnce) {
    TestFolder dir;
    ExpectPromptFailure(dir / "raw.bin", [&] {
        CFile file;
        return file.Open(dir / "raw.bin", CFile::modeRead);
    });
    ExpectPromptFailure(dir / "dog.bmp", [&] {
        CBmpImage image;
        return image.Load(dir / "dog.bmp");
    });
    ExpectPromptFailure(dir / "dog.wav", [&] { return PlaySound(dir / "dog.wav"); });
    ExpectPromptFailure(dir / "g.ini", [&] {
        std::string name, description;
        BOOL flag = 0;
        return ReadGroupFile(dir / "g.ini", name, description, flag);
    });
    ExpectPromptFailure(dir / "cutshow.ini", [&] { return !ReadCutList(dir.Path()).empty(); });
    ExpectPromptFailure(dir / "pipe.bmp",
                        [&] { return CopyFile(dir / "pipe.bmp", dir / "copy.bmp", false); });
    CloseSoundDevice();
}

TEST(NonRegularFiles, AFolderIsNoFile) {
    TestFolder dir;
    MakeFolder(dir / "sub");
    CFile file;
    EXPECT_FALSE(file.Open(dir / "sub", CFile::modeRead));
    EXPECT_FALSE(file.Open(dir / "sub", CFile::modeCreate | CFile::modeWrite));
}
