// Class use around the described screens: view choices, the word where a free-path run stops,
// the way back from the parameters, the heat transport's settings on its page, clearing a
// table, and an empty picture behind the menu and a new exercise's panel.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include "display/SurfaceView.h"
#include "engine/Modes.h"
#include "measure/Language.h"
#include "ui/ChartBox.h"
#include "ui/Classroom.h"
#include "ui/MainMenu.h"
#include "ui/Messages.h"
#include "ui/SpinEdit.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

namespace {

namespace t = classroom_texts;

// Start values of the controls the heat transport reads.
constexpr int kStartMaxSpeed = 50;
constexpr int kStartSpeedFactor = 1;
constexpr int kStartMass = 1;

QCheckBox* AddChoice(QWidget* parent, const char* name, const QString& caption, bool checked,
                     QRect place) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(ArialPixels(11, true));
    box->setChecked(checked);
    box->setGeometry(place);
    return box;
}

QSpinBox* AddSetting(QWidget* parent, const char* name, const QString& caption, int y, int low,
                     int high, int step) {
    AddLabel(parent, QLatin1String(name) + QStringLiteral("Caption"), caption,
             ArialPixels(12, true), {12, y + 3});
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(low, high);
    box->setSingleStep(step);
    box->setFont(ArialPixels(12));
    box->setGeometry(250, y, 70, 22);
    return box;
}

}  // namespace

void TForm1::BuildClassroom() {
    ClassroomControls& c = classroom_;

    // Under the menu buttons, where a teacher preparing a lesson finds them.
    c.ViewGroup = new QGroupBox(t::kView, menu_.Panel1);
    c.ViewGroup->setObjectName(QStringLiteral("ViewGroup"));
    c.ViewGroup->setFont(ArialPixels(11, true));
    c.ViewGroup->setGeometry(16, 552, 249, 100);
    c.VelocityLines =
        AddChoice(c.ViewGroup, "VelocityLines", t::kVelocityLines, true, QRect(8, 18, 235, 18));
    c.LargeView = AddChoice(c.ViewGroup, "LargeView", t::kLargeView, false, QRect(8, 38, 235, 18));
    c.LabelUndetermined = AddChoice(c.ViewGroup, "LabelUndetermined", t::kLabelUndetermined, false,
                                    QRect(8, 58, 235, 18));
    c.WhitePaper =
        AddChoice(c.ViewGroup, "WhitePaper", t::kWhitePaper, true, QRect(8, 78, 235, 18));

    // The tracked particle's stop, beside the vessel and below the status lines.
    // Over the picture, under every panel and button.
    c.StopNote = new QLabel(DXDraw);
    c.StopNote->setObjectName(QStringLiteral("StopNote"));
    c.StopNote->setWordWrap(true);
    c.StopNote->setFont(ArialPixels(15, true));
    c.StopNote->setStyleSheet(
        QStringLiteral("QLabel { color: rgb(250, 250, 250); background: rgb(120, 20, 20);"
                       " border: 2px solid rgb(250, 250, 250); padding: 4px; }"));
    c.StopNote->hide();

    c.CancelParameters = AddButton(conditions_.Panel2, QStringLiteral("CancelParameters"),
                                   t::kCancel, QRect(400, 320, 97, 26));
    c.CancelParameters->hide();

    // The heat transport's page: what its run starts with, below its button.
    QWidget* heatPage = menu_.ScrollBox12->widget();
    c.HeatSettings = new QGroupBox(t::kHeatSettings, heatPage);
    c.HeatSettings->setObjectName(QStringLiteral("HeatSettings"));
    c.HeatSettings->setFont(ArialPixels(12, true));
    const int top = menu_.BitBtn34->geometry().bottom() + 16;
    c.HeatSettings->setGeometry(16, top, 600, 160);
    c.HeatMaxSpeed =
        AddSetting(c.HeatSettings, "HeatMaxSpeed", t::kHeatMaxSpeed, 24,
                   conditions_.SpinEdit4->minimum(), conditions_.SpinEdit4->maximum(), 10);
    const QSlider* factor = experiment_.TrackBar(2);
    c.HeatSpeedFactor = AddSetting(c.HeatSettings, "HeatSpeedFactor", t::kHeatSpeedFactor, 52,
                                   factor->minimum(), factor->maximum(), 1);
    const QSlider* mass = experiment_.TrackBar(3);
    c.HeatMass = AddSetting(c.HeatSettings, "HeatMass", t::kHeatMass, 80, mass->minimum(),
                            mass->maximum(), 1);
    c.HeatDefaults = AddButton(c.HeatSettings, QStringLiteral("HeatDefaults"), t::kHeatDefaults,
                               QRect(350, 24, 230, 30));
    auto* hint = new QLabel(t::kHeatHint, c.HeatSettings);
    hint->setObjectName(QStringLiteral("HeatSettingsHint"));
    hint->setFont(ArialPixels(11));
    hint->setWordWrap(true);
    hint->setGeometry(12, 110, 576, 40);
    heatPage->resize(heatPage->width(), c.HeatSettings->geometry().bottom() + 16);

    // Under the free-path table, which grows by the button's row.
    QWidget* area = menu_.FreePathTableArea;
    c.ClearFreePathTable = AddButton(area, QStringLiteral("ClearFreePathTable"), t::kClearTable,
                                     QRect(free_path_area::kLeftCellX, area->height(), 249, 26));
    area->resize(area->width(), area->height() + 34);
    QWidget* freePathPage = menu_.ScrollBox3->widget();
    freePathPage->resize(freePathPage->width(), freePathPage->height() + 34);
    c.ClearStudyTable =
        AddButton(studyTable_.ScrollBox14->widget(), QStringLiteral("ClearStudyTable"),
                  t::kClearTable, QRect(32, 630, 250, 24));

    RefreshHeatSettings();
    ViewChoiceChange();
}

void TForm1::ConnectClassroom() {
    const ClassroomControls& c = classroom_;
    for (QCheckBox* box : {c.VelocityLines, c.LargeView, c.LabelUndetermined})
        connect(box, &QCheckBox::toggled, this, &TForm1::ViewChoiceChange);
    ConnectClicks({
        {c.CancelParameters, &TForm1::CancelParametersClick},
        {c.HeatDefaults, &TForm1::HeatDefaultsClick},
        {c.ClearFreePathTable, &TForm1::ClearFreePathTableClick},
        {c.ClearStudyTable, &TForm1::ClearStudyTableClick},
        // The second "Uruchom" of the diffusion-chart pane runs the exercise like the first.
        {menu_.ScrollBox2->findChild<QPushButton*>(QStringLiteral("BitBtn22")),
         &TForm1::BitBtn21Click},
    });
    for (QSpinBox* box : {c.HeatMaxSpeed, c.HeatSpeedFactor, c.HeatMass})
        connect(box, &QSpinBox::valueChanged, this, &TForm1::HeatSettingChange);
    // The page shows what the run would start with, whoever changed it.
    connect(conditions_.SpinEdit4, &SpinEdit::Change, this, &TForm1::RefreshHeatSettings);
    for (int n : {2, 3})
        connect(experiment_.TrackBar(n), &QSlider::valueChanged, this,
                &TForm1::RefreshHeatSettings);
}

void TForm1::ViewChoiceChange() {
    ViewOptions& v = sim_->View;
    v.VelocityLines = classroom_.VelocityLines->isChecked();
    v.LargeView = classroom_.LargeView->isChecked();
    v.LabelUndetermined = classroom_.LabelUndetermined->isChecked();
}

void TForm1::RefreshHeatSettings() {
    if (settingHeat_) return;
    const ClassroomControls& c = classroom_;
    const QSignalBlocker a(c.HeatMaxSpeed), b(c.HeatSpeedFactor), d(c.HeatMass);
    c.HeatMaxSpeed->setValue(conditions_.SpinEdit4->Value());
    c.HeatSpeedFactor->setValue(experiment_.TrackBar(2)->value());
    c.HeatMass->setValue(experiment_.TrackBar(3)->value());
}

void TForm1::HeatSettingChange() {
    // The heat transport reads these controls at its start; an experiment left behind keeps
    // its gas until it runs again.
    settingHeat_ = true;
    conditions_.SpinEdit4->SetValue(classroom_.HeatMaxSpeed->value());
    for (const auto& [n, box] :
         {std::pair{2, classroom_.HeatSpeedFactor}, {3, classroom_.HeatMass}}) {
        const QSignalBlocker quiet(experiment_.TrackBar(n));
        experiment_.TrackBar(n)->setValue(box->value());
    }
    settingHeat_ = false;
    SyncControls();
}

void TForm1::HeatDefaultsClick() {
    const ClassroomControls& c = classroom_;
    c.HeatMaxSpeed->setValue(kStartMaxSpeed);
    c.HeatSpeedFactor->setValue(kStartSpeedFactor);
    c.HeatMass->setValue(kStartMass);
}

void TForm1::ShowStopNote(bool shown) {
    QLabel* note = classroom_.StopNote;
    if (!shown) {
        note->hide();
        return;
    }
    const SimulationState& s = sim_->S;
    // Right of the vessel's wall, under the status lines.
    const int x = std::max(735, s.VesselLeft + s.VesselWidth + 15);
    note->setText(Tr(t::kStopNote).arg(s.PathCount - 1));
    note->setGeometry(x, 320, Surface::kWidth - 10 - x, 110);
    note->show();
    note->raise();
}

void TForm1::CancelParametersClick() {
    // Back to the run the parameters interrupted, paused since the panel opened.
    classroom_.CancelParameters->hide();
    conditions_.Panel2->hide();
    sim_->S.PauseStart = parametersStamp_;
    tools_.BitBtn6->setToolTip(Tr(QT_TRANSLATE_NOOP("kinetra", "Wznów")));
}

bool TForm1::ClearTable(const TableCells& cells, QWidget* box, ChartMemory& memory) {
    if (!AskYesNo(this, Tr(t::kClearTable), Tr(t::kClearQuestion))) return false;
    for (QLineEdit* cell : cells.cells)
        cell->clear();
    // The chart of the numbers gone goes with them.
    memory.Input = ChartInput{};
    box->update();
    return true;
}

void TForm1::ClearFreePathTableClick() {
    ClearTable(freePathTable_.Cells, freePathTable_.wykr, wykrChart_);
}

void TForm1::ClearStudyTableClick() {
    ClearTable(studyTable_.Cells, studyTable_.PaintBox2, paintBox2Chart_);
}

void TForm1::TitleSetUpPanel(int mode) {
    auto* title = conditions_.Panel2->findChild<QLabel*>(QStringLiteral("Label1"));
    switch (mode) {
        case kModeFreePath:
            title->setText(Tr(t::kFreePathSetUp));
            break;
        case kModeWallCollisions:
            title->setText(Tr(t::kWallsSetUp));
            break;
        default:
            title->setText(Tr(t::kDiffusionSetUp));
            break;
    }
    title->adjustSize();
}

void TForm1::ClearPicture() {
    // Nothing of the last run stays behind the menu or under a new exercise's panel.
    surface_.FillSurface(0);
    surface_.Present();
}
