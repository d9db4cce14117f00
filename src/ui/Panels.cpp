#include "ui/Panels.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <algorithm>
#include <functional>
#include <tuple>

#include "core/Catalogue.h"
#include "core/Settings.h"
#include "core/StudyTexts.h"
#include "display/Rgb565.h"
#include "display/Sprites.h"
#include "engine/SimulationState.h"
#include "ui/ChartBox.h"
#include "ui/ExportTexts.h"
#include "ui/MainMenu.h"
#include "ui/ModelChoice.h"
#include "ui/Pictures.h"
#include "ui/SpinEdit.h"
#include "ui/Widgets.h"

namespace {

// A grey panel over the surface; its captions and buttons are black.
BevelPanel* AddClassicPanel(QWidget* stage, const QString& name, QRect place) {
    auto* panel = new BevelPanel(stage, ClassicBevel());
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Button, ClassicBevel().Face);
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::ButtonText, Qt::black);
    panel->setPalette(pal);
    panel->setObjectName(name);
    panel->setGeometry(place);
    panel->hide();
    return panel;
}

SpinEdit* AddSpinEdit(QWidget* parent, const char* name, QPoint at, Setting setting) {
    const SettingRange range = RangeOf(setting);
    auto* box = new SpinEdit(parent, range.Minimum, range.Maximum, range.Start, 10);
    box->setObjectName(QLatin1String(name));
    box->setFont(ArialPixels(13, true));
    box->setGeometry(QRect(at, QSize(65, 22)));
    return box;
}

QSlider* AddTrackBar(QWidget* parent, const char* name, int y, Setting setting, int tick) {
    const SettingRange range = RangeOf(setting);
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(8, y, 185, 25);
    bar->setRange(range.Minimum, range.Maximum);
    bar->setValue(range.Start);
    bar->setSingleStep(1);
    bar->setPageStep(tick);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(tick);
    return bar;
}

// A particle of the first substance, centred in a 20 x 20 picture on the vessel's ground, where
// even the one-pixel particle shows.
QPixmap SizePicture(int kind) {
    const QImage& sprite =
        SpriteList(SpriteSet::DXImageList1)[static_cast<size_t>(kind)].transparent;
    QPixmap picture(20, 20);
    picture.fill(QColor::fromRgb(Rgb565ToRgb(11112)));
    QPainter p(&picture);
    p.drawImage(QPoint((20 - sprite.width()) / 2, (20 - sprite.height()) / 2), sprite);
    return picture;
}

// Seventeen numbered rows of an X cell and a Y cell, cells Edit<cells.First> and on.
void AddTableRows(QWidget* parent, TableCells& cells, int numberX, int leftX, int rightX,
                  const std::function<int(int)>& rowTop) {
    const QFont font = ArialPixels(13);
    for (int r = 1; r <= kTableRowCount; ++r) {
        const int top = rowTop(r);
        const int xCell = cells.First + 2 * (r - 1);
        auto* number = new QLabel(QString::number(r), parent);
        number->setObjectName(QStringLiteral("RowNumber%1").arg(xCell));
        number->setFont(ArialPixels(12));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setGeometry(numberX, top, leftX - 5 - numberX, 21);
        const std::pair<int, int> columns[] = {{leftX, 73}, {rightX, 169}};
        for (int c = 0; c < 2; ++c) {
            auto* cell = new QLineEdit(parent);
            cell->setObjectName(QStringLiteral("Edit%1").arg(xCell + c));
            cell->setFont(font);
            cell->setGeometry(columns[c].first, top, columns[c].second, 21);
            cells.cells[static_cast<size_t>(xCell + c - cells.First)] = cell;
        }
    }
}

ChartBox* AddChartBox(QWidget* parent, const char* name, QRect place) {
    auto* chart = new ChartBox(parent);
    chart->setObjectName(QLatin1String(name));
    chart->setFont(ArialPixels(11));
    chart->setGeometry(place);
    return chart;
}

}  // namespace

QStringList TableCells::Texts() const {
    QStringList texts;
    for (const QLineEdit* cell : cells)
        texts << cell->text();
    return texts;
}

ToolButtons BuildToolButtons(QWidget* stage) {
    ToolButtons tools;
    const std::tuple<const char*, const char*, QPushButton**> buttons[] = {
        {"BitBtn7", QT_TRANSLATE_NOOP("kinetra", "Zacznij od nowa"), &tools.BitBtn7},
        {"BitBtn6", QT_TRANSLATE_NOOP("kinetra", "Pauza"), &tools.BitBtn6},
        {"BitBtn18", QT_TRANSLATE_NOOP("kinetra", "Parametry"), &tools.BitBtn18},
        {"BitBtn19", QT_TRANSLATE_NOOP("kinetra", "Drukuj"), &tools.BitBtn19},
        {"BitBtn1", QT_TRANSLATE_NOOP("kinetra", "Wyjście"), &tools.BitBtn1},
    };
    int x = 752;
    for (const auto& [name, hint, member] : buttons) {
        auto* button = new QPushButton(stage);
        *member = button;
        button->setObjectName(QLatin1String(name));
        button->setGeometry(x, 64, 41, 33);
        button->setToolTip(QString::fromUtf8(hint));
        button->setFocusPolicy(Qt::NoFocus);
        const QPixmap glyph = ToolGlyph(button->objectName());
        button->setIcon(glyph);
        button->setIconSize(glyph.deviceIndependentSize().toSize());
        x += 40;
    }
    // Next in the row after "Wyjście", where no mode draws anything: the picture as a file.
    auto* save = new QPushButton(stage);
    tools.SavePicture = save;
    save->setObjectName(QStringLiteral("SavePicture"));
    save->setGeometry(x, 64, 41, 33);
    save->setToolTip(export_texts::SavePictureHint());
    save->setFocusPolicy(Qt::NoFocus);
    const QPixmap glyph = ToolGlyph(save->objectName());
    save->setIcon(glyph);
    save->setIconSize(glyph.deviceIndependentSize().toSize());
    return tools;
}

InitialConditionsPanel BuildInitialConditionsPanel(QWidget* stage) {
    InitialConditionsPanel c;
    auto* panel = AddClassicPanel(stage, QStringLiteral("Panel2"), QRect(480, 16, 513, 401));
    c.Panel2 = panel;

    const QFont title = ArialPixels(16, true);
    const QFont bold = ArialPixels(13, true);
    const QFont regular = ArialPixels(13);
    AddLabel(panel, "Label1",
             QStringLiteral(
                 QT_TRANSLATE_NOOP("kinetra", "DYFUZJA - ustawienia warunków początkowych układu")),
             title, {56, 20});
    c.Image12 = new QLabel(panel);
    c.Image12->setObjectName(QStringLiteral("Image12"));
    c.Image12->setGeometry(24, 16, 25, 25);
    AddLabel(panel, "Label2", QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wielkość cząsteczek")),
             bold, {40, 72});

    auto* group = new QGroupBox(panel);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(32, 88, 153, 249);
    const char* captions[] = {"1", "2", "3", "5", "7", "9", "11", "15", "20"};
    for (int n = 1; n <= InitialConditionsPanel::kSizeChoices; ++n) {
        const int k = n - 1;
        auto* picture = new QLabel(group);
        picture->setObjectName(QStringLiteral("SizePicture%1").arg(n));
        picture->setGeometry(16, 24 + 24 * k, 20, 20);
        picture->setPixmap(SizePicture(k));
        auto* radio = new QRadioButton(QLatin1String(captions[k]), group);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(n));
        radio->setFont(bold);
        radio->setGeometry(48, 24 + 24 * k, 80, 20);
        c.radioButtons[static_cast<size_t>(k)] = radio;
    }
    c.RadioButton(RangeOf(Setting::SizeChoice).Start)->setChecked(true);

    AddLabel(panel, "Label4",
             QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "llość cząsteczek mieszaniny")), bold,
             {216, 80});
    c.SpinEdit1 = AddSpinEdit(panel, "SpinEdit1", {360, 112}, Setting::Particles);
    AddLabel(panel, "Label5", QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Szerokość naczynia")),
             bold, {216, 144});
    c.SpinEdit2 = AddSpinEdit(panel, "SpinEdit2", {360, 144}, Setting::VesselWidth);
    AddLabel(panel, "Label9", QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "jednostek")), regular,
             {432, 144});
    AddLabel(panel, "Label6", QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wysokość naczynia")),
             bold, {216, 176});
    c.SpinEdit3 = AddSpinEdit(panel, "SpinEdit3", {360, 176}, Setting::VesselHeight);
    AddLabel(panel, "Label15", QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "jednostek")), regular,
             {432, 176});
    AddLabel(panel, "Label7",
             QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Określ maksymalną szybkość cząsteczek")),
             bold, {216, 208});
    c.SpinEdit4 = AddSpinEdit(panel, "SpinEdit4", {360, 240}, Setting::MaxSpeed);
    AddLabel(panel, "Label3", QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "jednostek")), regular,
             {432, 240});
    c.Label50 =
        AddLabel(panel, "Label50", QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Ilosc zderzeń")),
                 bold, {216, 272});
    c.Label50->hide();
    c.SpinEdit6 = AddSpinEdit(panel, "SpinEdit6", {360, 296}, Setting::CollisionLimit);
    c.SpinEdit6->hide();

    c.BitBtn3 = AddButton(panel, QStringLiteral("BitBtn3"),
                          QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Start")),
                          QRect(32, 352, 465, 33), RunGlyph());
    c.BitBtn3->setFont(bold);
    c.BitBtn25 =
        AddButton(panel, QStringLiteral("BitBtn25"),
                  QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Zamknij")), QRect(32, 352, 465, 33));
    c.BitBtn25->setFont(bold);
    c.BitBtn25->hide();
    c.Model = new ModelChoice(panel, QStringLiteral("ConditionsModel"), false);
    c.Model->move(40, 46);
    return c;
}

ExperimentControls BuildExperimentPanel(QWidget* stage) {
    ExperimentControls e;
    auto* panel = AddClassicPanel(stage, QStringLiteral("Panel8"), QRect(784, 128, 201, 209));
    e.Panel8 = panel;
    const QFont caption = ArialPixels(11);
    const auto bar = [&](int n) -> QSlider*& { return e.trackBars[static_cast<size_t>(n - 1)]; };
    e.Label49 = AddLabel(panel, "Label49",
                         QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek")), caption,
                         {16, 8});
    bar(1) = AddTrackBar(panel, "TrackBar1", 24, Setting::ExperimentParticles, 10);
    e.Label59 =
        AddLabel(panel, "Label59", QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Vśr. cząsteczek:")),
                 caption, {16, 56});
    bar(2) = AddTrackBar(panel, "TrackBar2", 72, Setting::SpeedFactor, 1);
    e.Label60 = AddLabel(panel, "Label60",
                         QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Masa cząsteczek gazu:")),
                         caption, {16, 104});
    bar(3) = AddTrackBar(panel, "TrackBar3", 120, Setting::ParticleMass, 1);
    e.Label61 = AddLabel(panel, "Label61",
                         QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Szerokość naczynia")),
                         caption, {16, 152});
    bar(4) = AddTrackBar(panel, "TrackBar4", 168, Setting::VesselSide, 50);
    // The initialisers rewrite these captions with longer texts.
    for (QLabel* label : {e.Label49, e.Label59, e.Label60, e.Label61})
        label->setFixedWidth(201 - 16 - 4);
    e.Model = AddModelChoiceUnder(stage, panel);
    return e;
}

StudyTablePanel BuildTablePanel(QWidget* stage) {
    StudyTablePanel t;
    t.Button2 = new QPushButton(study_texts::kShowTable, stage);
    t.Button2->setObjectName(QStringLiteral("Button2"));
    t.Button2->setGeometry(8, 8, 145, 25);
    t.Button2->hide();
    t.Panel11 = AddClassicPanel(stage, QStringLiteral("Panel11"), QRect(8, 8, 689, 713));
    t.Cells.First = 69;
    return t;
}

FreePathTable BuildFreePathTable(QWidget* a) {
    namespace area = free_path_area;
    FreePathTable table;
    table.Cells.First = 1;
    const QFont heading = ArialPixels(12, true);
    const int firstLine = area::kHeadingY;
    const int secondLine = area::kHeadingY + 16;
    table.HeadingX1 = AddLabel(a, QStringLiteral("FreePathHeadingX1"),
                               QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Liczba")), heading,
                               {area::kLeftCellX, firstLine});
    table.HeadingX2 = AddLabel(a, QStringLiteral("FreePathHeadingX2"),
                               QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "cząsteczek N")),
                               heading, {area::kLeftCellX, secondLine});
    table.HeadingY1 =
        AddLabel(a, QStringLiteral("FreePathHeadingY1"),
                 QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Średnia droga swobodna ")), heading,
                 {area::kRightCellX, firstLine});
    table.HeadingY2 = AddLabel(a, QStringLiteral("FreePathHeadingY2"),
                               QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "s [jedn.]")), heading,
                               {area::kRightCellX, secondLine});
    AddTableRows(a, table.Cells, area::kRowNumberX, area::kLeftCellX, area::kRightCellX,
                 [](int r) { return area::RowTop(r); });

    AddLabel(
        a, QStringLiteral("FreePathChartTitle1"),
        QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wykres zależności średniej drogi swobodnej")),
        heading, {area::kChartTitleX, firstLine});
    AddLabel(a, QStringLiteral("FreePathChartTitle2"),
             QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "od liczby cząsteczek w naczyniu")),
             heading, {area::kChartTitleX, secondLine});
    table.wykr = AddChartBox(a, "wykr", area::kChart);
    table.BitBtn28 =
        AddButton(a, QStringLiteral("BitBtn28"), study_texts::kDrawChart, area::kDrawButton);
    table.BitBtn27 =
        AddButton(a, QStringLiteral("BitBtn27"), study_texts::kPrintTable, area::kPrintButton);

    // Below the options box, under the draw and print buttons; the pane grows to hold them.
    QWidget* content = a->parentWidget();
    const int top = area::kAreaTop + area::kOptions.y() + area::kOptions.height() + 8;
    const QRect draw = area::kDrawButton;
    const QRect print = area::kPrintButton;
    table.SaveTable =
        AddButton(content, QStringLiteral("FreePathSaveTable"), export_texts::SaveTableCaption(),
                  draw.translated(0, top - draw.y()));
    table.SaveChart =
        AddButton(content, QStringLiteral("FreePathSaveChart"), export_texts::SaveChartCaption(),
                  print.translated(0, top - print.y()));
    for (QPushButton* button : {table.SaveTable, table.SaveChart})
        button->setFont(ArialPixels(11, true));
    content->resize(content->width(),
                    std::max(content->height(), table.SaveChart->geometry().bottom() + 1 + 16));
    return table;
}

void BuildStudyPanel(StudyTablePanel& t) {
    namespace s = study_texts;
    QWidget* panel = t.Panel11;

    auto* pane = new QScrollArea(panel);
    t.ScrollBox14 = pane;
    pane->setObjectName(QStringLiteral("ScrollBox14"));
    pane->setGeometry(8, 8, 673, 664);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pane->setFrameShape(QFrame::StyledPanel);
    pane->setFrameShadow(QFrame::Sunken);
    QPalette white = pane->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    pane->setPalette(white);
    auto* c = new QWidget;
    c->setObjectName(QStringLiteral("ScrollBox14Content"));
    c->setAutoFillBackground(true);
    c->setPalette(white);
    c->resize(673 - 2 * pane->frameWidth(), 664 - 2 * pane->frameWidth());
    pane->setWidget(c);

    t.Label101 =
        AddLabel(c, QStringLiteral("Label101"), QString(), ArialPixels(16, true), {16, 12});
    MemoStyle memoStyle;
    memoStyle.Font = ArialPixels(12);
    memoStyle.VerticalBar = Qt::ScrollBarAsNeeded;
    // One instruction per study, in the order of the studies; the first shows until a study is
    // chosen.
    const std::pair<const char*, QPlainTextEdit**> memos[] = {
        {"Memo75", &t.Memo75}, {"Memo34", &t.Memo34}, {"Memo33", &t.Memo33}, {"Memo32", &t.Memo32},
        {"Memo35", &t.Memo35}, {"Memo36", &t.Memo36}, {"Memo37", &t.Memo37}, {"Memo38", &t.Memo38},
    };
    for (size_t i = 0; i < std::size(memos); ++i) {
        const auto& [name, member] = memos[i];
        const int top = member == &t.Memo35 ? 48 : 40;
        *member = AddMemo(c, QLatin1String(name), QString::fromUtf8(Studies()[i].Instruction),
                          QRect(16, top, 617, 121), memoStyle);
        (*member)->setVisible(i == 0);
    }

    // The y heading reads as one line: quantity, multiplier, raised exponent, unit.
    const QFont heading = ArialPixels(11, true);
    t.Label102 = AddLabel(c, QStringLiteral("Label102"), s::kDefaultX1, heading, {24, 180});
    t.Label105 = AddLabel(c, QStringLiteral("Label105"), s::kDefaultX2, heading, {24, 196});
    t.Label103 = AddLabel(c, QStringLiteral("Label103"), s::kDefaultY, heading, {120, 196});
    t.Label104 = AddLabel(c, QStringLiteral("Label104"), s::kMultiplier, heading, {200, 196});
    t.Label73 =
        AddLabel(c, QStringLiteral("Label73"), s::kExponent, ArialPixels(9, true), {224, 188});
    t.Label74 = AddLabel(c, QStringLiteral("Label74"), s::kUnit, heading, {240, 196});
    AddTableRows(c, t.Cells, 4, 32, 112, [](int r) { return 220 + 24 * (r - 1); });

    const QFont chartTitle = ArialPixels(12, true);
    t.Label115 = AddLabel(c, QStringLiteral("Label115"), s::kDefaultChart1, chartTitle, {336, 180});
    t.Label116 = AddLabel(c, QStringLiteral("Label116"), s::kDefaultChart2, chartTitle, {336, 196});
    t.PaintBox2 = AddChartBox(c, "PaintBox2", QRect(320, 220, 318, 225));
    t.BitBtn35 = AddButton(c, QStringLiteral("BitBtn35"), s::kDrawChart, QRect(320, 452, 168, 26));
    t.BitBtn36 = AddButton(c, QStringLiteral("BitBtn36"), s::kPrintTable, QRect(496, 452, 142, 26));
    t.BitBtn36->setFont(ArialPixels(11, true));
    t.BitBtn40 = AddButton(c, QStringLiteral("BitBtn40"), s::kRunSimulation,
                           QRect(320, 484, 318, 33), RunGlyph());
    t.Memo78 =
        AddMemo(c, QStringLiteral("Memo78"), s::kMemo78, QRect(316, 526, 326, 40), memoStyle);
    // Under Memo78, in the columns of the draw and print buttons.
    t.SaveTable = AddButton(c, QStringLiteral("StudySaveTable"), export_texts::SaveTableCaption(),
                            QRect(320, 574, 168, 26));
    t.SaveChart = AddButton(c, QStringLiteral("StudySaveChart"), export_texts::SaveChartCaption(),
                            QRect(496, 574, 142, 26));
    for (QPushButton* button : {t.SaveTable, t.SaveChart})
        button->setFont(ArialPixels(11, true));
    // Below the buttons, beside the table's last rows; empty and hidden until a study runs on
    // the exact model.
    t.ExactNote = new QLabel(c);
    t.ExactNote->setObjectName(QStringLiteral("ExactStudyNote"));
    t.ExactNote->setFont(ArialPixels(11, true));
    t.ExactNote->setWordWrap(true);
    t.ExactNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    t.ExactNote->setStyleSheet(QStringLiteral("color: #000080"));
    t.ExactNote->setGeometry(320, 608, 318, 48);
    t.ExactNote->hide();

    t.Button1 = new QPushButton(s::kHideTable, panel);
    t.Button1->setObjectName(QStringLiteral("Button1"));
    t.Button1->setFont(ArialPixels(11));
    t.Button1->setGeometry(576, 680, 97, 25);
}
