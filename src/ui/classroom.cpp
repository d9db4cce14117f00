// Class use around the described screens: view choices, and the heat transport's settings on
// its page.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>

#include "measure/Language.h"
#include "ui/Classroom.h"
#include "ui/ClassroomBinding.h"
#include "ui/MainMenu.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

namespace {

namespace t = classroom_texts;

QCheckBox* AddChoice(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                     bool checked, QRect place) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(hint);
    box->setFont(ArialPixels(11, true));
    box->setChecked(checked);
    box->setGeometry(place);
    return box;
}

QSpinBox* AddSetting(QWidget* parent, const char* name, const QString& caption, int y,
                     SettingRange range, int step) {
    AddLabel(parent, QLatin1String(name) + QStringLiteral("Caption"), caption,
             ArialPixels(12, true), {12, y + 3});
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(range.Minimum, range.Maximum);
    box->setSingleStep(step);
    box->setFont(ArialPixels(12));
    box->setGeometry(250, y, 70, 22);
    return box;
}

}  // namespace

ClassroomControls BuildClassroom(const MainMenuControls& menu,
                                 const InitialConditionsPanel& conditions,
                                 const StudyTablePanel& studyTable, QWidget* picture) {
    ClassroomControls c;

    // Under the menu buttons, where a teacher preparing a lesson finds them.
    c.ViewGroup = new QGroupBox(t::kView, menu.Panel1);
    c.ViewGroup->setObjectName(QStringLiteral("ViewGroup"));
    c.ViewGroup->setFont(ArialPixels(11, true));
    c.ViewGroup->setGeometry(16, 552, 249, 100);
    c.VelocityLines = AddChoice(c.ViewGroup, "VelocityLines", t::kVelocityLines,
                                t::kVelocityLinesHint, true, QRect(8, 18, 235, 18));
    c.LargeView = AddChoice(c.ViewGroup, "LargeView", t::kLargeView, t::kLargeViewHint, false,
                            QRect(8, 38, 235, 18));
    c.LabelUndetermined = AddChoice(c.ViewGroup, "LabelUndetermined", t::kLabelUndetermined,
                                    t::kLabelUndeterminedHint, false, QRect(8, 58, 235, 18));
    c.WhitePaper = AddChoice(c.ViewGroup, "WhitePaper", t::kWhitePaper, t::kWhitePaperHint, true,
                             QRect(8, 78, 235, 18));

    // The tracked particle's stop, beside the vessel and below the status lines.
    // Over the picture, under every panel and button.
    c.StopNote = new QLabel(picture);
    c.StopNote->setObjectName(QStringLiteral("StopNote"));
    c.StopNote->setWordWrap(true);
    c.StopNote->setFont(ArialPixels(15, true));
    c.StopNote->setStyleSheet(
        QStringLiteral("QLabel { color: rgb(250, 250, 250); background: rgb(120, 20, 20);"
                       " border: 2px solid rgb(250, 250, 250); padding: 4px; }"));
    c.StopNote->hide();

    c.CancelParameters = AddButton(conditions.Panel2, QStringLiteral("CancelParameters"),
                                   t::kCancel, QRect(400, 320, 97, 26));
    c.CancelParameters->hide();

    // The heat transport's page: what its run starts with, below its button.
    QWidget* heatPage = menu.ScrollBox12->widget();
    c.HeatSettings = new QGroupBox(t::kHeatSettings, heatPage);
    c.HeatSettings->setObjectName(QStringLiteral("HeatSettings"));
    c.HeatSettings->setFont(ArialPixels(12, true));
    const int top = menu.BitBtn34->geometry().bottom() + 16;
    c.HeatSettings->setGeometry(16, top, 600, 160);
    c.HeatMaxSpeed = AddSetting(c.HeatSettings, "HeatMaxSpeed", t::kHeatMaxSpeed, 24,
                                RangeOf(Setting::MaxSpeed), 10);
    c.HeatSpeedFactor = AddSetting(c.HeatSettings, "HeatSpeedFactor", t::kHeatSpeedFactor, 52,
                                   RangeOf(Setting::SpeedFactor), 1);
    c.HeatMass =
        AddSetting(c.HeatSettings, "HeatMass", t::kHeatMass, 80, RangeOf(Setting::ParticleMass), 1);
    c.HeatDefaults = AddButton(c.HeatSettings, QStringLiteral("HeatDefaults"), t::kHeatDefaults,
                               QRect(350, 24, 230, 30));
    auto* hint = new QLabel(t::kHeatHint, c.HeatSettings);
    hint->setObjectName(QStringLiteral("HeatSettingsHint"));
    hint->setFont(ArialPixels(11));
    hint->setWordWrap(true);
    hint->setGeometry(12, 110, 576, 40);
    heatPage->resize(heatPage->width(), c.HeatSettings->geometry().bottom() + 16);

    // Under the free-path table, which grows by the button's row.
    QWidget* area = menu.FreePathTableArea;
    c.ClearFreePathTable = AddButton(area, QStringLiteral("ClearFreePathTable"), t::kClearTable,
                                     QRect(free_path_area::kLeftCellX, area->height(), 249, 26));
    area->resize(area->width(), area->height() + 34);
    QWidget* freePathPage = menu.ScrollBox3->widget();
    freePathPage->resize(freePathPage->width(), freePathPage->height() + 34);
    c.ClearStudyTable =
        AddButton(studyTable.ScrollBox14->widget(), QStringLiteral("ClearStudyTable"),
                  t::kClearTable, QRect(32, 630, 250, 24));
    return c;
}

ClassroomBinding::ClassroomBinding(TForm1& form) : Binding(form) {
    const ClassroomControls& c = form.Classroom();
    for (QCheckBox* box : {c.VelocityLines, c.LargeView, c.LabelUndetermined}) {
        QObject::connect(box, &QCheckBox::toggled, Context(), [this] { ViewChoiceChange(); });
    }
    ConnectClicks<ClassroomBinding>(this, {{c.HeatDefaults, &ClassroomBinding::HeatDefaultsClick}});
    for (QSpinBox* box : {c.HeatMaxSpeed, c.HeatSpeedFactor, c.HeatMass})
        QObject::connect(box, &QSpinBox::valueChanged, Context(), [this] { HeatSettingChange(); });
}

void ClassroomBinding::Present(const Screen&, ScreenChanges&) {
    // The heat transport's page shows the values its run reads, whoever changed them.
    const ClassroomControls& c = form_.Classroom();
    const std::pair<QSpinBox*, Setting> boxes[] = {
        {c.HeatMaxSpeed, Setting::MaxSpeed},
        {c.HeatSpeedFactor, Setting::SpeedFactor},
        {c.HeatMass, Setting::ParticleMass},
    };
    for (const auto& [box, setting] : boxes) {
        const int value = Core().Value(setting);
        if (box->value() != value) box->setValue(value);
    }
}

void ClassroomBinding::ViewChoiceChange() {
    const ClassroomControls& c = form_.Classroom();
    ViewOptions view;
    view.VelocityLines = c.VelocityLines->isChecked();
    view.LargeView = c.LargeView->isChecked();
    view.LabelUndetermined = c.LabelUndetermined->isChecked();
    Dispatch([this, view] { Core().ViewChosen(view); });
}

void ClassroomBinding::HeatSettingChange() {
    const ClassroomControls& c = form_.Classroom();
    const int speed = c.HeatMaxSpeed->value();
    const int factor = c.HeatSpeedFactor->value();
    const int mass = c.HeatMass->value();
    Dispatch([=, this] { Core().HeatSettingsChanged(speed, factor, mass); });
}

void ClassroomBinding::HeatDefaultsClick() {
    Dispatch([this] { Core().HeatDefaults(); });
}
