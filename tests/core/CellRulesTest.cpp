// The measurement cells' rules: what a cell keeps of what is typed or pasted, the note it shows,
// the numbers it holds and the rows gathered from a table.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/CellRules.h"

namespace {

// What a cell shows once its change handler has run until the text no longer changes.
std::string Settle(const std::string& typed, char separator = ',') {
    std::string text = typed;
    for (int guard = 0; guard < 100; ++guard) {
        const std::string next = ValidateCellText(text, separator);
        if (next == text) return text;
        text = next;
    }
    ADD_FAILURE() << "never settles: " << typed;
    return text;
}

std::string Pointed(std::string text) {
    for (char& c : text)
        c = c == ',' ? '.' : c;
    return text;
}

}  // namespace

TEST(CellValidator, SettlesTypedTextsAsTheCellShowsThem) {
    EXPECT_EQ(Settle("12a"), "12");
    EXPECT_EQ(Settle("1a2"), "1");  // everything from the bad character on is lost
    EXPECT_EQ(Settle("0"), "");
    EXPECT_EQ(Settle("00"), "00");
    EXPECT_EQ(Settle(","), "0,");
    EXPECT_EQ(Settle("0,5"), "0,5");
    EXPECT_EQ(Settle("1,2,"), "");  // a second comma empties the cell
    EXPECT_EQ(Settle("-5"), "");
    EXPECT_EQ(Settle("1.5"), "1");
    EXPECT_EQ(Settle("2e3"), "2");
    EXPECT_EQ(Settle(""), "");
    // A character beyond ASCII goes whole, never a byte of it at a time.
    EXPECT_EQ(ValidateCellText("7ż"), "7");
    EXPECT_EQ(ValidateCellText("7😀"), "7");
    EXPECT_EQ(Settle("3,5€9"), "3,5");
}

// The one-pass settling the cells use ends where the repeated check ends, for every text of up
// to seven characters from digits, commas, a letter, a blank and a Polish letter, and for long
// pasted texts; with the point in the comma's place the rules are the same.
TEST(CellValidator, SettlingInOnePassEndsWhereTheRepeatedCheckEnds) {
    const std::vector<std::string> alphabet = {"0", ",", "1", "x", " ", "ą"};
    std::vector<std::string> texts{""};
    std::size_t from = 0;
    for (int length = 1; length <= 6; ++length) {
        const std::size_t to = texts.size();
        for (std::size_t k = from; k < to; ++k) {
            for (const std::string& c : alphabet)
                texts.push_back(texts[k] + c);
        }
        from = to;
    }
    ASSERT_EQ(texts.size(), 1u + 6 + 36 + 216 + 1296 + 7776 + 46656);
    for (const std::string& text : texts) {
        ASSERT_EQ(SettleCellText(text), Settle(text)) << text;
        ASSERT_EQ(SettleCellText(Pointed(text), '.'), Pointed(Settle(text))) << text;
    }
    const std::string digits(30000, '7');
    EXPECT_EQ(SettleCellText(digits + "x" + digits), digits);
    EXPECT_EQ(SettleCellText("\u0663" + digits), "");  // an Arabic-Indic digit
    EXPECT_EQ(SettleCellText(digits + ",5\n"), digits + ",5");
    // A comma is a bad character in an English cell, as a point is in a Polish one.
    EXPECT_EQ(SettleCellText("1,5", '.'), "1");
    EXPECT_EQ(SettleCellText("1.5"), "1");
}

TEST(CellValidator, TheOtherSeparatorIsTheLanguagesAndALeadingOneKeepsItsDigits) {
    EXPECT_EQ(NormalisedCellText("1.000.5"), "1,000,5");
    EXPECT_EQ(NormalisedCellText(",5"), "0,5");
    EXPECT_EQ(NormalisedCellText(","), ",");
    EXPECT_EQ(NormalisedCellText(".ż"), "0,ż");
    EXPECT_EQ(NormalisedCellText("2,5", '.'), "2.5");
    EXPECT_EQ(NormalisedCellText(",5", '.'), "0.5");
}

// A note only for a character that is really rejected: none on the way to a valid number typed
// character by character, with either separator.
TEST(CellHints, NameTheRuleTheValidatorApplies) {
    for (const char separator : {',', '.'}) {
        for (const std::string typed : {"0,06", "0.06", ",5", "105,25", "2.5"}) {
            std::string cell;
            for (const char key : typed) {
                const std::string text = NormalisedCellText(cell + key, separator);
                EXPECT_EQ(CellHintFor(text, separator), nullptr) << typed << " at " << text;
                cell = SettleCellText(text, separator);
            }
            EXPECT_EQ(CellValue(cell), CellValue(typed)) << typed;
        }
    }
    EXPECT_STREQ(CellHintFor("1,2,"), "Tylko jeden przecinek");
    EXPECT_STREQ(CellHintFor("1 2"), "Tylko cyfry i przecinek");
    EXPECT_STREQ(CellHintFor("-3"), "Tylko cyfry i przecinek");
    EXPECT_STREQ(CellHintFor("1.2.3", '.'), "Tylko jedna kropka dziesiętna");
    EXPECT_STREQ(CellHintFor("1x", '.'), "Tylko cyfry i kropka");
    EXPECT_EQ(CellHintFor("1.25", '.'), nullptr);
}

TEST(CellValue, ReadsEitherSeparatorAndLeavesOutWhatIsNoNumber) {
    EXPECT_EQ(CellValue(""), -1.0);
    EXPECT_EQ(CellValue("12,5"), 12.5);
    EXPECT_EQ(CellValue("0.25"), 0.25);
    EXPECT_EQ(CellValue("3."), 3.0);
    EXPECT_EQ(CellValue("0,"), 0.0);
    EXPECT_EQ(CellValue("00"), 0.0);
    EXPECT_EQ(CellValue("0,1"), 0.1);
    EXPECT_EQ(CellValue(","), -1.0);
    // Too large for a double, or so small it would read as 0: no number.
    EXPECT_EQ(CellValue(std::string(309, '9')), -1.0);
    EXPECT_EQ(CellValue(std::string(308, '9')), std::stod(std::string(308, '9')));
    EXPECT_EQ(CellValue("0," + std::string(330, '0') + "1"), -1.0);
    EXPECT_EQ(CellValue("0," + std::string(320, '0') + "1"), 1e-321);
}

TEST(GatherTable, EmptyCellsBecomeMinusOneAndTextsReadWithTheComma) {
    const TableRowArray empty = GatherTable(std::vector<std::string>(34));
    for (int r = 1; r <= kTableRowCount; ++r)
        EXPECT_EQ(empty[r], (TableRow{-1.0, -1.0})) << r;

    std::vector<std::string> cells(34);
    cells[0] = "12,5";   // row 1 X
    cells[1] = "0,";     // row 1 Y
    cells[2] = "05";     // row 2 X, its Y left empty
    cells[5] = "3";      // row 3 Y, its X left empty
    cells[33] = "1,25";  // row 17 Y
    const TableRowArray rows = GatherTable(cells);
    EXPECT_EQ(rows[1], (TableRow{12.5, 0.0}));
    EXPECT_EQ(rows[2], (TableRow{5.0, -1.0}));
    EXPECT_EQ(rows[3], (TableRow{-1.0, 3.0}));
    EXPECT_EQ(rows[17], (TableRow{-1.0, 1.25}));
    EXPECT_FALSE(IsFilled(rows[2]));
    EXPECT_TRUE(IsFilled(rows[1]));
}

TEST(FirstRowsReady, BothFirstRowsFilledWithDifferentXTexts) {
    std::vector<std::string> cells(34);
    cells[0] = "5", cells[1] = "1", cells[2] = "05", cells[3] = "2";
    EXPECT_TRUE(FirstRowsReady(cells));  // equal values, different texts
    cells[2] = "5";
    EXPECT_FALSE(FirstRowsReady(cells));
    cells[2] = "6", cells[3] = "";
    EXPECT_FALSE(FirstRowsReady(cells));
    cells[3] = "2", cells[0] = "";
    EXPECT_FALSE(FirstRowsReady(cells));
    EXPECT_FALSE(FirstRowsReady({}));
}

TEST(AnyCellTyped, OneTypedCellAnywhereCounts) {
    std::vector<std::string> cells(34);
    EXPECT_FALSE(AnyCellTyped(cells));
    EXPECT_FALSE(AnyCellTyped({}));
    cells[33] = "7";  // the last row's measured value alone
    EXPECT_TRUE(AnyCellTyped(cells));
}
