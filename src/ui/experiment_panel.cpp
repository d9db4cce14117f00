// The experiment panel: four track bars that change the gas of a running temperature or
// pressure experiment, and the captions that show its count, mean speed, mass and side.
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

#include "engine/Experiment.h"
#include "engine/Publisher.h"
#include "measure/Language.h"
#include "ui/Messages.h"
#include "ui/ModelChoice.h"
#include "ui/Retranslate.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

void TForm1::ConnectExperimentPanel() {
    // Every position the track bar reports runs its handler once, dragged or stepped.
    const std::pair<int, Handler> bars[] = {
        {1, &TForm1::TrackBar1Change},
        {2, &TForm1::TrackBar2Change},
        {3, &TForm1::TrackBar3Change},
        {4, &TForm1::TrackBar4Change},
    };
    for (const auto& [n, handler] : bars)
        connect(experiment_.TrackBar(n), &QSlider::valueChanged, this, handler);
    for (ModelChoice* choice : {conditions_.Model, experiment_.Model, experiment_.HeatModel})
        connect(choice, &ModelChoice::Changed, this, [this, choice] { ModelChoiceChange(choice); });
}

void TForm1::ModelChoiceChange(const ModelChoice* from) {
    const GasModel model = from->Model();
    const bool histogram = from->Histogram();
    for (ModelChoice* choice : {conditions_.Model, experiment_.Model, experiment_.HeatModel})
        choice->Show(model, histogram);
    const bool restart = sim_->Model != model;
    sim_->Model = model;
    sim_->ShowSpeedHistogram = histogram;
    ShowExactStudyNote();
    sim_->Exact.Reset();
    ResetExactPressure(*sim_);
    if (!restart || !menu_.Panel1->isHidden() || !conditions_.Panel2->isHidden()) return;
    // A run on screen starts again with the current settings on the new model.
    if (sim_->S.SimulationMode == kModeHeatTransport)
        BitBtn34Click();
    else if (!experiment_.Panel8->isHidden())
        RestartExperiment();
    else
        BitBtn7Click();
}

void TForm1::ShowExperimentCaptions() {
    // Only the experiment initialisers write these; the start captions stay until one has run.
    switch (sim_->S.SimulationMode) {
        case kModeTemperature:
        case kModeHeatTransport:
        case kModePressure:
            break;
        default:
            return;
    }
    const ExperimentCaptionTexts c = WordCaptions(sim_->Captions, CurrentSurfaceTexts());
    experiment_.Label49->setText(QString::fromStdString(c.ParticleCount));
    experiment_.Label59->setText(QString::fromStdString(c.MeanSpeed));
    experiment_.Label60->setText(QString::fromStdString(c.ParticleMass));
    experiment_.Label61->setText(QString::fromStdString(c.VesselSide));
}

void TForm1::RestartExperiment() {
    RunInitialiser([this](Simulation& sim) {
        if (!ChangeCountOrSpeed(sim)) return false;
        // Moved during a pause, the run has been paused since now and counts from 0 after the
        // resume, as after a restart. The initialiser has cleared the pause stamp.
        if (!DXTimer1.Enabled()) PauseClock(sim);
        return true;
    });
}

void TForm1::TrackBar1Change() {
    RestartExperiment();
}

void TForm1::TrackBar2Change() {
    RestartExperiment();
}

void TForm1::TrackBar3Change() {
    SyncControls();
    ChangeParticleMass(*sim_);
    experiment_.Label60->setText(
        QString::fromStdString(WordCaptions(sim_->Captions, CurrentSurfaceTexts()).ParticleMass));
}

void TForm1::TrackBar4Change() {
    SyncControls();
    const int wanted = sim_->C.VesselSide;
    if (!ChangeVesselSide(*sim_)) {
        // The gas keeps its vessel: the track bar goes back to it without a second change.
        const int side = sim_->S.VesselWidth;
        {
            const QSignalBlocker quiet(experiment_.TrackBar(4));
            experiment_.TrackBar(4)->setValue(side);
        }
        SyncControls();
        experiment_.Label61->setText(
            QString::fromStdString(WordCaptions(sim_->Captions, CurrentSurfaceTexts()).VesselSide));
        ShowInformation(this, QString::fromUtf8(publisher::kProductTitle),
                        Tr(QT_TRANSLATE_NOOP("kinetra",
                                             "W naczyniu o szerokości %1 jedn. nie zmieszczą się "
                                             "wszystkie cząsteczki gazu. Szerokość naczynia "
                                             "pozostaje równa %2 jedn."))
                            .arg(wanted)
                            .arg(side));
        return;
    }
    experiment_.Label61->setText(
        QString::fromStdString(WordCaptions(sim_->Captions, CurrentSurfaceTexts()).VesselSide));
}
