// The initial-conditions panel and the tool buttons that start, pause, restart and leave a run.
#include <QPushButton>

#include "engine/Modes.h"
#include "engine/Publisher.h"
#include "ui/Messages.h"
#include "ui/SpinEdit.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

namespace {

const QString kErrorTitle = Tr(QT_TRANSLATE_NOOP("kinetra", "Bład"));
const QString kPauseHint = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Pauza"));
const QString kResumeHint = Tr(QT_TRANSLATE_NOOP("kinetra", "Wznów"));
constexpr int kMinimumCollisions = 100;

}  // namespace

void TForm1::ConnectRunControl() {
    ConnectClicks({
        {conditions_.BitBtn3, &TForm1::BitBtn3Click},
        {tools_.BitBtn6, &TForm1::BitBtn6Click},
        {tools_.BitBtn7, &TForm1::BitBtn7Click},
        {tools_.BitBtn18, &TForm1::BitBtn18Click},
        {tools_.BitBtn1, &TForm1::BitBtn1Click},
        {menu_.BitBtn5, &TForm1::BitBtn5Click},
    });
    const InitialConditionsPanel& p = conditions_;
    const std::pair<SpinEdit*, Handler> boxes[] = {
        {p.SpinEdit1, &TForm1::SpinEdit1Change}, {p.SpinEdit2, &TForm1::SpinEdit2Change},
        {p.SpinEdit3, &TForm1::SpinEdit3Change}, {p.SpinEdit4, &TForm1::SpinEdit4Change},
        {p.SpinEdit6, &TForm1::SpinEdit6Change},
    };
    for (const auto& [box, handler] : boxes)
        connect(box, &SpinEdit::Change, this, handler);
}

bool TForm1::RunInitialiser(const std::function<bool(Simulation&)>& init) {
    CancelPlacement();
    SyncControls();
    if (!init(*sim_)) return false;
    ShowExperimentCaptions();
    if (sim_->S.InitOk == 0) {
        ShowInformation(this, QString::fromUtf8(publisher::kProductTitle),
                        Tr(QT_TRANSLATE_NOOP("kinetra", "Zmniejsz liczbę cząsteczek gazu")));
    }
    return true;
}

bool TForm1::RunInitialiser(void (*init)(Simulation&)) {
    return RunInitialiser([init](Simulation& sim) {
        init(sim);
        return true;
    });
}

void TForm1::StartTimer() {
    DXTimer1.SetEnabled(true);
    tools_.BitBtn6->setToolTip(Tr(kPauseHint));
}

void TForm1::BitBtn3Click() {
    // Checked in every mode, the box shown or not.
    if (conditions_.SpinEdit6->Value() < kMinimumCollisions) {
        conditions_.SpinEdit6->SetValue(kMinimumCollisions);
        ShowError(this, Tr(kErrorTitle),
                  Tr(QT_TRANSLATE_NOOP("kinetra",
                                       "Nieprawidłowa wartość! Minimalna liczba zderzeń: 100")));
        return;
    }
    const bool dispatched = RunInitialiser(InitCurrentMode);
    // After a failed placement the panel stays open with its values.
    if (!dispatched || sim_->S.InitOk == 0) return;
    StartClock(*sim_);
    StartTimer();
    conditions_.Panel2->hide();
    classroom_.CancelParameters->hide();
}

void TForm1::BitBtn6Click() {
    if (DXTimer1.Enabled()) {
        DXTimer1.SetEnabled(false);
        PauseClock(*sim_);
        tools_.BitBtn6->setToolTip(Tr(kResumeHint));
    } else {
        ResumeClock(*sim_);
        DXTimer1.SetEnabled(true);
        tools_.BitBtn6->setToolTip(Tr(kPauseHint));
        ShowStopNote(false);
    }
}

void TForm1::BitBtn7Click() {
    ShowStopNote(false);
    // The pressure and the heat transport start again as their own buttons start them.
    if (sim_->S.SimulationMode == kModeHeatTransport) {
        restartPaused_ = !DXTimer1.Enabled();
        BitBtn34Click();
        return;
    }
    const auto init = sim_->S.SimulationMode == kModePressure
                          ? std::function<bool(Simulation&)>([](Simulation& sim) {
                                InitPressure(sim);
                                return true;
                            })
                          : std::function<bool(Simulation&)>(InitCurrentMode);
    const bool dispatched = RunInitialiser(init);
    // Paused, the run has been paused since this moment, so that its time counts on from 0
    // after the resume. The initialiser has cleared the pause stamp.
    if (dispatched && !DXTimer1.Enabled()) PauseClock(*sim_);
}

void TForm1::BitBtn18Click() {
    // The run can be taken up again where it stopped, with "Anuluj" or Esc.
    const bool running = DXTimer1.Enabled();
    if (running) parametersStamp_ = sim_->Stamp();
    classroom_.CancelParameters->setVisible(running ||
                                            tools_.BitBtn6->toolTip() == Tr(kResumeHint));
    if (!running) parametersStamp_ = sim_->S.PauseStart;
    ShowStopNote(false);
    conditions_.Panel2->show();
    DXTimer1.SetEnabled(false);
}

void TForm1::BitBtn1Click() {
    CancelPlacement();
    DXTimer1.SetEnabled(false);
    ShowStopNote(false);
    ClearPicture();
    menu_.Panel1->show();
    experiment_.Panel8->hide();
    studyTable_.Button2->hide();
    studyTable_.Panel11->hide();
}

void TForm1::BitBtn5Click() {
    RunInitialiser(InitDiffusion);
    TitleSetUpPanel(kModeDiffusion);
    ClearPicture();
    classroom_.CancelParameters->hide();
    conditions_.Panel2->show();
    menu_.Panel1->hide();
}

void TForm1::CheckSpinText(SpinEdit* box) {
    if (SpinTextAccepted(box->Text(), box->minimum())) return;
    // Resetting to the minimum changes the text and brings us back here; one rejected entry
    // gives one message.
    const bool nested = resettingSpin_;
    resettingSpin_ = true;
    box->SetValue(box->minimum());
    resettingSpin_ = nested;
    if (!nested)
        ShowError(this, Tr(kErrorTitle), Tr(QT_TRANSLATE_NOOP("kinetra", "Nieprawidłowa wartość")));
}

void TForm1::SpinEdit1Change() {
    CheckSpinText(conditions_.SpinEdit1);
}

void TForm1::SpinEdit2Change() {
    CheckSpinText(conditions_.SpinEdit2);
}

void TForm1::SpinEdit3Change() {
    CheckSpinText(conditions_.SpinEdit3);
}

void TForm1::SpinEdit4Change() {
    CheckSpinText(conditions_.SpinEdit4);
}

void TForm1::SpinEdit6Change() {
    CheckSpinText(conditions_.SpinEdit6);
}
