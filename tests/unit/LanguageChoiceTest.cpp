#include <gtest/gtest.h>

#include "TestFolder.h"
#include "res/Language.h"

namespace {

TEST(LanguageChoice, TheFirstPreferenceACatalogServesWins) {
    const std::vector<std::string> available = {"de", "fr", "pt_BR", "zh_CN", "ru"};
    struct Case {
        std::vector<std::string> preferred;
        const char* chosen;
    };
    const Case cases[] = {
        {{"fr"}, "fr"},
        {{"de_DE.UTF-8"}, "de"},  // the region and the encoding go
        {{"de_AT@euro"}, "de"},
        {{"pt-BR"}, "pt_BR"},              // a tag as Windows writes it
        {{"pt"}, "pt_BR"},                 // a bare language takes its one catalog
        {{"pt_PT"}, ""},                   // another region's language is not it
        {{"zh_TW", "ru_RU"}, "ru"},        // the first served preference wins
        {{"xx_YY", "C", "", "de"}, "de"},  // unknown, the C locale and empty are passed over
        {{"en_GB", "fr"}, ""},             // English before: the texts' own language
        {{"C.UTF-8"}, ""},
        {{}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseLanguage(available, c.preferred), c.chosen)
            << ::testing::PrintToString(c.preferred);
    }
}

TEST(LanguageChoice, HelpInTheLanguageOrInEnglish) {
    TestFolder dir;
    WriteBytes(dir / "NUV2Help.chm", {1});
    WriteBytes(dir / "NUV2Help.fr.chm", {1});
    WriteBytes(dir / "NUV2Help.pt_BR.chm", {1});
    EXPECT_EQ(HelpFilePath(dir.Path(), "fr"), dir / "NUV2Help.fr.chm");
    EXPECT_EQ(HelpFilePath(dir.Path(), "fr_CA"), dir / "NUV2Help.fr.chm");
    EXPECT_EQ(HelpFilePath(dir.Path(), "pt_BR"), dir / "NUV2Help.pt_BR.chm");
    EXPECT_EQ(HelpFilePath(dir.Path(), "de"), dir / "NUV2Help.chm");
    EXPECT_EQ(HelpFilePath(dir.Path(), ""), dir / "NUV2Help.chm");
}

}  // namespace
