// The binding of the initial-conditions panel and the tool buttons to the run control: the
// controls' values reach the core as they change, the core's screen and messages reach the
// controls. The rules themselves are tested in the core.
#include <QCheckBox>
#include <QRadioButton>
#include <QSlider>

#include "FormTest.h"
#include "engine/Modes.h"
#include "ui/Pictures.h"

class RunControlWindow : public FormTest {
  protected:
    SimulationState& S() { return form->Sim().S; }
};

TEST_F(RunControlWindow, ThePanelCoversTheToolsAndStartRunsWithItsValues) {
    OpenDiffusionPanel();
    EXPECT_EQ(S().SimulationMode, kModeDiffusion);
    EXPECT_TRUE(Shown("Panel2"));
    EXPECT_FALSE(Shown("Panel1"));
    QWidget* top = form->Stage()->childAt(W("BitBtn7")->geometry().center());
    EXPECT_TRUE(W("Panel2")->isAncestorOf(top) || top == W("Panel2"));

    Spin("SpinEdit1")->SetValue(120);
    Spin("SpinEdit2")->SetValue(300);
    Spin("SpinEdit3")->SetValue(200);
    Spin("SpinEdit4")->SetValue(70);
    W<QRadioButton>("RadioButton4")->setChecked(true);
    clock.Advance(1234);
    Click("BitBtn3");
    EXPECT_EQ(S().ParticleCount, 120);
    EXPECT_EQ(S().VesselWidth, 300);
    EXPECT_EQ(S().VesselHeight, 200);
    EXPECT_EQ(S().ParticleSize, 5);
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_FALSE(Shown("Panel2"));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(RunControlWindow, EveryControlWritesItsValueIntoTheCoreAsItChanges) {
    const Controls& c = form->Sim().C;
    SetSpinText("SpinEdit4", QStringLiteral("80"));
    W<QSlider>("TrackBar3")->setValue(6);
    W<QRadioButton>("RadioButton2")->setChecked(true);
    form->findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->setChecked(false);
    EXPECT_EQ(c.MaxSpeed, 80);
    EXPECT_EQ(c.ParticleMass, 6);
    EXPECT_EQ(c.SizeChoice, 2);
    EXPECT_FALSE(c.StopAtLimit);
    // And the core's own changes show in the controls.
    Click("BitBtn12");
    Click("Label46");
    Click("BitBtn32");
    EXPECT_TRUE(W<QRadioButton>("RadioButton4")->isChecked());
}

namespace {

// The picture a button shows.
QImage IconOf(const char* name, TForm1& form) {
    auto* button = form.Stage()->findChild<QPushButton*>(QLatin1String(name));
    return button->icon()
        .pixmap(button->iconSize())
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

QImage Image(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

TEST_F(RunControlWindow, ThePauseButtonStopsTheFramesAndShowsAndSaysWhatItWillDo) {
    OpenDiffusionPanel();
    Click("BitBtn3");
    const int64_t now = clock.MillisecondStamp();
    clock.Advance(1);
    QTest::qWait(300);
    EXPECT_EQ(S().ClockNow, now + 1);
    // The vessel's wall, in the middle of its top edge.
    EXPECT_EQ(form->DrawingSurface().Front().pixel(370, S().VesselTop - 3) & 0xFFFFFFu, 0x0089BDu);
    const QImage pauseSign = Image(ToolGlyph(QStringLiteral("BitBtn6")));
    EXPECT_EQ(IconOf("BitBtn6", *form), pauseSign);
    Click("BitBtn6");
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Wznów"));
    // Paused, it shows the play sign, as players do.
    EXPECT_EQ(IconOf("BitBtn6", *form), Image(ResumeGlyph()));
    EXPECT_NE(Image(ResumeGlyph()), pauseSign);
    clock.Advance(1);
    QTest::qWait(100);
    EXPECT_EQ(S().ClockNow, now + 1);  // no frame while paused
    Click("BitBtn6");
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Pauza"));
    EXPECT_EQ(IconOf("BitBtn6", *form), pauseSign);
}

TEST_F(RunControlWindow, TheCoresMessagesShowOverTheScreenAsItIsThen) {
    OpenDiffusionPanel();
    Spin("SpinEdit6")->SetValue(99);
    QString limitShown;
    class Peek : public MessageSink {
      public:
        explicit Peek(std::function<void(const QString&, const QString&)> f) : f_(std::move(f)) {}
        void Show(MessageKind, QWidget*, const QString& title, const QString& text) override {
            f_(title, text);
        }
        std::function<void(const QString&, const QString&)> f_;
    } peek([&](const QString& title, const QString& text) {
        limitShown = Spin("SpinEdit6")->Text();
        recorder.Show(MessageKind::Error, nullptr, title, text);
    });
    SetMessageSink(&peek);
    Click("BitBtn3");
    SetMessageSink(&recorder);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].title, QStringLiteral("Bład"));
    EXPECT_EQ(recorder.messages[0].text,
              QStringLiteral("Nieprawidłowa wartość! Minimalna liczba zderzeń: 100"));
    EXPECT_EQ(limitShown, QStringLiteral("100"));

    Spin("SpinEdit1")->SetValue(1500);
    Spin("SpinEdit2")->SetValue(100);
    Spin("SpinEdit3")->SetValue(100);
    W<QRadioButton>("RadioButton9")->setChecked(true);
    Click("BitBtn3");
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[1].kind, MessageKind::Information);
    EXPECT_EQ(recorder.messages[1].title, QStringLiteral("KINETRA"));
    EXPECT_EQ(recorder.messages[1].text, QStringLiteral("Zmniejsz liczbę cząsteczek gazu"));
    EXPECT_TRUE(Shown("Panel2"));
}
