#include "ui/kinetra_u.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSlider>

#include "display/SurfaceView.h"
#include "ui/Keyboard.h"
#include "ui/MainMenu.h"
#include "ui/ModelChoice.h"
#include "ui/Panels.h"
#include "ui/Retranslate.h"
#include "ui/SpinEdit.h"
#include "ui/Widgets.h"

TForm1::TForm1(Clock* clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      ownClock_(clock ? nullptr : std::make_unique<WallClock>()),
      clock_(clock ? clock : ownClock_.get()),
      sim_(std::make_unique<Simulation>(*clock_)) {
    setObjectName(QStringLiteral("Form1"));
    // Never visible: the window has no caption bar.
    setWindowTitle(
        QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Liczba zderzeń ze ściankami naczynia")));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(ArialPixels(11));
    resize(Surface::kWidth, Surface::kHeight);

    stage_ = new QWidget(this);
    stage_->setObjectName(QStringLiteral("Stage"));
    stage_->setGeometry(0, 0, Surface::kWidth, Surface::kHeight);

    // Every control of the window is made here. Stacking order, lowest first, and the focus
    // chain follow the order of creation.
    DXDraw = new SurfaceView(surface_, stage_);
    DXDraw->move(0, 0);
    tools_ = BuildToolButtons(stage_);
    menu_ = BuildMainMenu(stage_);
    conditions_ = BuildInitialConditionsPanel(stage_);
    experiment_ = BuildExperimentPanel(stage_);
    experiment_.HeatModel = AddHeatModelChoice(stage_, menu_.Panel1);
    studyTable_ = BuildTablePanel(stage_);
    freePathTable_ = BuildFreePathTable(menu_.FreePathTableArea);
    BuildStudyPanel(studyTable_);
    BuildClassroom();

    DXTimer1.setObjectName(QStringLiteral("DXTimer1"));
    DXTimer1.SetHandler([this](int lagCount) { DXTimer1Timer(lagCount); });

    ConnectNavigation();
    ConnectRunControl();
    ConnectModeStarts();
    ConnectExperimentPanel();
    ConnectTables();
    ConnectPrinting();
    ConnectExporting();
    ConnectDependencyStudies();
    ConnectClassroom();
    ConnectLanguage();
}

TForm1::~TForm1() {
    DXTimer1.SetEnabled(false);
    // The keyboard watches every event of the application; it must stop before the window's
    // panels are hidden and deleted under it, while the window is no longer a TForm1.
    qDeleteAll(findChildren<KeyboardControl*>(Qt::FindDirectChildrenOnly));
}

void TForm1::SetDialogs(TFO_programie* about, Tjednostki* units) {
    FO_programie = about;
    jednostki = units;
}

void TForm1::ConnectClicks(std::initializer_list<std::pair<QPushButton*, Handler>> buttons) {
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
}

void TForm1::SyncControls() {
    Controls& c = sim_->C;
    const InitialConditionsPanel& p = conditions_;
    c.Particles = p.SpinEdit1->Value();
    c.VesselWidth = p.SpinEdit2->Value();
    c.VesselHeight = p.SpinEdit3->Value();
    c.MaxSpeed = p.SpinEdit4->Value();
    c.CollisionLimit = p.SpinEdit6->Value();
    for (int k = 1; k <= InitialConditionsPanel::kSizeChoices; ++k) {
        if (p.RadioButton(k)->isChecked()) c.SizeChoice = k;
    }
    c.StopAtLimit = menu_.CheckBox2->isChecked();
    c.ExperimentParticles = experiment_.TrackBar(1)->value();
    c.SpeedFactor = experiment_.TrackBar(2)->value();
    c.ParticleMass = experiment_.TrackBar(3)->value();
    c.VesselSide = experiment_.TrackBar(4)->value();
}

void TForm1::DXTimer1Timer(int /*lagCount*/) {
    SyncControls();
    const FrameResult result = Advance(*sim_);
    // The engine draws the state in the window's language; the window shows the picture.
    if (Render(*sim_, CurrentSurfaceTexts(), surface_)) surface_.Present();
    if (result.PauseRequested) {
        BitBtn6Click();
        // A free-path run that stops by itself says why, until it goes on.
        ShowStopNote(sim_->S.SimulationMode == kModeFreePath);
    }
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    stage_->move((width() - Surface::kWidth) / 2, (height() - Surface::kHeight) / 2);
}
