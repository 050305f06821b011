#include "PlayFixture.h"

#include "library/PictureGroupStorage.h"

void PlayFixture::WriteGroupFileFor(const std::string& folder, BOOL bDisplay) {
    WriteGroupFile(m_dir / (folder + "/" + folder + ".ini"), folder, "", bDisplay);
}

void PlayFixture::PrepareScreen(CMyGameWnd& wnd, int width, int height,
                                const std::vector<std::string>& pictures) {
    wnd.m_nScreenWidth = width;
    wnd.m_nScreenHeight = height;
    wnd.m_crBack = RGB(0, 0, 255);
    wnd.m_crText = RGB(255, 200, 200);
    wnd.m_nPictures = static_cast<int>(pictures.size());
    wnd.m_pstrPictures = pictures;
    wnd.m_pstrPictureSounds.assign(pictures.size(), std::string());
    wnd.m_pbHasSound.assign(pictures.size(), 0);
    wnd.m_pbCut.assign(pictures.size(), 0);
    ASSERT_TRUE(wnd.CreateBackBuffer());
    wnd.SeedRandom(1);
}
