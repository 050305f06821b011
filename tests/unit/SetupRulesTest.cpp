#include <gtest/gtest.h>

#include "common/DataExchange.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "setup/SetupEnables.h"

TEST(SetupEnables, BackgroundRules) {
    // clear, random -> random check enabled, colour active, colour button enabled
    SetupEnables e = ComputeSetupEnables(1, 1, 1, 1, 1);
    EXPECT_TRUE(e.bRandomColorCheck);
    EXPECT_EQ(e.bColorActive, 0);
    EXPECT_FALSE(e.bColorButton);
    e = ComputeSetupEnables(1, 0, 1, 1, 1);
    EXPECT_TRUE(e.bRandomColorCheck);
    EXPECT_EQ(e.bColorActive, 1);
    EXPECT_TRUE(e.bColorButton);
    for (BOOL random : {0, 1}) {
        e = ComputeSetupEnables(0, random, 1, 1, 1);
        EXPECT_FALSE(e.bRandomColorCheck);
        EXPECT_EQ(e.bColorActive, 1);
        EXPECT_TRUE(e.bColorButton);
    }
}

TEST(SetupEnables, EachTimeFieldFollowsItsCheckBox) {
    for (int mask = 0; mask < 8; ++mask) {
        const BOOL key = mask & 1, time = (mask >> 1) & 1, autoDisplay = (mask >> 2) & 1;
        const SetupEnables e = ComputeSetupEnables(1, 0, key, time, autoDisplay);
        EXPECT_EQ(e.bKeyDelayFields, key != 0);
        EXPECT_EQ(e.bTimeLimitFields, time != 0);
        EXPECT_EQ(e.bAutoDisplayFields, autoDisplay != 0);
    }
}

TEST(DataExchange, ReadsNumbersTheWayPercentDDoes) {
    int value = 7;
    EXPECT_TRUE(ParseInteger("300", value));
    EXPECT_EQ(value, 300);
    EXPECT_TRUE(ParseInteger("  -1 ", value));
    EXPECT_EQ(value, -1);
    EXPECT_TRUE(ParseInteger("+42", value));
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(ParseInteger("-2147483648", value));
    EXPECT_EQ(value, INT32_MIN);
    value = 7;
    for (const char* bad :
         {"", " ", "abc", "12a", "1 2", "-", "0x10", "2147483648", "1.5", "99999999999999999999"}) {
        EXPECT_FALSE(ParseInteger(bad, value)) << bad;
    }
    EXPECT_EQ(value, 7);
}

TEST(StringTable, FrameworkMessagesTakeTheirBounds) {
    EXPECT_EQ(FormatString(AFX_IDP_PARSE_INT_RANGE, "1", "1200"),
              "Please enter an integer between 1 and 1200.");
    EXPECT_EQ(FormatCountString(AFX_IDP_PARSE_STRING_SIZE, 200, "200"),
              "Please enter no more than 200 characters.");
    EXPECT_EQ(LoadString(AFX_IDP_PARSE_INT), "Please enter an integer.");
    EXPECT_EQ(LoadString(IDS_ABOUTBOX), "&About Plinkapad...");
    EXPECT_EQ(LoadString(99999), "");
}
