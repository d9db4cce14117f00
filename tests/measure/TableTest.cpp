#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "measure/Table.h"

namespace {

// What a cell shows once its change handler has run until the text no longer changes.
QString Settle(const QString& typed) {
    QString text = typed;
    for (int guard = 0; guard < 100; ++guard) {
        const QString next = ValidateCellText(text);
        if (next == text) return text;
        text = next;
    }
    ADD_FAILURE() << "never settles: " << typed.toStdString();
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
    EXPECT_EQ(Settle("1,2"), "1,2");
    EXPECT_EQ(Settle("1,2,"), "");  // a second comma empties the cell
    EXPECT_EQ(Settle(",a"), "0,");
    EXPECT_EQ(Settle("-5"), "");
    EXPECT_EQ(Settle("1.5"), "1");
    EXPECT_EQ(Settle("2e3"), "2");
    EXPECT_EQ(Settle("12 "), "12");
    EXPECT_EQ(Settle(""), "");
}

// The one-pass settling the cells use ends where the repeated check ends, for every text of up
// to seven characters from digits, commas, a letter and a blank, and for long pasted texts.
TEST(CellValidator, SettlingInOnePassEndsWhereTheRepeatedCheckEnds) {
    const QString alphabet = QStringLiteral("0,1x ");
    std::vector<QString> texts{QString()};
    for (int length = 1; length <= 7; ++length) {
        const std::size_t from = texts.size();
        for (std::size_t k = from - static_cast<std::size_t>(std::pow(5, length - 1)); k < from;
             ++k) {
            for (const QChar c : alphabet)
                texts.push_back(texts[k] + c);
        }
    }
    ASSERT_EQ(texts.size(), 1u + 5 + 25 + 125 + 625 + 3125 + 15625 + 78125);
    for (const QString& text : texts)
        ASSERT_EQ(SettleCellText(text), Settle(text)) << text.toStdString();

    const QString digits(30000, QLatin1Char('7'));
    EXPECT_EQ(SettleCellText(digits + QStringLiteral("x") + digits), digits);
    EXPECT_EQ(SettleCellText(QStringLiteral("\u0663") + digits), "");  // an Arabic-Indic digit
    EXPECT_EQ(SettleCellText(digits + QStringLiteral(",5\n")), digits + QStringLiteral(",5"));
}

// The English cells follow the same rules with the point in the comma's place, and what they
// hold reads as the same number.
TEST(CellValidator, WithThePointTheRulesAreTheCommasRules) {
    const QChar point = QLatin1Char('.');
    for (const QString& comma :
         {QStringLiteral("12a"), QStringLiteral("0"), QStringLiteral(","), QStringLiteral("0,5"),
          QStringLiteral("1,2,"), QStringLiteral(",a"), QStringLiteral("7,25x1"),
          QStringLiteral("00,")}) {
        QString pointed = comma;
        pointed.replace(QLatin1Char(','), point);
        QString expected = SettleCellText(comma);
        expected.replace(QLatin1Char(','), point);
        EXPECT_EQ(SettleCellText(pointed, point), expected) << comma.toStdString();
        EXPECT_EQ(ValidateCellText(pointed, point),
                  QString(ValidateCellText(comma)).replace(QLatin1Char(','), point));
    }
    // A comma is a bad character in an English cell, as a point is in a Polish one.
    EXPECT_EQ(SettleCellText(QStringLiteral("1,5"), point), "1");
    EXPECT_EQ(SettleCellText(QStringLiteral("1.5")), "1");
    EXPECT_DOUBLE_EQ(CellValue(QStringLiteral("0.25")), CellValue(QStringLiteral("0,25")));
    EXPECT_DOUBLE_EQ(CellValue(QStringLiteral("3.")), 3.0);
}

TEST(GatherTable, EmptyCellsBecomeMinusOneAndTextsReadWithTheComma) {
    SimulationState s;
    GatherTable(QStringList(34, QString()), s);
    for (int r = 1; r <= kTableRowCount; ++r) {
        EXPECT_EQ(s.TableRows[r], (TableRow{-1.0, -1.0})) << r;
    }

    QStringList cells(34, QString());
    cells[0] = "12,5";   // row 1 X
    cells[1] = "0,";     // row 1 Y
    cells[2] = "05";     // row 2 X, its Y left empty
    cells[5] = "3";      // row 3 Y, its X left empty
    cells[33] = "1,25";  // row 17 Y
    GatherTable(cells, s);
    EXPECT_EQ(s.TableRows[1], (TableRow{12.5, 0.0}));
    EXPECT_EQ(s.TableRows[2], (TableRow{5.0, -1.0}));
    EXPECT_EQ(s.TableRows[3], (TableRow{-1.0, 3.0}));
    EXPECT_EQ(s.TableRows[17], (TableRow{-1.0, 1.25}));
}

TEST(FirstRowsReady, BothFirstRowsFilledWithDifferentXTexts) {
    QStringList cells(34, QString());
    cells[0] = "5", cells[1] = "1", cells[2] = "05", cells[3] = "2";
    EXPECT_TRUE(FirstRowsReady(cells));  // equal values, different texts
    cells[2] = "5";
    EXPECT_FALSE(FirstRowsReady(cells));
    cells[2] = "6", cells[3] = "";
    EXPECT_FALSE(FirstRowsReady(cells));
    cells[3] = "2", cells[0] = "";
    EXPECT_FALSE(FirstRowsReady(cells));
}
