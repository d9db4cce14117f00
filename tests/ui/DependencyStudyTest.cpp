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
    const char* title;
    const char* descriptionStart;
    const char* x1;
    const char* x2;
    const char* chart2;
    const char* xCaption;
    int kind;
    const char* memo;
};

// The texts as the pupil must see them, typos and double blanks included.
const StudyCase kStudies[] = {
    {"BitBtn16", "Label97", "Badanie zależności ciśnienia od ilości cząsteczek gazu",
     "Zbadamy czy i jak zależy ciśnienie gazu od liczby cząsteczek gazu", "Liczba", "cząsteczek N",
     "od liczby cząsteczek gazu", "N", 2, "Memo75"},
    {"BitBtn16", "Label98", "Badanie zależności ciśnienia od średniej prędkości cząsteczek gazu",
     "Zbadamy czy i jak zależy ciśnienie gazu od średniej prędkości", "Śr. prędkość",
     "cząsteczek Vśr", "od średniej prędkości cząsteczek gazu", "Vśr [jedn.]", 3, "Memo34"},
    {"BitBtn16", "Label99", "Badanie zależności ciśnienia od masy cząsteczek gazu",
     "Zbadamy czy i jak zależy ciśnienie gazu od masy", "Masa", "cząsteczek m",
     "od masy cząsteczek gazu", "m [u]", 2, "Memo33"},
    {"BitBtn16", "Label100", "Badanie zależności ciśnienia od wielkości naczynia",
     "Zbadamy czy i jak zależy ciśnienie gazu od wielkości naczynia. Doświadczenie będzie "
     "polegało na pomiarze ciśnienia dla różnych wartoci objetości naczynia.",
     "Objętość", "naczynia V", "od objętości naczynia", "V [jedn.]", 1, "Memo32"},
    {"BitBtn12", "Label47", "Badanie zależności temperatury od ilości cząsteczek gazu",
     "Zbadamy czy i jak zależy temperatura gazu od liczby cząsteczek zbajdujących się", "Liczba",
     "cząsteczek N", "od liczby cząsteczek gazu", "N", 2, "Memo35"},
    {"BitBtn12", "Label65", "Badanie zależności temperatury od średniej prędkości cząsteczek gazu",
     "Zbadamy czy i jak zależy temperatura gazu od średniej prędkości", "Śr. prędkość",
     "cząsteczek Vśr", "od śedniej prędkości cząsteczek gazu", "Vśr [jedn.]", 3, "Memo36"},
    {"BitBtn12", "Label75", "Badanie zależności temperatury od masy cząsteczek gazu",
     "Zbadamy czy i jak zależy temperatura gazu od masy", "Masa", "cząsteczek m",
     "od masy cząsteczek gazu", "m [u]", 2, "Memo37"},
    {"BitBtn12", "Label76", "Badanie zależności temperatury od wielkości naczynia",
     "Zbadamy czy i jak zależy temperatura gazu od wielkości naczynia.", "Objętość", "naczynia V",
     "od objętości naczynia", "V [jedn]", 2, "Memo38"},
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

TEST_F(Studies, ChoosingAStudyWritesItsTextsCaptionsAndCurve) {
    for (const StudyCase& e : kStudies) {
        SCOPED_TRACE(e.link);
        Choose(e);
        const bool pressure = std::string(e.topic) == "BitBtn16";
        EXPECT_TRUE(Shown(pressure ? "ScrollBox13" : "ScrollBox5"));
        EXPECT_FALSE(Shown(pressure ? "ScrollBox10" : "ScrollBox8"));
        EXPECT_EQ(Text(pressure ? "Label72" : "Label43"), U(e.title));
        const QString description = MemoText(pressure ? "Memo72" : "Memo24");
        EXPECT_TRUE(description.startsWith(U(e.descriptionStart))) << description.toStdString();
        EXPECT_FALSE(description.contains(QLatin1Char('\n')));

        // The table's title is the link's caption without "2." and the like; its blank stays.
        EXPECT_EQ(U(" ") + Text(e.link).mid(3), Text("Label101"));
        EXPECT_TRUE(Text("Label101").startsWith(U(" Badanie zależności ")));
        EXPECT_EQ(Text("Label103"), pressure ? U("Ciśnienie") : U("Temperatura"));
        EXPECT_EQ(Text("Label102"), U(e.x1));
        EXPECT_EQ(Text("Label105"), U(e.x2));
        EXPECT_EQ(Text("Label115"), pressure ? U("Wykres zależności ciśnienia gazu")
                                             : U("Wykres zależności temperatury gazu"));
        EXPECT_EQ(Text("Label116"), U(e.chart2));
        EXPECT_EQ(S().ChartXCaption, e.xCaption);
        EXPECT_EQ(S().ChartKind, e.kind);
        for (const char* memo : kMemos)
            EXPECT_EQ(!W(memo)->isHidden(), std::string(memo) == e.memo) << memo;
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

TEST_F(Studies, HeadingsStayApartWhateverTheStudyWrites) {
    W("Panel11")->show();
    for (const StudyCase& e : kStudies) {
        SCOPED_TRACE(e.link);
        Choose(e);
        const QRect x1 = W("Label102")->geometry();
        const QRect x2 = W("Label105")->geometry();
        const QRect quantity = W("Label103")->geometry();
        EXPECT_LT(std::max(x1.right(), x2.right()), quantity.left());
        EXPECT_LT(x2.right(), Cell(70)->x() + 169);
        if (!W("Label104")->isHidden()) {
            EXPECT_LT(quantity.right(), W("Label104")->x());
            EXPECT_LT(W("Label104")->geometry().right(), W("Label74")->x());
        }
        EXPECT_LT(W("Label116")->geometry().right(), 640);
        EXPECT_LT(W("Label101")->geometry().right(), 650);
    }
    for (const char* button : {"BitBtn27", "BitBtn28", "BitBtn35", "BitBtn36", "BitBtn40"}) {
        auto* b = W<QPushButton>(button);
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + 12, b->width()) << button;
    }
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
}
