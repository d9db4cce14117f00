// Full screen and window: the stage keeps its place and size on a full screen, and in a window
// it is scaled to fit, centred on black, still answering clicks, and comes back unchanged.
#include <QGraphicsProxyWidget>
#include <QGraphicsView>

#include "FormTest.h"
#include "core/Catalogue.h"
#include "ui/Keyboard.h"
#include "ui/NavigationBinding.h"
#include "ui/ScreenMode.h"

class Screens : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        mode = new ScreenMode(form.get());
    }
    // Where a control of the stage shows in the window's view.
    QPoint InView(const char* name) {
        QWidget* w = W(name);
        const QPointF onStage = w->mapTo(form->Stage(), w->rect().center());
        QGraphicsProxyWidget* proxy = form->Stage()->graphicsProxyWidget();
        return mode->View()->mapFromScene(proxy->mapToScene(onStage));
    }
    // The stage's rectangle in the window.
    QRect StageInView() {
        QGraphicsProxyWidget* proxy = form->Stage()->graphicsProxyWidget();
        return mode->View()->mapFromScene(proxy->sceneBoundingRect()).boundingRect();
    }
    ScreenMode* mode = nullptr;
};

TEST(ScreenModeMaths, ScaleKeepsTheProportions) {
    EXPECT_DOUBLE_EQ(ScreenMode::FitScale({1024, 768}), 1.0);
    EXPECT_DOUBLE_EQ(ScreenMode::FitScale({800, 600}), 0.78125);
    EXPECT_DOUBLE_EQ(ScreenMode::FitScale({1920, 1080}), 1.40625);
    EXPECT_DOUBLE_EQ(ScreenMode::FitScale({1366, 768}), 1.0);
    EXPECT_DOUBLE_EQ(ScreenMode::FitScale({3840, 2160}), 2.8125);
    EXPECT_DOUBLE_EQ(ScreenMode::FitScale({2048, 600}), 0.78125);

    const QRect big = ScreenMode::FirstWindowPlace(QRect(0, 0, 3840, 2160));
    EXPECT_EQ(big.size(), QSize(1024, 768));  // never larger than the stage's own size
    EXPECT_EQ(big.center(), QRect(0, 0, 3840, 2160).center());
    const QRect small = ScreenMode::FirstWindowPlace(QRect(0, 30, 1024, 738));
    EXPECT_LE(small.width(), 1024 * 0.85 + 1);
    EXPECT_LE(small.height(), 738 * 0.85 + 1);
    EXPECT_NEAR(double(small.width()) / small.height(), 4.0 / 3.0, 0.01);
    EXPECT_TRUE(QRect(0, 30, 1024, 738).contains(small));
}

TEST_F(Screens, AWindowScalesTheStageCentredOnBlack) {
    mode->ShowWindowed();
    ASSERT_TRUE(mode->Windowed());
    ASSERT_NE(mode->View(), nullptr);
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(form->isFullScreen());

    form->resize(1200, 600);
    EXPECT_DOUBLE_EQ(mode->Scale(), 0.78125);
    const QRect stage = StageInView();
    EXPECT_NEAR(stage.width(), 800, 1);
    EXPECT_NEAR(stage.height(), 600, 1);
    EXPECT_NEAR(stage.left(), 200, 1);
    EXPECT_NEAR(stage.top(), 0, 1);

    const QImage shot = form->grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    auto at = [&](int x, int y) { return QColor(shot.pixel(int(x * dpr), int(y * dpr))); };
    EXPECT_EQ(at(100, 300), QColor(Qt::black));
    EXPECT_EQ(at(1100, 300), QColor(Qt::black));
    // The menu's steel blue, inside its bevel, between the banner and the buttons.
    EXPECT_EQ(at(600, 100), QColor(17, 99, 142));

    form->resize(640, 900);
    EXPECT_DOUBLE_EQ(mode->Scale(), 0.625);
    EXPECT_NEAR(StageInView().top(), (900 - 480) / 2, 1);
    EXPECT_NEAR(StageInView().left(), 0, 1);
}

TEST_F(Screens, ControlsAnswerClicksAtTheirScaledPlaces) {
    mode->ShowWindowed();
    form->resize(700, 525);
    QTest::mouseClick(mode->View()->viewport(), Qt::LeftButton, {}, InView("BitBtn8"));
    EXPECT_TRUE(Shown("Panel3"));
    QTest::mouseClick(mode->View()->viewport(), Qt::LeftButton, {}, InView("Label11"));
    EXPECT_TRUE(Shown("ScrollBox1"));
    QTest::mouseClick(mode->View()->viewport(), Qt::LeftButton, {}, InView("BitBtn5"));
    QTest::mouseClick(mode->View()->viewport(), Qt::LeftButton, {}, InView("BitBtn3"));
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_FALSE(Shown("Panel2"));
}

TEST_F(Screens, FullScreenAgainPutsTheStageBackAsItWas) {
    OpenDiffusionPanel();
    const QRect before = form->Stage()->geometry();
    mode->ShowWindowed();
    form->resize(500, 500);
    mode->Toggle();
    EXPECT_FALSE(mode->Windowed());
    EXPECT_EQ(mode->View(), nullptr);
    EXPECT_EQ(form->Stage()->parentWidget(), form.get());
    EXPECT_EQ(form->Stage()->graphicsProxyWidget(), nullptr);
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(form->isFullScreen());
    EXPECT_EQ(form->Stage()->size(), before.size());
    EXPECT_EQ(form->Stage()->pos(), QPoint((form->width() - 1024) / 2, (form->height() - 768) / 2));
    // The window's controls are found from the window again, with their state kept.
    EXPECT_NE(form->findChild<QWidget*>(QStringLiteral("BitBtn7")), nullptr);
    EXPECT_TRUE(Shown("Panel2"));
    EXPECT_EQ(W("BitBtn7")->geometry(), QRect(752, 64, 41, 33));
    // And back into a window once more.
    mode->Toggle();
    EXPECT_TRUE(mode->Windowed());
    EXPECT_NE(form->Stage()->graphicsProxyWidget(), nullptr);
}

TEST_F(Screens, AnExerciseOpensByNameAsTwoClicksWould) {
    for (const Exercise& e : Exercises()) {
        TForm1 fresh(&clock);
        ASSERT_TRUE(fresh.OpenExercise(QLatin1String(e.Name)));
        EXPECT_TRUE(fresh.Navigation().PaneOf(e.Pane)->isVisibleTo(fresh.Stage())) << e.Name;
        EXPECT_TRUE(fresh.Stage()
                        ->findChild<QWidget*>(QStringLiteral("Panel1"))
                        ->isVisibleTo(fresh.Stage()));
        EXPECT_FALSE(fresh.Timer().Enabled());
        EXPECT_EQ(fresh.Sim().S.SimulationMode, 0) << "nothing runs yet";
    }
    TForm1 fresh(&clock);
    EXPECT_FALSE(fresh.OpenExercise(QStringLiteral("nic")));
    for (const char* topic : {"Panel3", "Panel4", "Panel6", "Panel7", "Panel9", "Panel10"}) {
        EXPECT_TRUE(fresh.Stage()->findChild<QWidget*>(QLatin1String(topic))->isHidden());
    }
}

TEST_F(Screens, KeysReachTheStageThroughTheWindowsView) {
    new KeyboardControl(form.get(), [this] { mode->Toggle(); });
    mode->ShowWindowed();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->resize(800, 600);
    // Keys as the window system delivers them, to the window.
    auto press = [this](Qt::Key key) { QTest::keyClick(form->windowHandle(), key); };
    QTest::mouseClick(mode->View()->viewport(), Qt::LeftButton, {}, InView("BitBtn8"));
    QTest::mouseClick(mode->View()->viewport(), Qt::LeftButton, {}, InView("Label11"));
    QTest::mouseClick(mode->View()->viewport(), Qt::LeftButton, {}, InView("BitBtn5"));
    QTest::mouseClick(mode->View()->viewport(), Qt::LeftButton, {}, InView("BitBtn3"));
    ASSERT_TRUE(form->Timer().Enabled());
    mode->View()->setFocus();
    press(Qt::Key_Space);
    EXPECT_FALSE(form->Timer().Enabled());
    press(Qt::Key_Space);
    EXPECT_TRUE(form->Timer().Enabled());
    press(Qt::Key_Escape);
    EXPECT_TRUE(Shown("Panel1"));
    press(Qt::Key_F11);
    EXPECT_FALSE(mode->Windowed());
    EXPECT_TRUE(Shown("Panel1"));
}
