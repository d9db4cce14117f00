// The eight studies of the temperature and pressure topics: what choosing one writes, and the
// table panel over the running experiment.
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

#include "TableFormTest.h"

namespace {

struct StudyCase {
    const char* topic;
    const char* link;
    const char* xCaption;
    int kind;
    const char* memo;
};

const StudyCase kStudies[] = {
    {"BitBtn16", "Label97", "N", 2, "Memo75"},
    {"BitBtn16", "Label98", "Vśr [jedn.]", 3, "Memo34"},
    {"BitBtn16", "Label99", "m [u]", 2, "Memo33"},
    {"BitBtn16", "Label100", "V [jedn.]", 1, "Memo32"},
    {"BitBtn12", "Label47", "N", 2, "Memo35"},
    {"BitBtn12", "Label65", "Vśr [jedn.]", 3, "Memo36"},
    {"BitBtn12", "Label75", "m [u]", 2, "Memo37"},
    {"BitBtn12", "Label76", "V [jedn]", 2, "Memo38"},
};

const char* const kMemos[] = {"Memo75", "Memo34", "Memo33", "Memo32",
                              "Memo35", "Memo36", "Memo37", "Memo38"};

QString U(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

class Studies : public TableFormTest {
  protected:
    QString Text(const char* label) const { return W<QLabel>(label)->text(); }
    QString MemoText(const char* memo) const { return W<QPlainTextEdit>(memo)->toPlainText(); }
    void Choose(const StudyCase& e) {
        Click(e.topic);
        Click(e.link);
    }
};

TEST_F(Studies, ChoosingAStudySetsItsCurveCaptionAndInstruction) {
    for (const StudyCase& e : kStudies) {
        SCOPED_TRACE(e.link);
        Choose(e);
        const bool pressure = std::string(e.topic) == "BitBtn16";
        EXPECT_TRUE(Shown(pressure ? "ScrollBox13" : "ScrollBox5"));
        EXPECT_FALSE(Shown(pressure ? "ScrollBox10" : "ScrollBox8"));
        EXPECT_EQ(Text("Label103"), pressure ? U("Ciśnienie") : U("Temperatura"));
        EXPECT_EQ(S().ChartXCaption, e.xCaption);
        EXPECT_EQ(S().ChartKind, e.kind);
        for (const char* memo : kMemos)
            EXPECT_EQ(!W(memo)->isHidden(), std::string(memo) == e.memo) << memo;
    }
}

TEST_F(Studies, ChoosingAStudyWritesItsTexts) {
    Choose(kStudies[7]);
    EXPECT_EQ(Text("Label43"), U("Badanie zależności temperatury od wielkości naczynia"));
    EXPECT_EQ(MemoText("Memo24"),
              U("Zbadamy czy i jak zależy temperatura gazu od wielkości naczynia. Doświadczenie "
                "będzie polegało na pomiarze temperatury dla różnych wartości objętości "
                "naczynia."));
    EXPECT_EQ(Text("Label101"), U(" Badanie zależności temperatury od  wielkości naczynia"));
    EXPECT_EQ(Text("Label102"), U("Objętość"));
    EXPECT_EQ(Text("Label105"), U("naczynia V"));
    EXPECT_EQ(Text("Label115"), U("Wykres zależności temperatury gazu"));
    EXPECT_EQ(Text("Label116"), U("od objętości naczynia"));
    Choose(kStudies[1]);
    EXPECT_EQ(Text("Label72"),
              U("Badanie zależności ciśnienia od średniej prędkości cząsteczek gazu"));
    EXPECT_TRUE(
        MemoText("Memo72").startsWith(U("Zbadamy czy i jak zależy ciśnienie gazu od średniej")));
    EXPECT_EQ(Text("Label101"),
              U(" Badanie zależności ciśnienia od  średniej prędkości cząsteczek gazu"));
    EXPECT_EQ(Text("Label105"), U("cząsteczek Vśr"));
    EXPECT_EQ(Text("Label116"), U("od średniej prędkości cząsteczek gazu"));
    // Pane titles stay centred over the whole pane, whatever their length.
    for (const char* title : {"Label43", "Label72"}) {
        EXPECT_EQ(W(title)->x(), 0) << title;
        EXPECT_EQ(W(title)->width(), W(title)->parentWidget()->width()) << title;
    }
}

TEST_F(Studies, TemperatureHidesThePowerOfTenAndPressureBringsItBack) {
    Choose(kStudies[0]);
    EXPECT_EQ(Text("Label101"), U(" Badanie zależności ciśnienia od  liczby cząsteczek gazu"));
    EXPECT_FALSE(W("Label104")->isHidden());
    EXPECT_FALSE(W("Label73")->isHidden());
    EXPECT_EQ(Text("Label104"), U("x 10 "));
    EXPECT_EQ(Text("Label73"), U("-26"));
    Choose(kStudies[5]);
    EXPECT_TRUE(W("Label104")->isHidden());
    EXPECT_TRUE(W("Label73")->isHidden());
    EXPECT_FALSE(W("Label74")->isHidden());
    EXPECT_EQ(Text("Label74"), U("[jedn.]"));
    Choose(kStudies[3]);
    EXPECT_FALSE(W("Label104")->isHidden());
    EXPECT_FALSE(W("Label73")->isHidden());
}

TEST_F(Studies, ChoosingAStudyNeitherStartsARunNorClearsTheTable) {
    QTest::keyClicks(Cell(69), QStringLiteral("150"));
    QTest::keyClicks(Cell(102), QStringLiteral("7,25"));
    for (const StudyCase& e : kStudies)
        Choose(e);
    EXPECT_EQ(Cell(69)->text(), QStringLiteral("150"));
    EXPECT_EQ(Cell(102)->text(), QStringLiteral("7,25"));
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_EQ(S().SimulationMode, 0);
    EXPECT_FALSE(Shown("Panel11"));
}

TEST_F(Studies, InstructionsListThreeSettingsAndFitTheirBoxes) {
    W("Panel11")->show();
    for (const char* memo : kMemos) {
        SCOPED_TRACE(memo);
        const QStringList lines = MemoText(memo).split(QLatin1Char('\n'));
        ASSERT_GE(lines.size(), 5);
        EXPECT_EQ(lines[0], U("Ustaw następujące parametry układu: "));
        for (int i = 1; i <= 3; ++i)
            EXPECT_TRUE(lines[i].startsWith(U("- "))) << lines[i].toStdString();
        EXPECT_FALSE(lines[4].startsWith(U("- ")));
        EXPECT_TRUE(lines[4].contains(U("tabeli")));
        EXPECT_TRUE(lines[4].contains(U("wykres")));
        auto* box = W<QPlainTextEdit>(memo);
        EXPECT_EQ(box->size(), QSize(617, 121));
        EXPECT_EQ(box->pos(), QPoint(16, std::string(memo) == "Memo35" ? 48 : 40));
        // The whole text is readable without scrolling.
        box->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
    }
    // The three studies of one quantity name the gauge of their topic.
    EXPECT_TRUE(MemoText("Memo75").contains(U("manometru")));
    EXPECT_TRUE(MemoText("Memo35").contains(U("termometru")));
    EXPECT_TRUE(MemoText("Memo32").contains(U("bok")));
    EXPECT_TRUE(MemoText("Memo38").contains(U("bok")));
}

TEST_F(Studies, TheTablePanelOpensWithTheRunAndStepsAsideOverIt) {
    Choose(kStudies[0]);
    Click("BitBtn39");
    EXPECT_EQ(S().SimulationMode, 7);
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_TRUE(Shown("Panel11"));
    EXPECT_TRUE(Shown("ScrollBox14"));
    EXPECT_FALSE(Shown("Button2"));

    Click("Button1");
    EXPECT_FALSE(Shown("Panel11"));
    EXPECT_TRUE(Shown("Button2"));
    EXPECT_TRUE(form->Timer().Enabled());
    Click("Button2");
    EXPECT_TRUE(Shown("Panel11"));
    EXPECT_FALSE(Shown("Button2"));
    Click("BitBtn40");
    EXPECT_FALSE(Shown("Panel11"));
    EXPECT_TRUE(Shown("Button2"));
    EXPECT_TRUE(form->Timer().Enabled());

    Click("BitBtn1");
    EXPECT_FALSE(Shown("Panel11"));
    EXPECT_FALSE(Shown("Button2"));

    Choose(kStudies[6]);
    Click("BitBtn13");
    EXPECT_EQ(S().SimulationMode, 5);
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_TRUE(Shown("Panel11"));
    // The panel leaves the gauge and its readings free.
    EXPECT_LE(W("Panel11")->geometry().right(), 697);
    for (const char* name : {"BitBtn27", "BitBtn28", "BitBtn35", "BitBtn36", "BitBtn40"}) {
        auto* button = W<QPushButton>(name);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 12, button->width())
            << name << " cuts its caption";
    }
}
