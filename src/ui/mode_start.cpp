// The exercises' run buttons: the panel modes open the initial-conditions panel, the experiment
// modes start their run at once.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "engine/Modes.h"
#include "engine/Publisher.h"
#include "ui/Messages.h"
#include "ui/kinetra_u.h"

namespace {

const QString kHeatTransportFailed = QStringLiteral(
    "Nie udało się rozmieścić cząsteczek gazu i przegrody w naczyniu. "
    "Spróbuj uruchomić symulację jeszcze raz.");

// Shows the wait cursor while the heat transport looks for places for its particles.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void TForm1::ConnectModeStarts() {
    const std::pair<const char*, void (TForm1::*)()> buttons[] = {
        {"BitBtn24", &TForm1::BitBtn24Click}, {"BitBtn20", &TForm1::BitBtn20Click},
        {"BitBtn29", &TForm1::BitBtn29Click}, {"BitBtn23", &TForm1::BitBtn23Click},
        {"BitBtn25", &TForm1::BitBtn25Click}, {"BitBtn21", &TForm1::BitBtn21Click},
        {"BitBtn30", &TForm1::BitBtn30Click}, {"BitBtn32", &TForm1::BitBtn32Click},
        {"BitBtn15", &TForm1::BitBtn15Click}, {"BitBtn34", &TForm1::BitBtn34Click},
    };
    for (const auto& [name, handler] : buttons) {
        connect(Control<QPushButton>(name), &QPushButton::clicked, this, handler);
    }
    // Every position the track bar reports runs its handler once, dragged or stepped.
    const std::pair<int, void (TForm1::*)()> bars[] = {
        {0, &TForm1::TrackBar1Change},
        {1, &TForm1::TrackBar2Change},
        {2, &TForm1::TrackBar3Change},
        {3, &TForm1::TrackBar4Change},
    };
    for (const auto& [index, handler] : bars) {
        connect(TrackBars[index], &QSlider::valueChanged, this, handler);
    }
}

void TForm1::OpenPanelFor(void (*init)(Simulation&)) {
    RunInitialiser(init);
    // The panel opened by "Ustal parametry początkowe" may still have its "Zamknij" over Start.
    Hide("BitBtn25");
    Panel2->show();
    Panel1->hide();
}

void TForm1::BitBtn24Click() {
    OpenPanelFor(InitFreePath);
}

void TForm1::BitBtn20Click() {
    OpenPanelFor(InitFreePath);
}

void TForm1::BitBtn29Click() {
    OpenPanelFor(InitFreePath);
}

void TForm1::BitBtn23Click() {
    Panel2->show();
    Show("BitBtn25");
}

void TForm1::BitBtn25Click() {
    Panel2->hide();
    Hide("BitBtn25");
}

void TForm1::BitBtn21Click() {
    OpenPanelFor(InitDiffusionChart);
}

void TForm1::BitBtn30Click() {
    OpenPanelFor(InitWallCollisions);
}

void TForm1::BitBtn32Click() {
    RadioButtons[3]->setChecked(true);
    // The run starts even when not every particle found a place.
    RunInitialiser(InitTemperature);
    StartTimer();
    Panel1->hide();
    Panel8->show();
    Control("BitBtn18")->setEnabled(false);
    // The temperature has no printout.
    Control("BitBtn19")->setEnabled(false);
}

void TForm1::BitBtn15Click() {
    RadioButtons[3]->setChecked(true);
    RunInitialiser(InitPressure);
    StartTimer();
    Panel1->hide();
    Panel8->show();
    Control("BitBtn18")->setEnabled(false);
    Control("BitBtn19")->setEnabled(true);
}

void TForm1::SetHeatTransportRetries(int maxTries, int milliseconds) {
    heatTransportTries_ = maxTries;
    heatTransportMilliseconds_ = milliseconds;
}

void TForm1::BitBtn34Click() {
    RadioButtons[3]->setChecked(true);
    SyncControls();
    bool placed = false;
    {
        const WaitCursor wait;
        QElapsedTimer spent;
        spent.start();
        // The dense partition often needs a few tries; between them the window repaints, but
        // takes no clicks, so that nothing else starts meanwhile.
        placed = InitHeatTransportRetrying(*sim_, heatTransportTries_, [&] {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return spent.elapsed() < heatTransportMilliseconds_;
        });
    }
    if (!placed) {
        // The exercise page stays as it is, with no run behind it.
        ShowInformation(this, QString::fromUtf8(publisher::kProductTitle), kHeatTransportFailed);
        return;
    }
    ShowExperimentCaptions();
    StartTimer();
    Panel1->hide();
    Panel8->hide();
    Control("BitBtn18")->setEnabled(false);
    Control("BitBtn19")->setEnabled(true);
}
