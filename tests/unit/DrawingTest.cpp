#include <gtest/gtest.h>

#include "PlayFixture.h"
#include "platform/BackBitmap.h"

namespace {
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
}  // namespace

class Drawing : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        theSettings.m_bKeyDelay = 0;
        theSettings.m_bRandomColor = 0;
        theSettings.m_bClearBackground = 1;
    }
    COLORREF At(CMyGameWnd& wnd, int x, int y) { return wnd.m_pBackBitmap->GetPixel(x, y); }
};

TEST_F(Drawing, APictureLandsAtTheRandomPlaceAtItsOwnSize) {
    WriteBytes(m_dir / "red.bmp", MakeBmp24(10, 10, 0xFF0000));
    CMyGameWnd wnd;
    PrepareScreen(wnd, 100, 80, {m_dir / "red.bmp"});
    ASSERT_TRUE(wnd.DrawNextPicture());
    // Seed 1: 41 picks the picture, 18467 % 90 = 17 is x, 6334 % 70 = 34 is y.
    EXPECT_EQ(At(wnd, 17, 34), kRed);
    EXPECT_EQ(At(wnd, 26, 43), kRed);
    EXPECT_EQ(At(wnd, 16, 34), kBlue);
    EXPECT_EQ(At(wnd, 27, 43), kBlue);
    EXPECT_EQ(At(wnd, 17, 44), kBlue);
}

TEST_F(Drawing, CutPicturesLetTheBackgroundThroughTheirKeyColour) {
    // White everywhere but one red pixel at (1, 1); the top-left pixel is the key.
    WriteBytes(m_dir / "cut.bmp", MakeBmp24(10, 10, 0xFFFFFF, 0xFF0000));
    CMyGameWnd wnd;
    PrepareScreen(wnd, 100, 80, {m_dir / "cut.bmp"});
    wnd.m_pbCut[0] = 1;
    ASSERT_TRUE(wnd.DrawNextPicture());
    EXPECT_EQ(At(wnd, 18, 35), kRed);
    for (auto [x, y] : {std::pair{17, 34}, {26, 43}, {20, 40}}) {
        EXPECT_EQ(At(wnd, x, y), kBlue) << x << "," << y;
    }
    wnd.m_pbCut[0] = 0;
    wnd.SeedRandom(1);
    ASSERT_TRUE(wnd.DrawNextPicture());
    EXPECT_EQ(At(wnd, 20, 40), RGB(255, 255, 255));
}

TEST_F(Drawing, ClearingAndRandomColoursFollowTheSettings) {
    WriteBytes(m_dir / "red.bmp", MakeBmp24(10, 10, 0xFF0000));
    CMyGameWnd wnd;
    PrepareScreen(wnd, 100, 80, {m_dir / "red.bmp"});
    theSettings.m_bClearBackground = 0;
    wnd.DrawNextPicture();
    wnd.DrawNextPicture();             // 26500 picks, 19169 % 90 = 89, 15724 % 70 = 44
    EXPECT_EQ(At(wnd, 17, 34), kRed);  // the first picture stays
    EXPECT_EQ(At(wnd, 89, 44), kRed);

    theSettings.m_bClearBackground = 1;
    theSettings.m_bRandomColor = 1;
    wnd.SeedRandom(1);
    wnd.DrawNextPicture();  // colours first: 41, 107, 214; then 26500, 19169, 15724
    EXPECT_EQ(wnd.m_crBack, RGB(41, 107, 214));
    EXPECT_EQ(wnd.m_crText, RGB(215, 149, 42));
    EXPECT_EQ(At(wnd, 17, 34), RGB(41, 107, 214));
    EXPECT_EQ(At(wnd, 89, 44), kRed);
    EXPECT_EQ(At(wnd, 99, 79), RGB(41, 107, 214));
}

TEST_F(Drawing, TheQuitHintIsRedrawnOnEveryDisplay) {
    CMyGameWnd wnd;
    PrepareScreen(wnd, 300, 100, {m_dir / "missing.bmp"});
    wnd.m_pBackBitmap->Fill(RGB(9, 9, 9));
    ASSERT_TRUE(wnd.DrawNextPicture());  // a vanished picture still clears and hints
    bool bText = false;
    for (int x = 0; x < 150 && !bText; ++x) {
        for (int y = 0; y < 18 && !bText; ++y) {
            bText = At(wnd, x, y) != kBlue;
        }
    }
    EXPECT_TRUE(bText);
    EXPECT_EQ(At(wnd, 299, 99), kBlue);
}

TEST_F(Drawing, PicturesAsLargeAsTheScreenStartAtTheCorner) {
    WriteBytes(m_dir / "big.bmp", MakeBmp24(120, 90, 0x00FF00));
    CMyGameWnd wnd;
    PrepareScreen(wnd, 100, 80, {m_dir / "big.bmp"});
    ASSERT_TRUE(wnd.DrawNextPicture());
    EXPECT_EQ(At(wnd, 50, 40), RGB(0, 255, 0));
    EXPECT_EQ(At(wnd, 99, 79), RGB(0, 255, 0));
}

TEST_F(Drawing, SoundsGoWithTheirPictureOrComeFromTheDefaults) {
    WriteBytes(m_dir / "a.bmp", MakeBmp24(4, 4, 0xFF0000));
    CMyGameWnd wnd;
    PrepareScreen(wnd, 50, 50, {m_dir / "a.bmp"});
    wnd.ShowNext();
    EXPECT_EQ(wnd.m_strLastSound, "");  // nothing to play: nothing remembered

    wnd.m_nDefaultSounds = 3;
    wnd.m_pstrDefaultSounds = {"s0", "s1", "s2"};
    wnd.SeedRandom(1);
    wnd.ShowNext();  // 41, 18467, 6334, then 26500 % 3 = 1
    EXPECT_EQ(wnd.m_strLastSound, "s1");

    wnd.m_pbHasSound[0] = 1;
    wnd.m_pstrPictureSounds[0] = m_dir / "a.wav";
    wnd.ShowNext();
    EXPECT_EQ(wnd.m_strLastSound, m_dir / "a.wav");
}

TEST_F(Drawing, NoBackBufferNoDisplay) {
    CMyGameWnd wnd;
    EXPECT_FALSE(wnd.DrawNextPicture());
    wnd.ShowNext();  // after a game has ended, a late timer tick does nothing
    EXPECT_EQ(wnd.m_strLastSound, "");
}

TEST_F(Drawing, TheAKeyReplaysTheLastSoundInsteadOfAPicture) {
    WriteBytes(m_dir / "a.bmp", MakeBmp24(4, 4, 0xFF0000));
    CMyGameWnd wnd;
    PrepareScreen(wnd, 50, 50, {m_dir / "a.bmp"});
    wnd.m_pbHasSound[0] = 1;
    wnd.m_pstrPictureSounds[0] = m_dir / "a.wav";
    auto press = [&](int vk) {
        wnd.m_pBackBitmap->Fill(RGB(1, 2, 3));
        wnd.OnKeyDown(vk);
        return wnd.m_pBackBitmap->GetPixel(49, 49) != RGB(1, 2, 3);
    };
    EXPECT_TRUE(press('A'));  // nothing played yet: an ordinary key
    EXPECT_EQ(wnd.m_strLastSound, m_dir / "a.wav");
    EXPECT_TRUE(press('K'));
    EXPECT_EQ(wnd.m_nQuitState, 1);
    EXPECT_FALSE(press('A'));  // replays, shows nothing, and breaks the code
    EXPECT_EQ(wnd.m_nQuitState, 0);
    for (int vk : {'K', 'O', 'L', 'O', '4', '7'}) {
        EXPECT_TRUE(press(vk));
    }
    EXPECT_FALSE(press('9'));  // the last key of the code shows nothing
}
