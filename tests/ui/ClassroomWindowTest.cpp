// Class use around the described screens: the view choices, the heat transport's settings, the
// way back from the parameters, the free path's stop, clearing the tables, and an empty picture
// behind the menu.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>

#include "TableFormTest.h"
#include "core/MenuTexts.h"
#include "engine/Modes.h"
#include "measure/Language.h"
#include "ui/Keyboard.h"

namespace {

using Classroom = TableFormTest;

QSlider* Bar(const TForm1& form, int n) {
    return form.Experiment().TrackBar(n);
}

TEST_F(Classroom, ViewChoicesStartAsDescribedAndReachTheSimulation) {
    const ViewOptions& v = form->Sim().View;
    EXPECT_TRUE(W<QCheckBox>("VelocityLines")->isChecked());
    EXPECT_FALSE(W<QCheckBox>("LargeView")->isChecked());
    EXPECT_FALSE(W<QCheckBox>("LabelUndetermined")->isChecked());
    EXPECT_TRUE(v.VelocityLines);
    EXPECT_FALSE(v.LargeView);
    EXPECT_FALSE(v.LabelUndetermined);
    // On the menu, below its last button, within the menu panel.
    auto* group = W<QGroupBox>("ViewGroup");
    EXPECT_TRUE(group->isVisible());
    EXPECT_GT(group->y(), W("BitBtn2")->geometry().bottom());
    EXPECT_LE(group->geometry().bottom(), W("Panel1")->height());

    for (const char* name : {"VelocityLines", "LargeView", "LabelUndetermined"})
        W<QCheckBox>(name)->click();
    EXPECT_FALSE(v.VelocityLines);
    EXPECT_TRUE(v.LargeView);
    EXPECT_TRUE(v.LabelUndetermined);
    // They last through runs and back.
    Click("BitBtn16");
    Click("Label64");
    Click("BitBtn15");
    Click("BitBtn1");
    EXPECT_FALSE(v.VelocityLines);
    EXPECT_TRUE(v.LargeView);
}

TEST_F(Classroom, EachViewChoiceSaysWhatItChangesAndWhere) {
    // Where each acts: the menu buttons of its topics, or the button it changes.
    const std::pair<const char*, std::vector<const char*>> places[] = {
        {"VelocityLines", {texts::kMenuPressure}},
        {"LargeView", {texts::kMenuDiffusion, texts::kMenuFreePath, texts::kMenuWalls}},
        {"LabelUndetermined", {texts::kMenuHeat}},
        {"WhitePaper", {"Drukuj"}},
    };
    for (Language language : {Language::English, Language::Polish}) {
        ASSERT_TRUE(form->SetLanguage(language));
        for (const auto& [name, topics] : places) {
            auto* box = W<QCheckBox>(name);
            const QString hint = box->toolTip();
            EXPECT_GT(hint.size(), 2 * box->text().size()) << name;
            for (const char* topic : topics) {
                EXPECT_TRUE(hint.contains(Tr(topic))) << name << ": " << hint.toStdString();
            }
        }
    }
}

TEST_F(Classroom, EndingAsksFirstOnlyWhenATableHoldsTypedValues) {
    // Nothing typed: "Wyjście" ends at once, as it always has.
    Click("BitBtn2");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(answers.questions.isEmpty());

    for (int cell : {2, 102}) {
        form->show();
        Cell(cell)->setText(QStringLiteral("7"));
        answers.yes = {false};
        Click("BitBtn2");
        ASSERT_EQ(answers.questions.size(), 1) << cell;
        EXPECT_TRUE(answers.questions[0].contains(QStringLiteral("„Zapisz tabelę (CSV)”")))
            << answers.questions[0].toStdString();
        EXPECT_TRUE(form->isVisible()) << "Nie keeps the program and the table";
        EXPECT_EQ(Cell(cell)->text(), QStringLiteral("7"));
        // Closed by the window system, it asks as well.
        form->close();
        EXPECT_EQ(answers.questions.size(), 2);
        EXPECT_TRUE(form->isVisible());
        answers.yes = {true};
        Click("BitBtn2");
        EXPECT_FALSE(form->isVisible());
        Cell(cell)->clear();
        answers.questions.clear();
    }
}

TEST_F(Classroom, HeatTransportPageShowsAndSetsWhatItsRunStartsWith) {
    // What the pressure experiment left behind.
    Spin("SpinEdit4")->SetValue(100);
    Bar(*form, 2)->setValue(4);
    Bar(*form, 3)->setValue(9);
    Click("BitBtn17");
    Click("Label69");
    auto* speed = W<QSpinBox>("HeatMaxSpeed");
    auto* factor = W<QSpinBox>("HeatSpeedFactor");
    auto* mass = W<QSpinBox>("HeatMass");
    EXPECT_EQ(speed->value(), 100);
    EXPECT_EQ(factor->value(), 4);
    EXPECT_EQ(mass->value(), 9);

    W<QScrollArea>("ScrollBox12")->ensureWidgetVisible(W("HeatDefaults"));
    Click("HeatDefaults");
    EXPECT_EQ(Spin("SpinEdit4")->Value(), 50);
    EXPECT_EQ(Bar(*form, 2)->value(), 1);
    EXPECT_EQ(Bar(*form, 3)->value(), 1);

    mass->setValue(3);
    EXPECT_EQ(Bar(*form, 3)->value(), 3);
    Click("BitBtn34");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->HeatPlacement().Busy(); }, 600'000));
    ASSERT_EQ(S().SimulationMode, kModeHeatTransport);
    EXPECT_DOUBLE_EQ(S().GasMass, (3 * 850) * 1.66e-27);
    EXPECT_EQ(W<QLabel>("Label60")->text(), QStringLiteral("Masa cząsteczki gazu: 3 u"));
}

TEST_F(Classroom, CancelOnTheParametersReturnsToThePausedRunAndSoDoesEscape) {
    OpenDiffusionPanel();
    EXPECT_FALSE(W("CancelParameters")->isVisible());  // no run to go back to yet
    Click("BitBtn3");
    clock.Advance(4000);
    Click("BitBtn18");
    EXPECT_TRUE(Shown("CancelParameters"));
    clock.Advance(10000);  // the pupil looks at the panel
    Click("CancelParameters");
    EXPECT_FALSE(Shown("Panel2"));
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Wznów"));
    Click("BitBtn6");
    EXPECT_TRUE(form->Timer().Enabled());
    // The time on the panel does not count.
    form->DXTimer1Timer(0);
    EXPECT_EQ(ElapsedSeconds(S()), 4);

    new KeyboardControl(form.get(), [] {});  // as the program starts it
    Click("BitBtn18");
    QTest::keyClick(W("SpinEdit1"), Qt::Key_Escape);
    EXPECT_FALSE(Shown("Panel2"));
    EXPECT_TRUE(Shown("BitBtn6"));
    EXPECT_FALSE(Shown("Panel1"));
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Wznów"));
}

TEST_F(Classroom, SetUpPanelNamesTheExercise) {
    const auto title = [this] { return W<QLabel>("Label1")->text(); };
    Click("BitBtn11");
    Click("Label20");
    Click("BitBtn24");
    EXPECT_EQ(title(), QStringLiteral("DROGA SWOBODNA - warunki początkowe"));
    Click("BitBtn3");
    Click("BitBtn1");
    Click("BitBtn9");
    Click("Label26");
    Click("BitBtn30");
    EXPECT_EQ(title(), QStringLiteral("ZDERZENIA ZE ŚCIANKAMI - warunki początkowe"));
    EXPECT_LE(W("Label1")->geometry().right(), W("Panel2")->width());
    Click("BitBtn3");
    Click("BitBtn1");
    Click("BitBtn8");
    Click("Label11");
    Click("BitBtn5");
    EXPECT_EQ(title(), QStringLiteral("DYFUZJA - ustawienia warunków początkowych układu"));
}

TEST_F(Classroom, FreePathStopIsExplainedBesideTheVesselUntilTheRunGoesOn) {
    Click("BitBtn11");
    Click("Label22");
    Click("BitBtn20");
    Click("BitBtn3");
    ASSERT_EQ(S().SimulationMode, kModeFreePath);
    auto* note = W<QLabel>("StopNote");
    form->DXTimer1Timer(0);
    EXPECT_FALSE(note->isVisible());
    // As if the tracked particle had met its 300 collisions.
    S().PathCount = 302;
    form->DXTimer1Timer(0);
    EXPECT_FALSE(form->Timer().Enabled());
    ASSERT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(QString::number(S().PathCount - 1)));
    // Outside the vessel and its wall.
    EXPECT_GT(note->x(), S().VesselLeft + S().VesselWidth + 5);
    EXPECT_LE(note->geometry().right(), 1024);
    Click("BitBtn6");
    EXPECT_FALSE(note->isVisible());
}

TEST_F(Classroom, ClearingATableAsksFirstThenEmptiesCellsAndChart) {
    Click("BitBtn12");
    Click("Label47");
    Click("BitBtn13");
    TypeRow(69, 1, QStringLiteral("100"), QStringLiteral("5"));
    TypeRow(69, 2, QStringLiteral("200"), QStringLiteral("9"));
    const QImage empty = Repainted("PaintBox2");
    Click("BitBtn35");
    ASSERT_NE(Repainted("PaintBox2"), empty);

    answers.yes = {false};
    Click("ClearStudyTable");
    EXPECT_EQ(answers.questions.size(), 1);
    EXPECT_EQ(Cell(69)->text(), QStringLiteral("100"));

    answers.yes = {true};
    Click("ClearStudyTable");
    for (int k = 69; k <= 102; ++k)
        EXPECT_TRUE(Cell(k)->text().isEmpty()) << k;
    EXPECT_EQ(Repainted("PaintBox2"), empty);

    // The free path's table, under its own button, leaves the other table alone.
    TypeRow(69, 1, QStringLiteral("100"), QStringLiteral("5"));
    Click("BitBtn1");
    Click("BitBtn11");
    Click("Label22");
    auto* page = W<QScrollArea>("ScrollBox3");
    TypeRow(1, 1, QStringLiteral("100"), QStringLiteral("61,5"));
    TypeRow(1, 2, QStringLiteral("200"), QStringLiteral("30,25"));
    const QImage emptyPath = Repainted("wykr");
    page->ensureWidgetVisible(W("BitBtn28"));
    Click("BitBtn28");
    ASSERT_NE(Repainted("wykr"), emptyPath);

    page->ensureWidgetVisible(W("ClearFreePathTable"));
    answers.yes = {false};
    Click("ClearFreePathTable");
    EXPECT_EQ(answers.questions.size(), 3);
    EXPECT_EQ(Cell(1)->text(), QStringLiteral("100"));

    answers.yes = {true};
    Click("ClearFreePathTable");
    for (int k = 1; k <= 34; ++k)
        EXPECT_TRUE(Cell(k)->text().isEmpty()) << k;
    EXPECT_EQ(Repainted("wykr"), emptyPath);
    EXPECT_EQ(Cell(69)->text(), QStringLiteral("100"));
}

TEST_F(Classroom, AnotherStudyDoesNotKeepTheLastStudysChart) {
    Click("BitBtn12");
    Click("Label47");
    Click("BitBtn13");
    const QImage empty = Repainted("PaintBox2");
    TypeRow(69, 1, QStringLiteral("100"), QStringLiteral("5"));
    TypeRow(69, 2, QStringLiteral("200"), QStringLiteral("9"));
    Click("BitBtn35");
    ASSERT_NE(Repainted("PaintBox2"), empty);
    Click("BitBtn1");
    Click("BitBtn16");
    Click("Label97");
    EXPECT_EQ(Repainted("PaintBox2"), empty);
    // Drawn now, before the pressure has run, the chart is the pressure's.
    Click("BitBtn39");
    Click("BitBtn1");
    S().SimulationMode = kModeTemperature;
    form->show();
    Click("BitBtn16");
    Click("Label97");
    Click("BitBtn39");
    S().SimulationMode = kModeTemperature;
    Click("BitBtn35");
    ChartInput expected;
    expected.Rows = S().TableRows;
    expected.SimulationMode = kModePressure;
    expected.ChartXCaption = S().ChartXCaption;
    EXPECT_EQ(Repainted("PaintBox2"), Expected(W("PaintBox2"), expected, S().ChartKind));
}

TEST_F(Classroom, MenuAndANewExercisesPanelStandOnAnEmptyPicture) {
    const auto blank = [this] {
        const QImage& front = form->DrawingSurface().Front();
        for (int y = 0; y < front.height(); y += 7) {
            for (int x = 0; x < front.width(); x += 7) {
                if (front.pixel(x, y) != qRgb(0, 0, 0)) return false;
            }
        }
        return true;
    };
    OpenDiffusionPanel();
    Click("BitBtn3");
    form->DXTimer1Timer(0);
    ASSERT_FALSE(blank());
    Click("BitBtn1");
    EXPECT_TRUE(blank());

    Click("BitBtn5");
    Click("BitBtn3");
    form->DXTimer1Timer(0);
    ASSERT_FALSE(blank());
    Click("BitBtn18");  // the same exercise's parameters keep its picture
    EXPECT_FALSE(blank());
    Click("BitBtn3");
    Click("BitBtn1");
    Click("BitBtn11");
    Click("Label20");
    Click("BitBtn24");
    EXPECT_TRUE(blank());
}

}  // namespace
