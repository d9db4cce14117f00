// The exercises' run buttons for the free path, the diffusion chart, the wall collisions, the
// temperature, the pressure and the heat transport, and what Start and restart do after them.
#include <QApplication>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include "FormTest.h"
#include "engine/Experiment.h"
#include "engine/Modes.h"
#include "ui/texts/PolishTexts.h"

// Failures show the texts, not their bytes.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

// Menu button, exercise link and run button of one exercise.
struct Exercise {
    const char* topic;
    const char* link;
    const char* run;
    Mode mode;
};

const Exercise kPanelExercises[] = {
    {"BitBtn11", "Label20", "BitBtn24", kModeFreePath},
    {"BitBtn11", "Label22", "BitBtn20", kModeFreePath},
    {"BitBtn11", "Label23", "BitBtn29", kModeFreePath},
    {"BitBtn8", "Label13", "BitBtn21", kModeDiffusionChart},
    {"BitBtn9", "Label26", "BitBtn30", kModeWallCollisions},
};

// Stale places that leave no room in the heat transport's partition strip: every try of its
// placement runs out of attempts there.
void BlockPartitionStrip(SimulationState& s) {
    int i = 716;
    for (int column = 0; column < 5; ++column) {
        for (int row = 0; row < 27; ++row) {
            s.PosX[i] = 495 + 11 * column;
            s.PosY[i] = 305 + 11 * row;
            ++i;
        }
    }
}

}  // namespace

class ModeStart : public FormTest {
  protected:
    SimulationState& S() { return form->Sim().S; }
    void Open(const Exercise& e) {
        Click(e.topic);
        Click(e.link);
        Click(e.run);
    }
    bool Enabled(const char* name) { return W(name)->isEnabled(); }
    // The heat transport places its particles off the window's thread; wait for the answer,
    // however long this machine takes.
    void WaitForPlacement() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !form->HeatPlacement().Busy(); }, 600'000));
    }
    QString Caption(const char* name) { return W<QLabel>(name)->text(); }
    // The pressure experiment running from exercise 1 of its topic.
    void StartPressure() {
        Click("BitBtn16");
        Click("Label64");
        Click("BitBtn15");
        ASSERT_EQ(S().SimulationMode, kModePressure);
    }
};

TEST_F(ModeStart, PanelModesInitialiseAndOpenTheInitialConditionsPanel) {
    for (const Exercise& e : kPanelExercises) {
        SCOPED_TRACE(e.run);
        Spin("SpinEdit1")->SetValue(80);
        S().WallHits.Fill(5);
        Open(e);
        EXPECT_EQ(S().SimulationMode, e.mode);
        EXPECT_EQ(S().ParticleCount, 80);
        EXPECT_EQ(S().InitOk, 1);
        EXPECT_EQ(S().WallHits[3], 0);
        if (e.mode == kModeFreePath) {
            EXPECT_EQ(S().PathCount, 1);
        }
        EXPECT_TRUE(Shown("Panel2"));
        EXPECT_TRUE(Shown("BitBtn3"));
        EXPECT_FALSE(Shown("Panel1"));
        EXPECT_FALSE(form->Timer().Enabled());

        // Start initialises the same mode again with the panel's values as they are now.
        Spin("SpinEdit1")->SetValue(60);
        Click("BitBtn3");
        EXPECT_EQ(S().SimulationMode, e.mode);
        EXPECT_EQ(S().ParticleCount, 60);
        EXPECT_TRUE(form->Timer().Enabled());
        EXPECT_FALSE(Shown("Panel2"));
        Click("BitBtn1");
    }
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ModeStart, APanelModeThatCannotPlaceItsGasSaysSoAndStartRefuses) {
    Spin("SpinEdit1")->SetValue(200);
    Spin("SpinEdit2")->SetValue(100);
    Spin("SpinEdit3")->SetValue(100);
    W<QRadioButton>("RadioButton9")->setChecked(true);
    Open(kPanelExercises[4]);
    EXPECT_EQ(S().InitOk, 0);
    ASSERT_EQ(Texts(), std::vector<QString>{QStringLiteral("Zmniejsz liczbę cząsteczek gazu")});
    EXPECT_TRUE(Shown("Panel2"));
    Click("BitBtn3");
    EXPECT_EQ(recorder.messages.size(), 2u);
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_TRUE(Shown("Panel2"));
}

TEST_F(ModeStart, SettingUpTheFreePathStudyAndClosingThePanel) {
    Click("BitBtn11");
    Click("Label22");
    Click("BitBtn23");
    EXPECT_TRUE(Shown("Panel2"));
    EXPECT_TRUE(Shown("BitBtn25"));
    EXPECT_TRUE(Shown("Panel1"));
    // "Zamknij" lies over Start.
    QWidget* top = form->Stage()->childAt(W("BitBtn3")->mapTo(form->Stage(), QPoint(5, 5)));
    EXPECT_EQ(top, W("BitBtn25"));
    EXPECT_EQ(S().SimulationMode, 0);

    Click("BitBtn25");
    EXPECT_FALSE(Shown("Panel2"));
    EXPECT_FALSE(Shown("BitBtn25"));
    EXPECT_TRUE(Shown("Panel1"));

    // Run from the set-up panel left open: Start is reachable again.
    Click("BitBtn23");
    Click("BitBtn29");
    EXPECT_FALSE(Shown("BitBtn25"));
    EXPECT_TRUE(Shown("BitBtn3"));
    EXPECT_EQ(S().SimulationMode, kModeFreePath);
}

TEST_F(ModeStart, FreePathStudyRefusesAFewCollisionsThenStopsItselfAtTheLimit) {
    Click("BitBtn11");
    Click("Label22");
    EXPECT_FALSE(W("SpinEdit6")->isHidden());
    // Many fast particles: the tracked one meets a hundred partners in a few hundred frames.
    Spin("SpinEdit1")->SetValue(600);
    Spin("SpinEdit4")->SetValue(300);
    W<QRadioButton>("RadioButton6")->setChecked(true);
    SetSpinText("SpinEdit6", QStringLiteral("50"));
    Click("BitBtn20");
    Click("BitBtn3");
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].title, QStringLiteral("Bład"));
    EXPECT_EQ(recorder.messages[0].text,
              QStringLiteral("Nieprawidłowa wartość! Minimalna liczba zderzeń: 100"));
    EXPECT_EQ(Spin("SpinEdit6")->Value(), 100);
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_TRUE(Shown("Panel2"));

    Click("BitBtn3");
    ASSERT_TRUE(form->Timer().Enabled());
    int before = S().PathCount;
    for (int tick = 0; tick < 100000 && form->Timer().Enabled(); ++tick) {
        before = S().PathCount;
        clock.Advance(16);
        form->DXTimer1Timer(1);
    }
    ASSERT_FALSE(form->Timer().Enabled());
    // Paused on the first frame that showed 100 collisions or more.
    EXPECT_LE(before - 1, 99);
    EXPECT_GE(S().PathCount - 1, 100);
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Wznów"));
    EXPECT_EQ(S().PauseStart, clock.MillisecondStamp());
}

TEST_F(ModeStart, TemperatureAndPressureStartAtOnceWithTheExperimentPanel) {
    struct Case {
        const char* topic;
        const char* link;
        const char* run;
        Mode mode;
        bool printable;
    };
    const Case cases[] = {
        {"BitBtn12", "Label46", "BitBtn32", kModeTemperature, false},
        {"BitBtn16", "Label64", "BitBtn15", kModePressure, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.run);
        Click(c.topic);
        Click(c.link);
        W<QRadioButton>("RadioButton8")->setChecked(true);
        W("BitBtn19")->setEnabled(!c.printable);
        W<QSlider>("TrackBar1")->setValue(150);
        W<QSlider>("TrackBar3")->setValue(3);
        W<QSlider>("TrackBar4")->setValue(450);
        Click(c.run);
        EXPECT_TRUE(W<QRadioButton>("RadioButton4")->isChecked());
        EXPECT_EQ(S().SimulationMode, c.mode);
        EXPECT_EQ(S().ParticleSize, 5);
        EXPECT_EQ(S().ParticleCount, 150);
        EXPECT_EQ(S().VesselWidth, 450);
        EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
        EXPECT_TRUE(form->Timer().Enabled());
        EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Pauza"));
        EXPECT_FALSE(Shown("Panel1"));
        EXPECT_FALSE(Shown("Panel2"));
        EXPECT_TRUE(Shown("Panel8"));
        EXPECT_FALSE(Enabled("BitBtn18"));
        EXPECT_EQ(Enabled("BitBtn19"), c.printable);
        EXPECT_EQ(Caption("Label49"), QStringLiteral("Liczba cząsteczek: 150"));
        EXPECT_EQ(Caption("Label60"), QStringLiteral("Masa cząsteczki gazu: 3 u"));
        EXPECT_EQ(Caption("Label61"), QStringLiteral("Szerokość naczynia: 450 jedn."));
        EXPECT_EQ(Caption("Label59"),
                  QString::fromStdString(
                      WordCaptions(form->Sim().Captions, PolishSurfaceTexts()).MeanSpeed));
        EXPECT_TRUE(Caption("Label59").startsWith(QStringLiteral("Vśr. cząsteczek = ")));
        Click("BitBtn1");
        EXPECT_FALSE(Shown("Panel8"));
    }
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ModeStart, HeatTransportTriesUntilItsPartitionIsPlacedThenRuns) {
    Click("BitBtn17");
    Click("Label69");
    W("Panel8")->show();
    W<QSlider>("TrackBar3")->setValue(2);
    Click("BitBtn34");
    WaitForPlacement();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(S().SimulationMode, kModeHeatTransport);
    EXPECT_EQ(S().InitOk, 1);
    EXPECT_EQ(S().ParticleCount, 850);
    EXPECT_TRUE(W<QRadioButton>("RadioButton4")->isChecked());
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_FALSE(Shown("Panel1"));
    EXPECT_FALSE(Shown("Panel8"));
    EXPECT_FALSE(Enabled("BitBtn18"));
    EXPECT_TRUE(Enabled("BitBtn19"));
    EXPECT_EQ(Caption("Label49"), QStringLiteral("Liczba cząsteczek: 850"));
    EXPECT_EQ(Caption("Label60"), QStringLiteral("Masa cząsteczki gazu: 2 u"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ModeStart, HeatTransportGivesUpAfterItsTriesAndStaysOnTheExercise) {
    Click("BitBtn17");
    Click("Label69");
    BlockPartitionStrip(S());
    form->SetHeatTransportRetries(2, 600'000);
    // The window handles its events while the tries go on, before it gives up.
    bool handledBeforeTheMessage = false;
    QTimer::singleShot(0, form.get(), [&] { handledBeforeTheMessage = recorder.messages.empty(); });
    Click("BitBtn34");
    WaitForPlacement();
    EXPECT_TRUE(handledBeforeTheMessage);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].kind, MessageKind::Information);
    EXPECT_TRUE(recorder.messages[0].text.startsWith(
        QStringLiteral("Nie udało się rozmieścić cząsteczek gazu i przegrody")));
    EXPECT_EQ(S().InitOk, 0);
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_TRUE(Shown("Panel1"));
    EXPECT_TRUE(Shown("ScrollBox12"));
    EXPECT_TRUE(Enabled("BitBtn18"));
    EXPECT_EQ(Caption("Label49"), QStringLiteral("Liczba cząsteczek"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ModeStart, RestartRenewsTheTemperatureThePressureAndTheHeatTransport) {
    Click("BitBtn12");
    Click("Label46");
    Click("BitBtn32");
    const QString speed = Caption("Label59");
    Spin("SpinEdit4")->SetValue(200);
    clock.Advance(3000);
    Click("BitBtn7");
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
    EXPECT_NE(Caption("Label59"), speed);
    EXPECT_EQ(
        Caption("Label59"),
        QString::fromStdString(WordCaptions(form->Sim().Captions, PolishSurfaceTexts()).MeanSpeed));
    Click("BitBtn1");

    StartPressure();
    const SimulationState pressure = S();
    clock.Advance(3000);
    Click("BitBtn7");
    // A fresh gas, as if the run had just been started.
    EXPECT_EQ(S().SimulationMode, kModePressure);
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
    EXPECT_NE(S().PosX[7], pressure.PosX[7]);
    EXPECT_TRUE(form->Timer().Enabled());
    Click("BitBtn1");

    Click("BitBtn17");
    Click("Label69");
    Click("BitBtn34");
    WaitForPlacement();
    ASSERT_EQ(S().SimulationMode, kModeHeatTransport);
    const SimulationState heat = S();
    clock.Advance(3000);
    Click("BitBtn7");
    WaitForPlacement();
    EXPECT_EQ(S().SimulationMode, kModeHeatTransport);
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
    EXPECT_NE(S().PosX[700], heat.PosX[700]);
    EXPECT_TRUE(form->Timer().Enabled());

    // Restarted during a pause, it stays paused and counts from the restart on.
    Click("BitBtn6");
    clock.Advance(2000);
    Click("BitBtn7");
    WaitForPlacement();
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_EQ(S().PauseStart, clock.MillisecondStamp());
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Wznów"));
    EXPECT_TRUE(recorder.messages.empty());
}

// While the particles look for their places, the window answers, says what it is doing and can
// be left; the placement left behind changes nothing and reports nothing.
TEST_F(ModeStart, HeatTransportPlacesItsParticlesWhileTheWindowAnswersAndCanBeLeft) {
    Click("BitBtn17");
    Click("Label69");
    BlockPartitionStrip(S());
    const SimulationState before = S();
    // Hopeless tries, far more of them than the test takes: leaving stops them.
    form->SetHeatTransportRetries(2000, 600'000'000);
    Click("BitBtn34");
    ASSERT_TRUE(form->HeatPlacement().Busy());
    auto* note = W<QLabel>("PlacementNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), QStringLiteral("Trwa rozmieszczanie cząsteczek…"));
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    // Queued events are handled meanwhile.
    bool answered = false;
    QTimer::singleShot(0, form.get(), [&] { answered = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }, 600'000));
    EXPECT_TRUE(form->HeatPlacement().Busy());

    Click("BitBtn1");  // "Wyjście"
    EXPECT_FALSE(form->HeatPlacement().Busy());
    QTest::qWait(50);
    EXPECT_FALSE(note->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_TRUE(Shown("Panel1"));
    EXPECT_EQ(S().SimulationMode, before.SimulationMode);
    EXPECT_EQ(S().PosX[1], before.PosX[1]);
    EXPECT_EQ(S().PosY[800], before.PosY[800]);

    // Started again and left for another topic, it is dropped the same way.
    Click("BitBtn34");
    ASSERT_TRUE(form->HeatPlacement().Busy());
    Click("BitBtn8");
    EXPECT_FALSE(form->HeatPlacement().Busy());
    EXPECT_FALSE(note->isVisible());
    EXPECT_EQ(S().PosX[700], before.PosX[700]);
}
