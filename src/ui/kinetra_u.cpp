#include "ui/kinetra_u.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QResizeEvent>

#include "display/SurfaceView.h"
#include "ui/BackgroundPlacement.h"
#include "ui/ClassroomBinding.h"
#include "ui/ExperimentBinding.h"
#include "ui/FocusMark.h"
#include "ui/Keyboard.h"
#include "ui/MainMenu.h"
#include "ui/ModelChoice.h"
#include "ui/NavigationBinding.h"
#include "ui/Panels.h"
#include "ui/PrintingBinding.h"
#include "ui/RunControlBinding.h"
#include "ui/StudiesBinding.h"
#include "ui/Widgets.h"

TForm1::TForm1(Clock* clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      ownClock_(clock ? nullptr : std::make_unique<WallClock>()) {
    setObjectName(QStringLiteral("Form1"));
    // Never visible: the window has no caption bar.
    setWindowTitle(
        QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Liczba zderzeń ze ściankami naczynia")));
    // Every control of the program marks the keyboard's focus.
    FocusMarkStyle::Install();
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
    experiment_.HeatModel = AddHeatModelChoice(stage_);
    studyTable_ = BuildTablePanel(stage_);
    freePathTable_ = BuildFreePathTable(menu_.FreePathTableArea);
    BuildStudyPanel(studyTable_);
    classroom_ = BuildClassroom(menu_, conditions_, studyTable_, DXDraw);

    // The run control's front-end first: the core asks it for messages and the placement.
    run_ = std::make_unique<RunControlBinding>(*this);
    core_ = std::make_unique<RunControl>(clock ? *clock : *ownClock_, *run_);
    navigation_ = std::make_unique<NavigationBinding>(*this);
    experiments_ = std::make_unique<ExperimentBinding>(*this);
    studies_ = std::make_unique<StudiesBinding>(*this);
    printing_ = std::make_unique<PrintingBinding>(*this);
    classroom_binding_ = std::make_unique<ClassroomBinding>(*this);

    DXTimer1.setObjectName(QStringLiteral("DXTimer1"));
    DXTimer1.SetHandler([this](int lagCount) { DXTimer1Timer(lagCount); });
    core_->WindowActive(DXTimer1.ApplicationActive());
    connect(menu_.LanguageChoice, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(Languages().size()))
            SetLanguage(Languages()[static_cast<std::size_t>(index)].Id);
    });
    ShowScreen();
}

TForm1::~TForm1() {
    DXTimer1.SetEnabled(false);
    // The keyboard watches every event of the application; it must stop before the window's
    // panels are hidden and deleted under it, while the window is no longer a TForm1.
    qDeleteAll(findChildren<KeyboardControl*>(Qt::FindDirectChildrenOnly));
}

void TForm1::SetDialogs(TFO_programie* about, Tjednostki* units) {
    navigation_->SetDialogs(about, units);
    jednostki_ = units;
}

void TForm1::ShowScreen(ScreenOrder order) {
    const bool nested = presenting_;
    presenting_ = true;
    const Screen& screen = core_->Shown();
    ScreenChanges changes;
    for (Binding* binding : std::initializer_list<Binding*>{
             navigation_.get(), run_.get(), experiments_.get(), studies_.get(), printing_.get(),
             classroom_binding_.get()}) {
        binding->Present(screen, changes);
    }
    changes.Commit(order);
    presenting_ = nested;
    shown_ = screen;
    if (!nested) run_->TakeBoxValues();
}

void TForm1::ShowScreenIfChanged() {
    if (!(core_->Shown() == shown_)) ShowScreen();
}

void TForm1::DXTimer1Timer(int lagCount) {
    run_->DXTimer1Timer(lagCount);
}

bool TForm1::OpenExercise(const QString& name) {
    return navigation_->OpenExercise(name);
}

bool TForm1::Escape() {
    return run_->Escape();
}

BackgroundPlacement& TForm1::HeatPlacement() {
    return run_->HeatPlacement();
}

void TForm1::SetHeatTransportRetries(int maxTries, int milliseconds) {
    core_->SetHeatTransportRetries(maxTries, milliseconds);
}

void TForm1::SetPrintService(std::unique_ptr<PrintService> service) {
    printing_->SetPrintService(std::move(service));
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    stage_->move((width() - Surface::kWidth) / 2, (height() - Surface::kHeight) / 2);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!navigation_->MayEnd()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
