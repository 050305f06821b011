// A play window object over a library in a temporary folder, with a clock the test moves.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "TestFolder.h"
#include "common/Settings.h"
#include "platform/PerformanceCounter.h"
#include "play/MyGameWnd.h"

class PlayFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_savedAppDir = theSettings.m_strAppDir;
        theSettings.m_strAppDir = m_dir.Path();
        theSettings.SetDefaults();
        s_nNow = 0;
        SetPerformanceCounterSource([] { return s_nNow; });
    }
    void TearDown() override {
        SetPerformanceCounterSource(nullptr);
        theSettings.m_strAppDir = m_savedAppDir;
        theSettings.Load();
    }

    static void AdvanceMs(std::int64_t ms) { s_nNow += ms * 1000000; }

    // A group folder with its description file.
    std::string MakeGroup(const std::string& folder, BOOL bDisplay = 1) {
        MakeFolder(m_dir / folder);
        WriteGroupFileFor(folder, bDisplay);
        return m_dir / folder;
    }
    void WriteGroupFileFor(const std::string& folder, BOOL bDisplay);

    // Gives `wnd` a screen of `width` x `height` and the given pictures, ready to draw.
    void PrepareScreen(CMyGameWnd& wnd, int width, int height,
                       const std::vector<std::string>& pictures);

    TestFolder m_dir;
    std::string m_savedAppDir;
    static inline std::int64_t s_nNow = 0;
};
