// Files dropped from a file manager: the URI list of a drop gives the local paths as bytes.
#include <gtest/gtest.h>

#include "platform/FileDrop.h"

TEST(FileDrop, TheLocalFilesOfAUriListAreTheirPathsByteForByte) {
    const std::string list =
        "file:///home/ann/Photos/Grandma%20and%20me.jpg\r\n"
        "# a comment\r\n"
        "file:///home/ann/%FF%E9t%E9.m4a\r\n"  // a name that is no UTF-8
        "https://example.org/cat.jpg\r\n"
        "file://elsewhere/home/ann/dog.png\r\n"
        "file://localhost/tmp/voice.opus\r\n"
        "\r\n"
        "file:///tmp/last.png";
    EXPECT_EQ(PathsFromUriList(list),
              (std::vector<std::string>{"/home/ann/Photos/Grandma and me.jpg",
                                        "/home/ann/\xFF\xE9t\xE9.m4a", "/tmp/voice.opus",
                                        "/tmp/last.png"}));
    EXPECT_TRUE(PathsFromUriList("").empty());
    EXPECT_TRUE(PathsFromUriList("not a uri\nfile:relative.jpg").empty());
}
