#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "PlayFixture.h"
#include "core/RuntimeRandom.h"
#include "library/PictureGroupStorage.h"

class ContentLists : public PlayFixture {
protected:
    // The two passes of a game's start, with the lists sized by the first.
    static void CountAndLoad(CMyGameWnd& wnd, const std::function<void()>& between = {}) {
        wnd.CountPictures();
        wnd.m_pstrPictures.assign(wnd.m_nPictures, "");
        wnd.m_pstrPictureSounds.assign(wnd.m_nPictures, "");
        wnd.m_pbHasSound.assign(wnd.m_nPictures, 0);
        wnd.m_pbCut.assign(wnd.m_nPictures, 0);
        if (between) {
            between();
        }
        wnd.LoadPictures();
    }
};

TEST_F(ContentLists, PicturesOfDisplayedGroupsWithSoundsAndCutMarks) {
    const std::string animals = MakeGroup("Animals");
    WriteBytes(animals + "/Dog.bmp", {});
    WriteBytes(animals + "/Dog.wav", {});
    WriteBytes(animals + "/cat.BMP", {});
    WriteBytes(animals + "/notes.txt", {});
    WriteCutList(animals, {"cat.BMP", "dog.bmp"});  // the case of a cut name matters
    WriteBytes(MakeGroup("Hidden", 0) + "/x.bmp", {});
    WriteBytes(MakeGroup("DEFVOICE") + "/y.bmp", {});  // never a group
    WriteBytes(m_dir / "DEFVOICE/a.wav", {});
    WriteBytes(m_dir / "DEFVOICE/b.WAV", {});
    MakeFolder(m_dir / "Broken");
    WriteBytes(m_dir / "Broken/Broken.ini", {2, 'B'});  // unreadable: not displayed
    WriteBytes(m_dir / "Broken/z.bmp", {});

    CMyGameWnd wnd;
    CountAndLoad(wnd);
    ASSERT_EQ(wnd.m_nPictures, 2);
    EXPECT_EQ(wnd.m_pstrPictures,
              (std::vector<std::string>{animals + "/cat.BMP", animals + "/Dog.bmp"}));
    EXPECT_EQ(wnd.m_pbHasSound, (std::vector<BOOL>{0, 1}));
    EXPECT_EQ(wnd.m_pstrPictureSounds, (std::vector<std::string>{"", animals + "/Dog.wav"}));
    EXPECT_EQ(wnd.m_pbCut, (std::vector<BOOL>{1, 0}));
    EXPECT_EQ(wnd.CountDefaultSounds(), 2);
}

// A sound in another case is the picture's; a link that leads nowhere is no sound; a group
// without a cut list cuts nothing.
TEST_F(ContentLists, SoundsAreFoundInAnyCaseFromOneListingOfTheFolder) {
    const std::string group = MakeGroup("G");
    WriteBytes(group + "/Cat.bmp", {});
    WriteBytes(group + "/CAT.WAV", {});
    WriteBytes(group + "/Owl.bmp", {});
    std::filesystem::create_symlink(group + "/nowhere", group + "/Owl.wav");
    CMyGameWnd wnd;
    CountAndLoad(wnd);
    ASSERT_EQ(wnd.m_nPictures, 2);
    EXPECT_EQ(wnd.m_pstrPictureSounds, (std::vector<std::string>{group + "/CAT.WAV", ""}));
    EXPECT_EQ(wnd.m_pbHasSound, (std::vector<BOOL>{1, 0}));
    EXPECT_EQ(wnd.m_pbCut, (std::vector<BOOL>{0, 0}));
}

TEST_F(ContentLists, SecondPassNeverWritesBeyondTheFirstPassCount) {
    const std::string group = MakeGroup("G");
    WriteBytes(group + "/a.bmp", {});
    CMyGameWnd wnd;
    CountAndLoad(wnd, [&] { WriteBytes(group + "/b.bmp", {}); });  // appears between passes
    ASSERT_EQ(wnd.m_nPictures, 1);
    EXPECT_EQ(wnd.m_pstrPictures, (std::vector<std::string>{group + "/a.bmp"}));
}

TEST(RuntimeRandom, MatchesTheRuntimesSequence) {
    CRuntimeRandom random;
    random.Seed(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
    for (int value : expected) {
        EXPECT_EQ(random.Next(), value);
    }
    random.Seed(0x7FFFFFFF);
    for (int i = 0; i < 1000; ++i) {
        int n = random.Next();
        ASSERT_TRUE(n >= 0 && n <= 32767);
    }
}

TEST_F(ContentLists, RandomChoicesTakeTheirNumbersInOrder) {
    CMyGameWnd wnd;
    wnd.SeedRandom(1);
    EXPECT_EQ(wnd.RandomBelow(0), 0);  // takes no number
    EXPECT_EQ(wnd.RandomBelow(-4), 0);
    COLORREF back = 0, text = 0;
    wnd.RandomColors(back, text);  // 41, 18467 % 255, 6334 % 255
    EXPECT_EQ(back, RGB(41, 107, 214));
    EXPECT_EQ(text, RGB(215, 149, 42));
    EXPECT_EQ(wnd.RandomBelow(1000), 500);  // 26500 % 1000
}
