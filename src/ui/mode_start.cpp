// The exercises' run buttons: the panel modes open the initial-conditions panel, the experiment
// modes start their run at once.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>

#include "engine/Modes.h"
#include "engine/Publisher.h"
#include "ui/Messages.h"
#include "ui/Widgets.h"
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
    const MainMenuControls& m = menu_;
    ConnectClicks({
        {m.BitBtn24, &TForm1::BitBtn24Click},
        {m.BitBtn20, &TForm1::BitBtn20Click},
        {m.BitBtn29, &TForm1::BitBtn29Click},
        {m.BitBtn23, &TForm1::BitBtn23Click},
        {conditions_.BitBtn25, &TForm1::BitBtn25Click},
        {m.BitBtn21, &TForm1::BitBtn21Click},
        {m.BitBtn30, &TForm1::BitBtn30Click},
        {m.BitBtn32, &TForm1::BitBtn32Click},
        {m.BitBtn15, &TForm1::BitBtn15Click},
        {m.BitBtn34, &TForm1::BitBtn34Click},
    });
}

void TForm1::OpenPanelFor(void (*init)(Simulation&)) {
    RunInitialiser(init);
    // The panel opened by "Ustal parametry początkowe" may still have its "Zamknij" over Start.
    conditions_.BitBtn25->hide();
    conditions_.Panel2->show();
    menu_.Panel1->hide();
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
    conditions_.Panel2->show();
    conditions_.BitBtn25->show();
}

void TForm1::BitBtn25Click() {
    conditions_.Panel2->hide();
    conditions_.BitBtn25->hide();
}

void TForm1::BitBtn21Click() {
    OpenPanelFor(InitDiffusionChart);
}

void TForm1::BitBtn30Click() {
    OpenPanelFor(InitWallCollisions);
}

void TForm1::BitBtn32Click() {
    conditions_.RadioButton(4)->setChecked(true);
    // The run starts even when not every particle found a place.
    RunInitialiser(InitTemperature);
    StartTimer();
    menu_.Panel1->hide();
    experiment_.Panel8->show();
    tools_.BitBtn18->setEnabled(false);
    // The temperature has no printout.
    tools_.BitBtn19->setEnabled(false);
}

void TForm1::BitBtn15Click() {
    conditions_.RadioButton(4)->setChecked(true);
    RunInitialiser(InitPressure);
    StartTimer();
    menu_.Panel1->hide();
    experiment_.Panel8->show();
    tools_.BitBtn18->setEnabled(false);
    tools_.BitBtn19->setEnabled(true);
}

void TForm1::SetHeatTransportRetries(int maxTries, int milliseconds) {
    heatTransportTries_ = maxTries;
    heatTransportMilliseconds_ = milliseconds;
}

void TForm1::BitBtn34Click() {
    conditions_.RadioButton(4)->setChecked(true);
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
    menu_.Panel1->hide();
    experiment_.Panel8->hide();
    tools_.BitBtn18->setEnabled(false);
    tools_.BitBtn19->setEnabled(true);
}
