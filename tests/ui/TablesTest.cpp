// The two measurement tables in the window: keystroke checks in the real cells, gathering, the
// check of the dependency table and the chart each box shows when it is repainted.
#include <QCheckBox>
#include <QScrollArea>

#include "TableFormTest.h"

namespace {

const QString kFill = QStringLiteral("Proszę wypełnić tabelę pomiarów");

// The first cells of the two tables.
constexpr int kFreePath = 1;
constexpr int kStudy = 69;

}  // namespace

using Tables = TableFormTest;

TEST_F(Tables, EveryCellDropsBadCharactersAsTheyAreTyped) {
    // Each of the 68 cells has the handler: a letter typed at the end goes again.
    for (int first : {kFreePath, kStudy}) {
        for (int k = first; k < first + 34; ++k) {
            QTest::keyClicks(Cell(k), QStringLiteral("12a"));
            EXPECT_EQ(Cell(k)->text(), QStringLiteral("12")) << "Edit" << k;
        }
    }
}

// The rules are the core's (CellRules); the cell applies them at every change, typed or pasted.
TEST_F(Tables, CellsRepeatTheCheckUntilTheTextStands) {
    QLineEdit* cell = Cell(7);
    // A letter inside the text takes everything after it.
    QTest::keyClicks(cell, QStringLiteral("1234"));
    cell->setCursorPosition(1);
    QTest::keyClicks(cell, QStringLiteral("x"));
    EXPECT_EQ(cell->text(), QStringLiteral("1"));
    // Typed, a leading 0 goes at once; pasted whole, "05" stands.
    cell->clear();
    QTest::keyClicks(cell, QStringLiteral("05"));
    EXPECT_EQ(cell->text(), QStringLiteral("5"));
    cell->setText(QStringLiteral("05"));
    EXPECT_EQ(cell->text(), QStringLiteral("05"));
    cell->setText(QStringLiteral("7,5x9"));
    EXPECT_EQ(cell->text(), QStringLiteral("7,5"));
}

TEST_F(Tables, DrawingGathersOnlyItsOwnTable) {
    TypeRow(kFreePath, 1, QStringLiteral("100"), QStringLiteral("12,5"));
    TypeRow(kFreePath, 3, QStringLiteral(",25"), QString());
    TypeRow(kFreePath, 17, QString(), QStringLiteral("5"));
    TypeRow(kStudy, 1, QStringLiteral("9"), QStringLiteral("8"));
    Click("BitBtn11");
    Click("Label22");
    W<QScrollArea>("ScrollBox3")->ensureWidgetVisible(W("BitBtn28"));
    Click("BitBtn28");
    const auto& rows = S().TableRows;
    EXPECT_EQ(rows[1], (TableRow{100.0, 12.5}));
    EXPECT_EQ(rows[2], (TableRow{-1.0, -1.0}));
    EXPECT_EQ(rows[3], (TableRow{0.25, -1.0}));
    EXPECT_EQ(rows[17], (TableRow{-1.0, 5.0}));
    EXPECT_TRUE(answers.shown.empty());

    // The dependency table's button refills the rows from its own cells, even when its check
    // then refuses to draw.
    form->Studies().BitBtn35Click();
    EXPECT_EQ(rows[1], (TableRow{9.0, 8.0}));
    for (int r = 2; r <= 17; ++r)
        EXPECT_EQ(rows[r], (TableRow{-1.0, -1.0})) << r;
    ASSERT_EQ(answers.shown.size(), 1u);
    EXPECT_EQ(answers.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(answers.shown[0].text, kFill);
}

TEST_F(Tables, DependencyChartNeedsTwoFullRowsWithDifferentXTexts) {
    const QImage before = Repainted("PaintBox2");
    const struct {
        const char* x1;
        const char* y1;
        const char* x2;
        const char* y2;
        bool draws;
    } cases[] = {
        {"", "", "", "", false},
        {"1", "2", "3", "", false},
        {"5", "2", "5", "4", false},
        {"5", "2", "05", "4", true},  // equal values written differently pass (core's rule)
    };
    S().ChartKind = 2;
    for (const auto& c : cases) {
        answers.shown.clear();
        // Pasted: typing cannot put a leading 0 into a cell.
        const char* texts[] = {c.x1, c.y1, c.x2, c.y2};
        for (int k = 0; k < 4; ++k)
            Cell(kStudy + k)->setText(QString::fromUtf8(texts[k]));
        form->Studies().BitBtn35Click();
        const std::string what = std::string(c.x1) + "/" + c.y1 + "/" + c.x2 + "/" + c.y2;
        if (c.draws) {
            EXPECT_TRUE(answers.shown.empty()) << what;
            EXPECT_NE(Repainted("PaintBox2"), before) << what;
        } else {
            ASSERT_EQ(answers.shown.size(), 1u) << what;
            EXPECT_EQ(answers.shown[0].text, kFill) << what;
            EXPECT_EQ(Repainted("PaintBox2"), before) << what;
        }
    }
}

TEST_F(Tables, EachBoxRepaintsItsOwnLastChartWithItsOwnCurve) {
    // Before any drawing both boxes show the start-up state: rows of zeros, no mode.
    ChartInput startUp;
    EXPECT_EQ(Repainted("wykr"), Expected(W("wykr"), startUp, 1));
    EXPECT_EQ(Repainted("PaintBox2"), Expected(W("PaintBox2"), startUp, 0));

    // The free-path chart: a hyperbola in mode 2.
    S().SimulationMode = 2;
    TypeRow(kFreePath, 1, QStringLiteral("100"), QStringLiteral("60"));
    TypeRow(kFreePath, 2, QStringLiteral("200"), QStringLiteral("30"));
    TypeRow(kFreePath, 3, QStringLiteral("300"), QStringLiteral("20"));
    form->Studies().BitBtn28Click();
    ChartInput freePath;
    freePath.Rows.Fill({-1.0, -1.0});
    freePath.Rows[1] = {100, 60};
    freePath.Rows[2] = {200, 30};
    freePath.Rows[3] = {300, 20};
    freePath.SimulationMode = 2;
    const QImage wykr = Expected(W("wykr"), freePath, 1);
    EXPECT_EQ(Repainted("wykr"), wykr);

    // A pressure study with its straight line; the free-path box keeps its hyperbola, and the
    // unticked options now hold for the new chart only.
    Click("BitBtn16");
    Click("Label97");
    S().SimulationMode = 7;
    W<QCheckBox>("CheckBox1")->setChecked(false);
    W<QCheckBox>("CheckBox3")->setChecked(true);
    TypeRow(kStudy, 1, QStringLiteral("100"), QStringLiteral("1,5"));
    TypeRow(kStudy, 2, QStringLiteral("200"), QStringLiteral("3,1"));
    TypeRow(kStudy, 3, QStringLiteral("300"), QStringLiteral("4,4"));
    form->Studies().BitBtn35Click();
    ChartInput pressure;
    pressure.Rows.Fill({-1.0, -1.0});
    pressure.Rows[1] = {100, 1.5};
    pressure.Rows[2] = {200, 3.1};
    pressure.Rows[3] = {300, 4.4};
    pressure.SimulationMode = 7;
    pressure.ChartXCaption = "N";
    pressure.ScaleFromZero = false;
    const QImage paintBox2 = Expected(W("PaintBox2"), pressure, 2);
    EXPECT_EQ(Repainted("PaintBox2"), paintBox2);
    EXPECT_NE(paintBox2, Expected(W("PaintBox2"), pressure, 1));
    EXPECT_EQ(Repainted("wykr"), wykr);

    // Options changed and cells typed later do not change either box until it is drawn again.
    W<QCheckBox>("CheckBox3")->setChecked(false);
    TypeRow(kStudy, 4, QStringLiteral("400"), QStringLiteral("9"));
    EXPECT_EQ(Repainted("PaintBox2"), paintBox2);
    EXPECT_EQ(Repainted("wykr"), wykr);
    form->Studies().BitBtn35Click();
    pressure.Rows[4] = {400, 9};
    pressure.DrawCurve = false;
    EXPECT_EQ(Repainted("PaintBox2"), Expected(W("PaintBox2"), pressure, 2));
}
