#include <gtest/gtest.h>

#include <wx/string.h>

#include "platform/DisplayText.h"
#include "platform/MessageBox.h"

// Names from the disk show readably whatever their bytes: UTF-8 as it is, everything else
// as the Windows-1252 a Windows copy of the program wrote.
TEST(DisplayText, ShowsUtf8AsItIsAndOtherBytesAsWindows1252) {
    const std::pair<const char*, const char*> cases[] = {
        {"Farm", "Farm"},
        {"Caf\xc3\xa9", "Caf\xc3\xa9"},                        // UTF-8 stays
        {"Caf\xe9", "Caf\xc3\xa9"},                            // Windows-1252 e acute
        {"\x80 \x9f \xa0", "\xe2\x82\xac \xc5\xb8 \xc2\xa0"},  // euro, Y diaeresis, nbsp
        {"\x81", "\xc2\x81"},                                  // a place Windows-1252 leaves empty
        {"\xc3\xa9\xe9", "\xc3\xa9\xc3\xa9"},                  // both kinds in one name
        {"\xc3", "\xc3\x83"},                                  // a sequence cut short
        {"\xc0\x80", "\xc3\x80\xe2\x82\xac"},                  // an overlong form is no UTF-8
        {"\xed\xa0\x80", "\xc3\xad\xc2\xa0\xe2\x82\xac"},      // nor is a surrogate
        {"\xf0\x9f\x90\xb6", "\xf0\x9f\x90\xb6"},              // four bytes
    };
    for (const auto& [bytes, shown] : cases) {
        EXPECT_EQ(ReadableUtf8(bytes), shown) << bytes;
    }
    EXPECT_EQ(DisplayText("B\xe4r").utf8_string(), "B\xc3\xa4r");
}

// A message box wraps only where its text may break: long paths and runs get break chances
// (U+200B), and short texts stay as they are.
TEST(DisplayText, LongRunsInMessagesGetBreakChances) {
    const std::string z = "\xE2\x80\x8B";
    const std::string run(40, 'a');
    const std::pair<std::string, std::string> cases[] = {
        {"Could not write it.", "Could not write it."},
        {"/home/ann/Pictures", "/home/" + z + "ann/" + z + "Pictures"},
        {run, std::string(32, 'a') + z + std::string(8, 'a')},
        {"\xC3\xA9" + run, "\xC3\xA9" + std::string(31, 'a') + z + std::string(9, 'a')},
        {"x " + run.substr(0, 31) + " y", "x " + run.substr(0, 31) + " y"},
    };
    for (const auto& [text, breakable] : cases) {
        EXPECT_EQ(BreakableText(text), breakable) << text;
    }
}
