// Program start: a full-screen window running the diffusion illustration with the start values
// of the initial-conditions panel. Esc closes it.
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include "display/FrameTimer.h"
#include "display/Surface.h"
#include "display/SurfaceView.h"
#include "engine/Modes.h"
#include "engine/Simulation.h"

namespace {

class Stage : public QWidget {
  public:
    Stage() {
        setStyleSheet(QStringLiteral("background: black;"));
        view_ = new SurfaceView(surface_, this);
        sim_.C = Controls{};
        InitDiffusion(sim_);
        StartClock(sim_);
        timer_.SetHandler([this](int) { StepFrame(sim_, surface_); });
        timer_.SetEnabled(true);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) close();
    }
    void resizeEvent(QResizeEvent*) override {
        view_->move((width() - Surface::kWidth) / 2, (height() - Surface::kHeight) / 2);
    }

  private:
    WallClock clock_;
    Simulation sim_{clock_};
    Surface surface_;
    SurfaceView* view_;
    FrameTimer timer_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    auto stage = std::make_unique<Stage>();
    stage->setGeometry(app.primaryScreen()->geometry());
    stage->showFullScreen();
    stage->activateWindow();
    return app.exec();
}
