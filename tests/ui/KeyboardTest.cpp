// The keyboard on the real window: the run keys, Esc, F1 and F11, Enter and Space on links,
// the arrows on a track bar, the Tab order around covered tool buttons, and the names and
// hints that screen readers and the mouse pointer show.
#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QToolTip>

#include "FakePrinter.h"
#include "FormTest.h"
#include "engine/Modes.h"
#include "measure/PrintService.h"
#include "ui/Keyboard.h"
#include "ui/jedn_Unit.h"
#include "ui/o_programie_Unit.h"

namespace {

// A default printer that counts the jobs it is sent.
class JobCounter final : public PrintBackend {
  public:
    explicit JobCounter(int& jobs) : jobs_(jobs) {}
    std::optional<PrinterTarget> DefaultPrinter() override {
        return A4Printer(QStringLiteral("Sala 12"), 50);
    }
    int Submit(const PrinterTarget&, const QString&, const QString&, QString*) override {
        return ++jobs_;
    }

  private:
    int& jobs_;
};

QString AccessibleName(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

}  // namespace

class Keyboard : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        units = new Tjednostki(form.get());
        about = new TFO_programie(form.get());
        form->SetDialogs(about, units);
        form->SetPrintService(std::make_unique<PrintService>(std::make_unique<JobCounter>(jobs)));
        keys = new KeyboardControl(form.get(), [this] { ++toggles; });
    }
    SimulationState& S() { return form->Sim().S; }
    // A key as the user types it: to the control with the focus.
    void Key(Qt::Key key) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target && target->window() == form.get() ? target : form.get(), key);
    }
    void StartDiffusion() {
        OpenDiffusionPanel();
        Click("BitBtn3");
        ASSERT_TRUE(form->Timer().Enabled());
        ASSERT_FALSE(Shown("Panel2"));
    }
    // The names of the controls Tab visits from `first`, once round.
    QStringList TabRound(QWidget* first) {
        first->setFocus(Qt::TabFocusReason);
        QStringList names;
        for (int i = 0; i < 200; ++i) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus || (i > 0 && focus == first)) break;
            names << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        return names;
    }

    Tjednostki* units = nullptr;
    TFO_programie* about = nullptr;
    KeyboardControl* keys = nullptr;
    int jobs = 0;
    int toggles = 0;
};

TEST_F(Keyboard, SpacePausesAndResumesARun) {
    StartDiffusion();
    clock.Advance(2000);
    Key(Qt::Key_Space);
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Wznów"));
    EXPECT_EQ(S().PauseStart, clock.MillisecondStamp());
    clock.Advance(5000);
    Key(Qt::Key_Space);
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Pauza"));
    form->DXTimer1Timer(1);
    EXPECT_EQ(ElapsedSeconds(S()), 2);  // the paused five seconds are left out
}

TEST_F(Keyboard, RunKeysWaitWhileAPanelCoversTheToolButtons) {
    // The menu: Space presses the focused menu button, as Qt has it, and starts nothing.
    W("BitBtn8")->setFocus();
    Key(Qt::Key_Space);
    EXPECT_TRUE(Shown("Panel3"));
    EXPECT_FALSE(form->Timer().Enabled());
    // The set-up panel: no run starts and no restart happens behind it.
    Click("Label11");
    Click("BitBtn5");
    const int64_t start = S().ClockStart;
    clock.Advance(3000);
    for (Qt::Key k : {Qt::Key_Space, Qt::Key_R, Qt::Key_P})
        QTest::keyClick(form.get(), k);
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_EQ(S().ClockStart, start);
    EXPECT_EQ(jobs, 0);
    EXPECT_TRUE(Shown("Panel2"));
}

TEST_F(Keyboard, RRestartsAndPAsksBeforePrintingOnlyWhereDrukujIsEnabled) {
    StartDiffusion();
    clock.Advance(4000);
    form->DXTimer1Timer(1);
    Key(Qt::Key_R);
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
    EXPECT_TRUE(form->Timer().Enabled());
    // A stray P sends nothing: it asks first, naming the printer.
    recorder.answers = {false};
    Key(Qt::Key_P);
    ASSERT_EQ(recorder.questions.size(), 1u);
    EXPECT_TRUE(recorder.questions[0].text.contains(QStringLiteral("„Sala 12”")))
        << recorder.questions[0].text.toStdString();
    EXPECT_EQ(jobs, 0);
    EXPECT_TRUE(form->Timer().Enabled());
    recorder.answers = {true};
    Key(Qt::Key_P);
    EXPECT_EQ(jobs, 1);
    EXPECT_TRUE(form->Timer().Enabled());  // printing pauses and resumes
    // The button itself prints as it always has, without a question.
    Click("BitBtn19");
    EXPECT_EQ(jobs, 2);
    EXPECT_EQ(recorder.questions.size(), 2u);

    Key(Qt::Key_Escape);
    Click("BitBtn12");
    Click("Label46");
    Click("BitBtn32");
    ASSERT_EQ(S().SimulationMode, kModeTemperature);
    ASSERT_FALSE(W("BitBtn19")->isEnabled());
    Key(Qt::Key_P);
    EXPECT_EQ(jobs, 2);
    EXPECT_EQ(recorder.questions.size(), 2u) << "nothing to print, nothing asked";
}

TEST_F(Keyboard, EscapeLeavesARunOrItsSetUpForTheMenu) {
    StartDiffusion();
    Key(Qt::Key_Escape);
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_TRUE(Shown("Panel1"));
    EXPECT_TRUE(Shown("ScrollBox1"));  // the same pane still open

    // From the set-up panel, which covers "Wyjście": the panel goes too.
    Click("BitBtn5");
    ASSERT_TRUE(Shown("Panel2"));
    Key(Qt::Key_Escape);
    EXPECT_TRUE(Shown("Panel1"));
    EXPECT_FALSE(Shown("Panel2"));

    // The free-path study's own set-up panel over the menu closes as "Zamknij" does.
    Click("BitBtn11");
    Click("Label22");
    Click("BitBtn23");
    ASSERT_TRUE(Shown("BitBtn25"));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Shown("Panel2"));
    EXPECT_FALSE(Shown("BitBtn25"));
    EXPECT_TRUE(Shown("ScrollBox3"));

    // At the menu Esc does nothing at all.
    Key(Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(Shown("Panel1"));
}

TEST_F(Keyboard, F1OpensTheUnitsDialogAndEscClosesIt) {
    QWidget* seen = nullptr;
    QTimer::singleShot(0, [&] {
        seen = QApplication::activeModalWidget();
        if (seen) QTest::keyClick(seen, Qt::Key_Escape);
    });
    Key(Qt::Key_F1);  // returns when the dialog closes
    EXPECT_EQ(seen, units);
    EXPECT_FALSE(units->isVisible());

    // Inside the dialog the window's keys do nothing.
    StartDiffusion();
    QTimer::singleShot(0, [&] {
        seen = QApplication::activeModalWidget();
        if (!seen) return;
        QTest::keyClick(seen, Qt::Key_Space);
        QTest::keyClick(seen, Qt::Key_Escape);
    });
    seen = nullptr;
    Key(Qt::Key_F1);
    EXPECT_EQ(seen, units);
    EXPECT_FALSE(units->isVisible());
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_FALSE(Shown("Panel1"));
}

TEST_F(Keyboard, F11AsksForTheOtherScreenMode) {
    Key(Qt::Key_F11);
    EXPECT_EQ(toggles, 1);
    StartDiffusion();
    Key(Qt::Key_F11);
    EXPECT_EQ(toggles, 2);
}

TEST_F(Keyboard, EnterAndSpaceOpenTheFocusedExerciseLink) {
    Click("BitBtn8");
    W("Label13")->setFocus();
    ASSERT_TRUE(W("Label13")->hasFocus()) << "links take the focus";
    Key(Qt::Key_Return);
    EXPECT_TRUE(Shown("ScrollBox2"));
    W("Label11")->setFocus();
    Key(Qt::Key_Space);
    EXPECT_TRUE(Shown("ScrollBox1"));
    EXPECT_FALSE(Shown("ScrollBox2"));
    // Enter presses a focused button too.
    W("BitBtn5")->setFocus();
    Key(Qt::Key_Enter);
    EXPECT_TRUE(Shown("Panel2"));
}

TEST_F(Keyboard, TheSetUpPanelOpensOnTheCheckedSizeWhereEnterStarts) {
    Click("BitBtn8");
    Click("Label11");
    W("BitBtn5")->setFocus();
    Key(Qt::Key_Return);
    ASSERT_TRUE(Shown("Panel2"));
    auto* checked = W<QRadioButton>("RadioButton8");
    ASSERT_TRUE(checked->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), checked);
    Key(Qt::Key_Return);
    EXPECT_FALSE(Shown("Panel2"));
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_EQ(form->Sim().C.SizeChoice, 8) << "Enter starts with the size checked";

    // Another size: the panel opens on it, and Enter in a number box starts as well.
    Key(Qt::Key_Escape);
    W<QRadioButton>("RadioButton3")->setChecked(true);
    W("BitBtn5")->setFocus();
    Key(Qt::Key_Return);
    ASSERT_TRUE(Shown("Panel2"));
    EXPECT_EQ(QApplication::focusWidget(), W("RadioButton3"));
    Spin("SpinEdit1")->setFocus();
    Key(Qt::Key_Return);
    EXPECT_FALSE(Shown("Panel2"));
    EXPECT_EQ(S().ParticleSize, 3);
}

// How many pixels of `w` turn black or white when it takes the focus by Tab.
int FocusMarkPixels(QWidget* w) {
    w->clearFocus();
    const QImage plain = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    w->setFocus(Qt::TabFocusReason);
    const QImage marked = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < marked.height(); ++y) {
        for (int x = 0; x < marked.width(); ++x) {
            const QRgb c = marked.pixel(x, y) & 0xFFFFFFu;
            if ((c == 0 || c == 0xFFFFFFu) && c != (plain.pixel(x, y) & 0xFFFFFFu)) ++n;
        }
    }
    return n;
}

TEST_F(Keyboard, TabMarksTheFocusOnEveryKindOfControlAndTheMouseSeesNoMark) {
    // Before the keyboard moves the focus, the controls look as they always have.
    EXPECT_EQ(FocusMarkPixels(W("BitBtn8")), 0);
    EXPECT_EQ(FocusMarkPixels(W("VelocityLines")), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

    std::vector<const char*> seen;
    const auto check = [&](std::initializer_list<const char*> names) {
        for (const char* name : names) {
            QWidget* w = W(name);
            // At least a quarter of a two-pixel ring along the control's edge.
            EXPECT_GE(FocusMarkPixels(w), w->width() + w->height()) << name;
        }
    };
    check({"BitBtn8", "LanguageButton", "VelocityLines"});
    Click("BitBtn8");
    check({"Label11", "Label13"});
    Click("Label11");
    check({"BitBtn5"});
    Click("BitBtn5");
    check({"RadioButton8", "SpinEdit1", "ConditionsModelHistogram", "BitBtn3"});
    Click("BitBtn3");
    check({"BitBtn6"});
    Key(Qt::Key_Escape);
    Click("BitBtn16");
    Click("Label97");
    Click("BitBtn39");
    check({"TrackBar1", "Edit69", "BitBtn35"});
}

TEST_F(Keyboard, ArrowsMoveTheFocusedTrackBar) {
    Click("BitBtn16");
    Click("Label64");
    Click("BitBtn15");
    ASSERT_EQ(S().SimulationMode, kModePressure);
    auto* mass = W<QSlider>("TrackBar3");
    mass->setFocus();
    const int before = mass->value();
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(mass->value(), before + 2);
    EXPECT_EQ(form->Sim().C.ParticleMass, before + 2);
    Key(Qt::Key_Left);
    EXPECT_EQ(mass->value(), before + 1);
    EXPECT_TRUE(form->Timer().Enabled());
}

TEST_F(Keyboard, TabPassesCoveredToolButtonsAndReachesThemInARun) {
    const QStringList menu = TabRound(W("BitBtn11"));
    const QStringList buttons = {"BitBtn11", "BitBtn8",  "BitBtn9",  "BitBtn12", "BitBtn16",
                                 "BitBtn17", "BitBtn26", "BitBtn10", "BitBtn4",  "BitBtn2"};
    EXPECT_EQ(menu.mid(0, buttons.size()), buttons);
    for (const char* tool : {"BitBtn7", "BitBtn6", "BitBtn18", "BitBtn19", "BitBtn1"}) {
        EXPECT_FALSE(menu.contains(QLatin1String(tool))) << tool << " is under the menu";
    }

    Click("BitBtn8");
    const QStringList topic = TabRound(W("BitBtn11"));
    const int link = topic.indexOf(QStringLiteral("Label11"));
    EXPECT_GT(link, topic.indexOf(QStringLiteral("BitBtn2")));
    EXPECT_EQ(topic.value(link + 1), QStringLiteral("Label13"));

    StartDiffusion();
    const QStringList run = TabRound(W("BitBtn7"));
    EXPECT_EQ(run.mid(0, 5),
              QStringList({"BitBtn7", "BitBtn6", "BitBtn18", "BitBtn19", "BitBtn1"}));
    EXPECT_FALSE(run.contains(QStringLiteral("BitBtn8")));
    // Back in the menu they drop out of the round again.
    Key(Qt::Key_Escape);
    EXPECT_FALSE(TabRound(W("BitBtn11")).contains(QStringLiteral("BitBtn6")));
}

TEST_F(Keyboard, EveryButtonHasAPolishAccessibleName) {
    KeyboardControl::NameButtons(units);
    KeyboardControl::NameButtons(about);
    for (QWidget* root :
         {form->Stage(), static_cast<QWidget*>(units), static_cast<QWidget*>(about)}) {
        for (QAbstractButton* b : root->findChildren<QAbstractButton*>()) {
            EXPECT_FALSE(AccessibleName(b).trimmed().isEmpty()) << b->objectName().toStdString();
        }
    }
    EXPECT_EQ(AccessibleName(W("BitBtn7")), QStringLiteral("Zacznij od nowa"));
    EXPECT_EQ(AccessibleName(W("BitBtn1")), QStringLiteral("Wyjście"));
    EXPECT_EQ(AccessibleName(W("BitBtn8")), QStringLiteral("Dyfuzja"));
    EXPECT_EQ(AccessibleName(W("TrackBar2")), QStringLiteral("Średnia prędkość cząsteczek"));
    EXPECT_EQ(W("BitBtn6")->accessibleDescription(), QStringLiteral("Klawisz: spacja"));
    // The pause button's name follows its hint.
    StartDiffusion();
    Key(Qt::Key_Space);
    EXPECT_EQ(AccessibleName(W("BitBtn6")), QStringLiteral("Wznów"));
}

TEST_F(Keyboard, ShownHintsNameTheKeysWhileTheHintsStayAsTheyAre) {
    const std::pair<const char*, const char*> tools[] = {
        {"BitBtn7", "Zacznij od nowa"}, {"BitBtn6", "Pauza"},   {"BitBtn18", "Parametry"},
        {"BitBtn19", "Drukuj"},         {"BitBtn1", "Wyjście"},
    };
    for (const auto& [name, hint] : tools) {
        EXPECT_EQ(Hint(name), QString::fromUtf8(hint));
    }
    StartDiffusion();
    auto* pause = W<QAbstractButton>("BitBtn6");
    QHelpEvent help(QEvent::ToolTip, pause->rect().center(),
                    pause->mapToGlobal(pause->rect().center()));
    QApplication::sendEvent(pause, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Pauza (spacja)"));
    QToolTip::hideText();
    EXPECT_EQ(KeyboardControl::ShownHint(W<QAbstractButton>("BitBtn7")),
              QStringLiteral("Zacznij od nowa (R)"));
    EXPECT_EQ(KeyboardControl::ShownHint(W<QAbstractButton>("BitBtn1")),
              QStringLiteral("Wyjście (Esc)"));
    EXPECT_EQ(KeyboardControl::ShownHint(W<QAbstractButton>("BitBtn19")),
              QStringLiteral("Drukuj (P)"));
}

TEST_F(Keyboard, TextBoxesKeepTheirKeys) {
    // A temperature study's table is open during the run: typing goes into its cells.
    Click("BitBtn12");
    Click("Label47");
    Click("BitBtn13");
    ASSERT_TRUE(form->Timer().Enabled());
    if (!Shown("Panel11")) Click("Button2");
    QLineEdit* cell = nullptr;
    for (QLineEdit* edit : W("Panel11")->findChildren<QLineEdit*>()) {
        if (edit->isVisible() && !edit->isReadOnly()) {
            cell = edit;
            break;
        }
    }
    ASSERT_NE(cell, nullptr);
    cell->setFocus();
    Key(Qt::Key_Space);
    Key(Qt::Key_P);
    Key(Qt::Key_R);
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_EQ(jobs, 0);
}
