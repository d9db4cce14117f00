// The initial-conditions panel, the exercises' run buttons and the tool buttons that start,
// pause, restart and leave a run.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

#include "core/RunTexts.h"
#include "display/SurfaceView.h"
#include "ui/BackgroundPlacement.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/Retranslate.h"
#include "ui/RunControlBinding.h"
#include "ui/SpinEdit.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

namespace {

// The set-up boxes and the settings they hold.
struct Box {
    SpinEdit* InitialConditionsPanel::*Control;
    Setting Holds;
};
constexpr Box kBoxes[] = {
    {&InitialConditionsPanel::SpinEdit1, Setting::Particles},
    {&InitialConditionsPanel::SpinEdit2, Setting::VesselWidth},
    {&InitialConditionsPanel::SpinEdit3, Setting::VesselHeight},
    {&InitialConditionsPanel::SpinEdit4, Setting::MaxSpeed},
    {&InitialConditionsPanel::SpinEdit6, Setting::CollisionLimit},
};

}  // namespace

RunControlBinding::RunControlBinding(TForm1& form)
    : Binding(form),
      windowActive_(form.Timer().ApplicationActive()),
      placement_(std::make_unique<BackgroundPlacement>()) {
    const InitialConditionsPanel& p = form.Conditions();
    const ToolButtons& t = form.Tools();
    const MainMenuControls& m = form.Menu();
    ConnectClicks<RunControlBinding>(
        this, {
                  {p.BitBtn3, &RunControlBinding::BitBtn3Click},
                  {t.BitBtn6, &RunControlBinding::BitBtn6Click},
                  {t.BitBtn7, &RunControlBinding::BitBtn7Click},
                  {t.BitBtn18, &RunControlBinding::BitBtn18Click},
                  {t.BitBtn1, &RunControlBinding::BitBtn1Click},
                  {form.Classroom().CancelParameters, &RunControlBinding::CancelParametersClick},
                  {m.BitBtn5, &RunControlBinding::BitBtn5Click},
                  {m.BitBtn24, &RunControlBinding::BitBtn24Click},
                  {m.BitBtn20, &RunControlBinding::BitBtn20Click},
                  {m.BitBtn29, &RunControlBinding::BitBtn29Click},
                  {m.BitBtn23, &RunControlBinding::BitBtn23Click},
                  {p.BitBtn25, &RunControlBinding::BitBtn25Click},
                  {m.BitBtn21, &RunControlBinding::BitBtn21Click},
                  // The second "Uruchom" of the diffusion-chart pane runs it like the first.
                  {m.ScrollBox2->findChild<QPushButton*>(QStringLiteral("BitBtn22")),
                   &RunControlBinding::BitBtn21Click},
                  {m.BitBtn30, &RunControlBinding::BitBtn30Click},
                  {m.BitBtn32, &RunControlBinding::BitBtn32Click},
                  {m.BitBtn15, &RunControlBinding::BitBtn15Click},
                  {m.BitBtn34, &RunControlBinding::BitBtn34Click},
              });
    const std::pair<SpinEdit*, void (RunControlBinding::*)()> boxes[] = {
        {p.SpinEdit1, &RunControlBinding::SpinEdit1Change},
        {p.SpinEdit2, &RunControlBinding::SpinEdit2Change},
        {p.SpinEdit3, &RunControlBinding::SpinEdit3Change},
        {p.SpinEdit4, &RunControlBinding::SpinEdit4Change},
        {p.SpinEdit6, &RunControlBinding::SpinEdit6Change},
    };
    for (const auto& [box, handler] : boxes)
        QObject::connect(box, &SpinEdit::Change, Context(), [this, h = handler] { (this->*h)(); });
    for (int k = 1; k <= InitialConditionsPanel::kSizeChoices; ++k) {
        QObject::connect(p.RadioButton(k), &QRadioButton::toggled, Context(), [this, k](bool on) {
            if (on) Dispatch([this, k] { Core().SettingChosen(Setting::SizeChoice, k); });
        });
    }
    QObject::connect(m.CheckBox2, &QCheckBox::toggled, Context(), [this](bool on) {
        Dispatch([this, on] { Core().SettingChosen(Setting::StopAtLimit, on ? 1 : 0); });
    });
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, Context(),
                     [this](Qt::ApplicationState state) {
                         const bool active = state == Qt::ApplicationActive;
                         Dispatch([this, active] { Core().WindowActive(active); });
                     });
}

RunControlBinding::~RunControlBinding() = default;

void RunControlBinding::Present(const Screen& screen, ScreenChanges& changes) {
    const InitialConditionsPanel& p = form_.Conditions();
    if (screen.SetUpTitle != title_) {
        title_ = screen.SetUpTitle;
        auto* title = p.Panel2->findChild<QLabel*>(QStringLiteral("Label1"));
        title->setText(Tr(title_));
        title->adjustSize();
    }
    if (p.SpinEdit2->maximum() != screen.WidestVessel) p.SpinEdit2->SetMaximum(screen.WidestVessel);
    for (const Box& box : kBoxes) {
        // A text the core refused goes back to the value it keeps.
        SpinEdit* edit = p.*box.Control;
        const int value = Core().Value(box.Holds);
        if (edit->Value() != value ||
            !SpinTextAccepted(edit->Text().toStdString(), edit->minimum()))
            edit->SetValue(value);
    }
    QRadioButton* size = p.RadioButton(Core().Value(Setting::SizeChoice));
    if (!size->isChecked()) size->setChecked(true);
    QCheckBox* stop = form_.Menu().CheckBox2;
    if (stop->isChecked() != (Core().Value(Setting::StopAtLimit) != 0))
        stop->setChecked(!stop->isChecked());

    const ToolButtons& t = form_.Tools();
    t.BitBtn18->setEnabled(screen.ParametersEnabled);
    t.BitBtn19->setEnabled(screen.PrintEnabled);
    const QString hint = Tr(screen.OffersResume ? run_texts::kResumeHint : run_texts::kPauseHint);
    if (t.BitBtn6->toolTip() != hint) t.BitBtn6->setToolTip(hint);
    // A paused run shows the play sign, as players do.
    if (screen.OffersResume != resumeShown_) {
        resumeShown_ = screen.OffersResume;
        t.BitBtn6->setIcon(resumeShown_ ? ResumeGlyph() : ToolGlyph(t.BitBtn6->objectName()));
    }
    form_.Timer().SetEnabled(screen.Running);
    // Told on a change only: the timer keeps what it was told in between.
    if (screen.WindowActive != windowActive_) {
        windowActive_ = screen.WindowActive;
        form_.Timer().SetApplicationActive(windowActive_);
    }

    // The panel opens with the focus on the size that is checked, where Enter starts the run
    // and the arrows choose the next size.
    if (screen.SetUp && p.Panel2->isHidden()) changes.Focus(size);
    changes.Show(p.Panel2, screen.SetUp, true);
    changes.Show(p.BitBtn25, screen.SetUpClose);
    changes.Show(form_.Classroom().CancelParameters, screen.BackToRun);
    changes.Show(p.Label50, screen.CollisionLimit);
    changes.Show(p.SpinEdit6, screen.CollisionLimit);
    PresentStopNote(screen.StopNote);
    PresentPlacementNote(screen.Placing);
}

void RunControlBinding::TakeBoxValues() {
    for (const Box& box : kBoxes) {
        const int value = (form_.Conditions().*box.Control)->Value();
        if (value != Core().Value(box.Holds)) Core().SettingChosen(box.Holds, value);
    }
}

void RunControlBinding::Retranslate() {
    // The stop note carries the number of collisions in its sentence.
    if (!form_.Classroom().StopNote->isHidden()) {
        form_.Classroom().StopNote->hide();
        PresentStopNote(true);
    }
}

void RunControlBinding::PresentStopNote(bool shown) {
    QLabel* note = form_.Classroom().StopNote;
    if (!shown) {
        note->hide();
        return;
    }
    if (!note->isHidden()) return;
    const SimulationState& s = form_.Sim().S;
    // Right of the vessel's wall, under the status lines.
    const int x = std::max(735, s.VesselLeft + s.VesselWidth + 15);
    note->setText(Tr(run_texts::kStopNote).arg(s.PathCount - 1));
    note->setGeometry(x, 320, Surface::kWidth - 10 - x, 110);
    note->show();
    note->raise();
}

void RunControlBinding::PresentPlacementNote(bool shown) {
    QLabel*& note = placementNote_;
    if (!note && !shown) return;
    if (!note) {
        note = new QLabel(Tr(run_texts::kPlacingNote), form_.Stage());
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
        note->hide();
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

void RunControlBinding::BitBtn3Click() {
    Dispatch([this] { Core().Start(); });
}

void RunControlBinding::BitBtn6Click() {
    Dispatch([this] { Core().PauseOrResume(); });
}

void RunControlBinding::BitBtn7Click() {
    Dispatch([this] { Core().Restart(); });
}

void RunControlBinding::BitBtn18Click() {
    Dispatch([this] { Core().OpenParameters(); });
}

void RunControlBinding::BitBtn1Click() {
    Dispatch([this] { Core().LeaveToMenu(); });
}

void RunControlBinding::CancelParametersClick() {
    Dispatch([this] { Core().ReturnToRun(); });
}

void RunControlBinding::Typed(Setting setting) {
    for (const Box& box : kBoxes) {
        if (box.Holds != setting) continue;
        const std::string text = (form_.Conditions().*box.Control)->Text().toStdString();
        Dispatch([this, setting, &text] { Core().SettingTyped(setting, text); });
    }
}

void RunControlBinding::SpinEdit1Change() {
    Typed(Setting::Particles);
}

void RunControlBinding::SpinEdit2Change() {
    Typed(Setting::VesselWidth);
}

void RunControlBinding::SpinEdit3Change() {
    Typed(Setting::VesselHeight);
}

void RunControlBinding::SpinEdit4Change() {
    Typed(Setting::MaxSpeed);
}

void RunControlBinding::SpinEdit6Change() {
    Typed(Setting::CollisionLimit);
}

void RunControlBinding::Run(PaneId pane, ScreenOrder order) {
    Dispatch([this, pane] { Core().Run(pane); }, order);
}

void RunControlBinding::BitBtn5Click() {
    Run(PaneId::DiffusionIllustration);
}

void RunControlBinding::BitBtn24Click() {
    Run(PaneId::FreePathIllustration);
}

void RunControlBinding::BitBtn20Click() {
    Run(PaneId::FreePathStudy);
}

void RunControlBinding::BitBtn29Click() {
    Run(PaneId::FreePathStudy);
}

void RunControlBinding::BitBtn23Click() {
    Dispatch([this] { Core().ShowSetUp(); });
}

void RunControlBinding::BitBtn25Click() {
    Dispatch([this] { Core().CloseSetUp(); });
}

void RunControlBinding::BitBtn21Click() {
    Run(PaneId::DiffusionChart);
}

void RunControlBinding::BitBtn30Click() {
    Run(PaneId::WallCollisions);
}

// The experiments take the stage from the menu: the focus leaves with it.
void RunControlBinding::BitBtn32Click() {
    Run(PaneId::TemperatureIntro, ScreenOrder::HidesFirst);
}

void RunControlBinding::BitBtn15Click() {
    Run(PaneId::PressureIntro, ScreenOrder::HidesFirst);
}

void RunControlBinding::BitBtn34Click() {
    Run(PaneId::Heat);
}

void RunControlBinding::DXTimer1Timer(int /*lagCount*/) {
    Surface& surface = form_.DrawingSurface();
    // The core draws the state in the window's language; the window shows the picture.
    if (Core().Tick(surface, CurrentSurfaceTexts())) surface.Present();
    form_.ShowScreenIfChanged();
}

bool RunControlBinding::Escape() {
    if (Presenting()) return false;
    const bool left = Core().Escape();
    form_.ShowScreen(ScreenOrder::HidesFirst);
    return left;
}

// ---- what the core asks of the window

void RunControlBinding::Tell(const Message& message) {
    form_.ShowScreen();
    QString text = Tr(message.Text);
    for (int arg : message.Args)
        text = text.arg(arg);
    const QString title =
        message.TitleIsProductName ? QString::fromUtf8(message.Title) : Tr(message.Title);
    if (message.Error) {
        ShowError(&form_, title, text);
    } else {
        ShowInformation(&form_, title, text);
    }
}

void RunControlBinding::ClearPicture() {
    Surface& surface = form_.DrawingSurface();
    surface.FillSurface(0);
    surface.Present();
}

void RunControlBinding::StartPlacement(const Simulation& sim, uint64_t ticket, int tries,
                                       int milliseconds) {
    placement_->Start(
        sim,
        [tries, milliseconds](Simulation& copy, const std::function<bool()>& mayGoOn) {
            return RunControl::PlaceHeatTransport(copy, tries, milliseconds, mayGoOn);
        },
        [this, ticket](Simulation& placed, bool ok) {
            Dispatch([&] { Core().PlacementDone(ticket, placed, ok); }, ScreenOrder::HidesFirst);
        });
}

void RunControlBinding::CancelPlacement() {
    placement_->Cancel();
}
