// How the initial-conditions panel reads its boxes' texts.
#include <gtest/gtest.h>

#include "core/Settings.h"

TEST(SpinText, AcceptsEmptyAndDigitsRejectsOtherCharactersAndALoneZeroAboveAZeroMinimum) {
    struct Case {
        const char* text;
        int minimum;
        bool accepted;
    };
    const Case cases[] = {
        {"", 1, true},     {"500", 1, true},  {"007", 1, true}, {"00", 1, true},
        {"0", 1, false},   {"0", 100, false}, {"0", 0, true},   {"5a", 1, false},
        {"a5", 0, false},  {"-5", 0, false},  {" 5", 1, false}, {"1 500", 1, false},
        {"1,5", 1, false}, {"٣", 1, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SpinTextAccepted(c.text, c.minimum), c.accepted)
            << '"' << c.text << "\" minimum " << c.minimum;
    }
}

TEST(SpinText, ValueIsTheNumberWithinTheRangeOrTheMinimum) {
    EXPECT_EQ(SpinTextValue("007", 1, 1500), 7);
    EXPECT_EQ(SpinTextValue("", 1, 1500), 1);
    EXPECT_EQ(SpinTextValue("5a", 100, 700), 100);
    EXPECT_EQ(SpinTextValue("0", 100, 700), 100);
    EXPECT_EQ(SpinTextValue("2000", 1, 1500), 1500);
    EXPECT_EQ(SpinTextValue("99999999999999999999999", 1, 1500), 1500);
    EXPECT_EQ(SpinTextValue("0", 0, 300), 0);
    // Blanks around and a sign read as the box itself reads them when stepped.
    EXPECT_EQ(SpinTextValue(" 25\t", 1, 1500), 25);
    EXPECT_EQ(SpinTextValue("+25", 1, 1500), 25);
    EXPECT_EQ(SpinTextValue("-25", 1, 1500), 1);
    EXPECT_EQ(SpinTextValue("+-25", 1, 1500), 1);
}
