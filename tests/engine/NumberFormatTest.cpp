#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include "engine/NumberFormat.h"

TEST(FormatGeneral, G3KeepsThreeSignificantDigitsWithAComma) {
    EXPECT_EQ(FormatGeneral(45.6789, GeneralFormat::G3), "45,7");
    EXPECT_EQ(FormatGeneral(120.0, GeneralFormat::G3), "120");
    EXPECT_EQ(FormatGeneral(0.0, GeneralFormat::G3), "0");
    EXPECT_EQ(FormatGeneral(2.5, GeneralFormat::G3), "2,5");
    EXPECT_EQ(FormatGeneral(999.6, GeneralFormat::G3), "1E3");  // rounding carries into a 4th digit
    EXPECT_EQ(FormatGeneral(1234.0, GeneralFormat::G3), "1,23E3");
    EXPECT_EQ(FormatGeneral(0.0123456, GeneralFormat::G3), "0,0123");
    EXPECT_EQ(FormatGeneral(-3.14159, GeneralFormat::G3), "-3,14");
    EXPECT_EQ(FormatGeneral(35.355339, GeneralFormat::G3), "35,4");
}

TEST(FormatGeneral, G4UsesExponentBelowOneTenThousandth) {
    EXPECT_EQ(FormatGeneral(198.74, GeneralFormat::G4), "198,7");
    EXPECT_EQ(FormatGeneral(12.5, GeneralFormat::G4), "12,5");
    EXPECT_EQ(FormatGeneral(0.0001, GeneralFormat::G4), "0,0001");
    EXPECT_EQ(FormatGeneral(0.000123456, GeneralFormat::G4), "0,0001235");
    EXPECT_EQ(FormatGeneral(0.0000123456, GeneralFormat::G4), "1,235E-5");
    EXPECT_EQ(FormatGeneral(0.00009, GeneralFormat::G4), "9E-5");
}

TEST(FormatGeneral, G5UsesThreeExponentDigits) {
    EXPECT_EQ(FormatGeneral(1.5234567, GeneralFormat::G5), "1,5235");
    EXPECT_EQ(FormatGeneral(4000.0, GeneralFormat::G5), "4000");
    EXPECT_EQ(FormatGeneral(0.0199999999, GeneralFormat::G5), "0,02");
    EXPECT_EQ(FormatGeneral(0.00001, GeneralFormat::G5), "0,00001");
    EXPECT_EQ(FormatGeneral(0.0000012345678, GeneralFormat::G5), "1,2346E-006");
    EXPECT_EQ(FormatGeneral(123456.0, GeneralFormat::G5), "1,2346E005");
    EXPECT_EQ(FormatGeneral(99999.0, GeneralFormat::G5), "99999");
}

TEST(FormatGeneral, G15WritesTableValuesInFull) {
    EXPECT_EQ(FormatGeneral(12.5, GeneralFormat::G15), "12,5");
    EXPECT_EQ(FormatGeneral(300.0, GeneralFormat::G15), "300");
    EXPECT_EQ(FormatGeneral(0.1, GeneralFormat::G15), "0,1");
    EXPECT_EQ(FormatGeneral(123456789012.25, GeneralFormat::G15), "123456789012,25");
    EXPECT_EQ(FormatGeneral(1e20, GeneralFormat::G15), "1E20");
}

TEST(FormatFixed, TwoDecimalsWithAComma) {
    EXPECT_EQ(FormatFixed(0.0, 2), "0,00");
    EXPECT_EQ(FormatFixed(-0.25, 2), "-0,25");
    EXPECT_EQ(FormatFixed(90.0, 2), "90,00");
    EXPECT_EQ(FormatFixed(0.125, 2), "0,13");  // an exact half goes away from zero
    EXPECT_EQ(FormatFixed(-0.001, 2), "0,00");
}

// A value typed with three decimals rounds as written, whichever side of the half its binary
// neighbour falls: 2.675 is stored just below 2.675, 1.005 just below 1.005.
TEST(FormatFixed, RoundsTheTypedDecimalsOneWayForEveryValue) {
    EXPECT_EQ(FormatFixed(2.675, 2), "2,68");
    EXPECT_EQ(FormatFixed(1.005, 2), "1,01");
    EXPECT_EQ(FormatFixed(-2.675, 2), "-2,68");
    EXPECT_EQ(FormatFixed(-1.005, 2), "-1,01");
    EXPECT_EQ(FormatFixed(0.285, 2), "0,29");
    EXPECT_EQ(FormatFixed(1.0049, 2), "1,00");
    EXPECT_EQ(FormatFixed(9.995, 2), "10,00");
    EXPECT_EQ(FormatFixed(99.999, 2), "100,00");
    EXPECT_EQ(FormatFixed(-0.004, 2), "0,00");
    EXPECT_EQ(FormatFixed(-0.005, 2), "-0,01");
    EXPECT_EQ(FormatFixed(1e-9, 2), "0,00");
    EXPECT_EQ(FormatFixed(1e20, 2), "100000000000000000000,00");
    EXPECT_EQ(FormatFixed(2.5, 0), "3");
    EXPECT_EQ(FormatFixed(0.05, 1), "0,1");
    // Every value typed with three decimals in 0..20 agrees with rounding its whole thousandths.
    for (int thousandths = 0; thousandths <= 20000; ++thousandths) {
        const double typed = thousandths / 1000.0;
        const int hundredths = (thousandths + 5) / 10;
        char expected[32];
        std::snprintf(expected, sizeof expected, "%d,%02d", hundredths / 100, hundredths % 100);
        ASSERT_EQ(FormatFixed(typed, 2), expected) << thousandths;
    }
}

// The English texts write the same digits with a point; the comma stays the default.
TEST(NumberFormat, AnotherSeparatorChangesOnlyTheSeparator) {
    for (const double value : {45.6789, 0.000012345, 1234567.0, -2.5, 0.05, 120.0, 1e-9, 3.0}) {
        for (const GeneralFormat format :
             {GeneralFormat::G3, GeneralFormat::G4, GeneralFormat::G5, GeneralFormat::G15}) {
            std::string comma = FormatGeneral(value, format);
            for (char& c : comma) {
                if (c == ',') c = '.';
            }
            EXPECT_EQ(FormatGeneral(value, format, '.'), comma) << value;
        }
    }
    EXPECT_EQ(FormatGeneral(45.6789, GeneralFormat::G3, '.'), "45.7");
    EXPECT_EQ(FormatGeneral(0.0000012345, GeneralFormat::G5, '.'), "1.2345E-006");
    EXPECT_EQ(FormatGeneral(0.5, GeneralFormat::G3, '.'), "0.5");
    EXPECT_EQ(FormatFixed(2.675, 2, '.'), "2.68");
    EXPECT_EQ(FormatFixed(-0.005, 2, '.'), "-0.01");
    EXPECT_EQ(FormatFixed(2.5, 0, '.'), "3");
    EXPECT_EQ(FormatFixed(2.675, 2), "2,68");
}

// The shortest text is the one std::to_chars writes where the library has it for floating point;
// the engine writes it itself so that every build gives the same digits.
TEST(ShortestFixed, ReadsBackAndMatchesToChars) {
    EXPECT_EQ(ShortestFixed(0.1), "0.1");
    EXPECT_EQ(ShortestFixed(2.675), "2.675");
    EXPECT_EQ(ShortestFixed(-1.005), "-1.005");
    EXPECT_EQ(ShortestFixed(1e22), "10000000000000000000000");
    EXPECT_EQ(ShortestFixed(1e23), "99999999999999991611392");
    EXPECT_EQ(ShortestFixed(123456.0), "123456");
    EXPECT_EQ(ShortestFixed(1.5e-7), "0.00000015");
    EXPECT_EQ(ShortestFixed(5e-324).size(), 326u);
    EXPECT_EQ(ShortestFixed(9007199254740993.0), "9007199254740992");
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    auto matches = [](double v) {
        char buffer[800];
        const auto [end, error] =
            std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
        return ShortestFixed(v) == std::string(buffer, end);
    };
    // Powers of two and their neighbours, where the gap below is half the gap above.
    for (int e = -1074; e <= 1023; ++e) {
        const double p = std::ldexp(1.0, e);
        for (const double v : {p, std::nextafter(p, 0.0), std::nextafter(p, 1e308)})
            ASSERT_TRUE(matches(v)) << std::hexfloat << v;
    }
    // Any bit pattern, and values as typed.
    std::mt19937_64 random(7);
    for (int n = 0; n < 20000; ++n) {
        const uint64_t bits = random();
        double v = 0.0;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) {
            ASSERT_TRUE(matches(v)) << std::hexfloat << v;
        }
        ASSERT_TRUE(matches(static_cast<double>(bits % 10'000'000) / 1000.0)) << bits;
    }
#else
    GTEST_SKIP() << "this standard library has no floating-point std::to_chars to compare with";
#endif
}
