// The exercises' run buttons in the window: the set-up panel's "Zamknij", the experiment panel
// over a running experiment, and the heat transport placed off the window's thread.
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
    bool Enabled(const char* name) { return W(name)->isEnabled(); }
    // The heat transport places its particles off the window's thread; wait for the answer,
    // however long this machine takes.
    void WaitForPlacement() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !form->HeatPlacement().Busy(); }, 600'000));
    }
    QString Caption(const char* name) { return W<QLabel>(name)->text(); }
};

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
    Click("BitBtn25");
    EXPECT_FALSE(Shown("Panel2"));
    EXPECT_FALSE(Shown("BitBtn25"));
    EXPECT_TRUE(Shown("Panel1"));
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
