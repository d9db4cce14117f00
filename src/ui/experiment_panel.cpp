// The experiment panel: four track bars that change the gas of a running temperature or
// pressure experiment, and the captions that show its count, mean speed, mass and side.
#include <QLabel>
#include <QSlider>

#include "engine/Experiment.h"
#include "ui/ExperimentBinding.h"
#include "ui/ModelChoice.h"
#include "ui/Retranslate.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

namespace {

// The track bars and the settings they hold.
constexpr Setting kBars[] = {Setting::ExperimentParticles, Setting::SpeedFactor,
                             Setting::ParticleMass, Setting::VesselSide};

void Caption(QLabel* label, bool written, const std::string& text) {
    if (!written) return;
    const QString caption = QString::fromStdString(text);
    if (label->text() != caption) label->setText(caption);
}

}  // namespace

ExperimentBinding::ExperimentBinding(TForm1& form) : Binding(form) {
    const ExperimentControls& e = form.Experiment();
    // Every position the track bar reports runs its handler once, dragged or stepped.
    const std::pair<int, void (ExperimentBinding::*)()> bars[] = {
        {1, &ExperimentBinding::TrackBar1Change},
        {2, &ExperimentBinding::TrackBar2Change},
        {3, &ExperimentBinding::TrackBar3Change},
        {4, &ExperimentBinding::TrackBar4Change},
    };
    for (const auto& [n, handler] : bars) {
        QObject::connect(e.TrackBar(n), &QSlider::valueChanged, Context(),
                         [this, h = handler] { (this->*h)(); });
    }
    for (ModelChoice* choice : {form.Conditions().Model, e.Model, e.HeatModel}) {
        QObject::connect(choice, &ModelChoice::Changed, Context(),
                         [this, choice] { ModelChoiceChange(choice); });
    }
}

void ExperimentBinding::Present(const Screen& screen, ScreenChanges& changes) {
    const ExperimentControls& e = form_.Experiment();
    for (int n = 1; n <= ExperimentControls::kTrackBars; ++n) {
        const int value = Core().Value(kBars[n - 1]);
        if (e.TrackBar(n)->value() != value) e.TrackBar(n)->setValue(value);
    }
    const ExperimentCaptionTexts c = WordCaptions(screen.Captions, CurrentSurfaceTexts());
    Caption(e.Label49, screen.CountCaption, c.ParticleCount);
    Caption(e.Label59, screen.SpeedCaption, c.MeanSpeed);
    Caption(e.Label60, screen.MassCaption, c.ParticleMass);
    Caption(e.Label61, screen.SideCaption, c.VesselSide);
    for (ModelChoice* choice : {form_.Conditions().Model, e.Model, e.HeatModel}) {
        if (choice->Model() != screen.Model || choice->Histogram() != screen.Histogram)
            choice->Show(screen.Model, screen.Histogram);
    }
    changes.Show(e.Panel8, screen.ExperimentPanel);
    changes.Show(e.HeatModel->parentWidget(), screen.HeatModel);
}

void ExperimentBinding::TrackBar1Change() {
    const int count = form_.Experiment().TrackBar(1)->value();
    Dispatch([this, count] { Core().ParticleCountChanged(count); });
}

void ExperimentBinding::TrackBar2Change() {
    const int factor = form_.Experiment().TrackBar(2)->value();
    Dispatch([this, factor] { Core().SpeedFactorChanged(factor); });
}

void ExperimentBinding::TrackBar3Change() {
    const int mass = form_.Experiment().TrackBar(3)->value();
    Dispatch([this, mass] { Core().ParticleMassChanged(mass); });
}

void ExperimentBinding::TrackBar4Change() {
    const int side = form_.Experiment().TrackBar(4)->value();
    Dispatch([this, side] { Core().VesselSideChanged(side); });
}

void ExperimentBinding::ModelChoiceChange(const ModelChoice* from) {
    const GasModel model = from->Model();
    const bool histogram = from->Histogram();
    Dispatch([this, model, histogram] { Core().ModelChosen(model, histogram); });
}
