// The exercises' run buttons: the panel modes open the initial-conditions panel, the experiment
// modes start their run at once.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>

#include "engine/Modes.h"
#include "engine/Publisher.h"
#include "ui/Messages.h"
#include "ui/ModelChoice.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

namespace {

const QString kHeatTransportFailed = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra",
                      "Nie udało się rozmieścić cząsteczek gazu i przegrody w naczyniu. "
                      "Spróbuj uruchomić symulację jeszcze raz."));

const QString kPlacingNote =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Trwa rozmieszczanie cząsteczek…"));

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
    TitleSetUpPanel(sim_->S.SimulationMode);
    ClearPicture();
    classroom_.CancelParameters->hide();
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
    TitleSetUpPanel(kModeFreePath);
    classroom_.CancelParameters->hide();
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
    HideSetUpPanel();
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
    HideSetUpPanel();
    experiment_.Panel8->show();
    tools_.BitBtn18->setEnabled(false);
    tools_.BitBtn19->setEnabled(true);
}

void TForm1::HideSetUpPanel() {
    // The set-up panel of a panel exercise, left open from the menu, would stay over the tool
    // buttons of a run that has no use for it, with no way back to the menu.
    conditions_.Panel2->hide();
    conditions_.BitBtn25->hide();
}

void TForm1::SetHeatTransportRetries(int maxTries, int milliseconds) {
    heatTransportTries_ = maxTries;
    heatTransportMilliseconds_ = milliseconds;
}

void TForm1::BitBtn34Click() {
    conditions_.RadioButton(4)->setChecked(true);
    SyncControls();
    // The dense partition often needs a few tries. They run on a copy of the simulation off the
    // window's thread, so that the window answers meanwhile and "Wyjście" still leaves.
    const int tries = heatTransportTries_;
    const int milliseconds = heatTransportMilliseconds_;
    auto work = [tries, milliseconds](Simulation& sim, const std::function<bool()>& mayGoOn) {
        QElapsedTimer spent;
        spent.start();
        return InitHeatTransportRetrying(
            sim, tries, [&] { return mayGoOn() && spent.elapsed() < milliseconds; });
    };
    heatPlacement_->Start(*sim_, work, [this](Simulation& placed, bool ok) {
        sim_->S = placed.S;
        sim_->Rng = placed.Rng;
        sim_->Captions = placed.Captions;
        StartHeatTransport(ok);
    });
    ShowPlacementNote(true);
}

void TForm1::StartHeatTransport(bool placed) {
    if (!placed) {
        restartPaused_ = false;
        // The exercise page stays as it is, with no run behind it.
        ShowInformation(this, QString::fromUtf8(publisher::kProductTitle),
                        Tr(kHeatTransportFailed));
        return;
    }
    ShowExperimentCaptions();
    if (restartPaused_) {
        // Restarted during a pause: paused since now, its time counting from 0 on resume.
        restartPaused_ = false;
        PauseClock(*sim_);
    } else {
        StartTimer();
    }
    menu_.Panel1->hide();
    experiment_.HeatModel->parentWidget()->show();
    HideSetUpPanel();
    experiment_.Panel8->hide();
    tools_.BitBtn18->setEnabled(false);
    tools_.BitBtn19->setEnabled(true);
}

void TForm1::ShowPlacementNote(bool shown) {
    QLabel*& note = placementNote_;
    if (!note && !shown) return;
    if (!note) {
        note = new QLabel(Tr(kPlacingNote), stage_);
        note->setObjectName(QStringLiteral("PlacementNote"));
        note->setAlignment(Qt::AlignCenter);
        QFont font = note->font();
        font.setBold(true);
        font.setPixelSize(20);
        note->setFont(font);
        note->setStyleSheet(
            QStringLiteral("QLabel { color: rgb(250, 250, 250); background: rgb(0, 12, 115);"
                           " border: 2px solid rgb(250, 250, 250); }"));
        note->setGeometry(432, 600, 400, 48);  // on the exercise page, below its text
        connect(heatPlacement_.get(), &BackgroundPlacement::Finished, this,
                [this] { ShowPlacementNote(false); });
    }
    if (shown == note->isVisible()) return;
    note->setVisible(shown);
    if (shown) {
        note->raise();
        QApplication::setOverrideCursor(Qt::BusyCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void TForm1::CancelPlacement() {
    heatPlacement_->Cancel();
}
