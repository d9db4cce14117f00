#include <gtest/gtest.h>

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
