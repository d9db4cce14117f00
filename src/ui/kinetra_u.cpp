#include "ui/kinetra_u.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSlider>

#include "display/Rgb565.h"
#include "display/Sprites.h"
#include "display/SurfaceView.h"
#include "ui/MainMenu.h"
#include "ui/Pictures.h"
#include "ui/SpinEdit.h"
#include "ui/Widgets.h"
#include "ui/texts/PolishTexts.h"

namespace {

const QColor kPanelFace(212, 208, 200);


// A panel in the classic look: a raised outer bevel around a lowered inner one.
class BevelPanel : public QWidget {
  public:
    explicit BevelPanel(QWidget* parent) : QWidget(parent) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, kPanelFace);
        pal.setColor(QPalette::Button, kPanelFace);
        pal.setColor(QPalette::WindowText, Qt::black);
        pal.setColor(QPalette::ButtonText, Qt::black);
        setPalette(pal);
        setAutoFillBackground(true);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect outer = rect().adjusted(0, 0, -1, -1);
        DrawBevel(p, outer, Qt::white, QColor(64, 64, 64));
        DrawBevel(p, outer.adjusted(2, 2, -2, -2), QColor(128, 128, 128), Qt::white);
    }

};


SpinEdit* AddSpinEdit(QWidget* parent, const char* name, QPoint at, int minimum, int maximum,
                      int value) {
    auto* box = new SpinEdit(parent, minimum, maximum, value, 10);
    box->setObjectName(QLatin1String(name));
    box->setFont(ArialPixels(13, true));
    box->setGeometry(QRect(at, QSize(65, 22)));
    return box;
}

QSlider* AddTrackBar(QWidget* parent, const char* name, int y, int minimum, int maximum, int tick) {
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(8, y, 185, 25);
    bar->setRange(minimum, maximum);
    bar->setValue(minimum);
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

}  // namespace

TForm1::TForm1(Clock* clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      ownClock_(clock ? nullptr : std::make_unique<WallClock>()),
      clock_(clock ? clock : ownClock_.get()),
      sim_(std::make_unique<Simulation>(*clock_)) {
    setObjectName(QStringLiteral("Form1"));
    // Never visible: the window has no caption bar.
    setWindowTitle(QStringLiteral("Liczba zderzeń ze ściankami naczynia"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(ArialPixels(11));
    resize(Surface::kWidth, Surface::kHeight);

    stage_ = new QWidget(this);
    stage_->setObjectName(QStringLiteral("Stage"));
    stage_->setGeometry(0, 0, Surface::kWidth, Surface::kHeight);

    // Stacking order, lowest first, follows the order of creation.
    DXDraw = new SurfaceView(surface_, stage_);
    DXDraw->move(0, 0);
    BuildToolButtons();
    Panel1 = BuildMainMenu(stage_);
    BuildPanel2();
    BuildPanel8();
    BuildTablePanel();

    CheckBox2 = Control<QCheckBox>("CheckBox2");
    DXTimer1.setObjectName(QStringLiteral("DXTimer1"));
    DXTimer1.SetHandler([this](int lagCount) { DXTimer1Timer(lagCount); });

    ConnectMenu();
    ConnectRunControl();
    SetUpTables();
    ConnectModeStarts();
}

TForm1::~TForm1() {
    DXTimer1.SetEnabled(false);
}

void TForm1::SetDialogs(TFO_programie* about, Tjednostki* units) {
    FO_programie = about;
    jednostki = units;
}

void TForm1::BuildToolButtons() {
    const std::pair<const char*, const char*> buttons[] = {
        {"BitBtn7", "Zacznij od nowa"}, {"BitBtn6", "Pauza"},   {"BitBtn18", "Parametry"},
        {"BitBtn19", "Drukuj"},         {"BitBtn1", "Wyjście"},
    };
    int x = 752;
    for (const auto& [name, hint] : buttons) {
        auto* button = new QPushButton(stage_);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(x, 64, 41, 33);
        button->setToolTip(QString::fromUtf8(hint));
        button->setFocusPolicy(Qt::NoFocus);
        const QPixmap glyph = ToolGlyph(button->objectName());
        button->setIcon(glyph);
        button->setIconSize(glyph.deviceIndependentSize().toSize());
        x += 40;
    }
    BitBtn6 = Control<QPushButton>("BitBtn6");
}

void TForm1::BuildPanel2() {
    auto* panel = new BevelPanel(stage_);
    Panel2 = panel;
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setGeometry(480, 16, 513, 401);
    panel->hide();

    const QFont title = ArialPixels(16, true);
    const QFont bold = ArialPixels(13, true);
    const QFont regular = ArialPixels(13);
    AddLabel(panel, "Label1", QStringLiteral("DYFUZJA - ustawienia warunków początkowych układu"),
             title, {56, 20});
    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("Image12"));
    icon->setGeometry(24, 16, 25, 25);
    AddLabel(panel, "Label2", QStringLiteral("Wielkość cząsteczek"), bold, {40, 72});

    auto* group = new QGroupBox(panel);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(32, 88, 153, 249);
    const char* captions[] = {"1", "2", "3", "5", "7", "9", "11", "15", "20"};
    for (int k = 0; k < 9; ++k) {
        auto* picture = new QLabel(group);
        picture->setObjectName(QStringLiteral("SizePicture%1").arg(k + 1));
        picture->setGeometry(16, 24 + 24 * k, 20, 20);
        picture->setPixmap(SizePicture(k));
        auto* radio = new QRadioButton(QLatin1String(captions[k]), group);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(k + 1));
        radio->setFont(bold);
        radio->setGeometry(48, 24 + 24 * k, 80, 20);
        RadioButtons[k] = radio;
    }
    RadioButtons[7]->setChecked(true);

    AddLabel(panel, "Label4", QStringLiteral("llość cząsteczek mieszaniny"), bold, {216, 80});
    SpinEdit1 = AddSpinEdit(panel, "SpinEdit1", {360, 112}, 1, kMaxParticles, 500);
    AddLabel(panel, "Label5", QStringLiteral("Szerokość naczynia"), bold, {216, 144});
    SpinEdit2 = AddSpinEdit(panel, "SpinEdit2", {360, 144}, 100, 700, 600);
    AddLabel(panel, "Label9", QStringLiteral("jednostek"), regular, {432, 144});
    AddLabel(panel, "Label6", QStringLiteral("Wysokość naczynia"), bold, {216, 176});
    SpinEdit3 = AddSpinEdit(panel, "SpinEdit3", {360, 176}, 100, 700, 600);
    AddLabel(panel, "Label15", QStringLiteral("jednostek"), regular, {432, 176});
    AddLabel(panel, "Label7", QStringLiteral("Określ maksymalną szybkość cząsteczek"), bold,
             {216, 208});
    SpinEdit4 = AddSpinEdit(panel, "SpinEdit4", {360, 240}, 0, 300, 50);
    AddLabel(panel, "Label3", QStringLiteral("jednostek"), regular, {432, 240});
    AddLabel(panel, "Label50", QStringLiteral("Ilosc zderzeń"), bold, {216, 272})->hide();
    SpinEdit6 = AddSpinEdit(panel, "SpinEdit6", {360, 296}, 1, 5000, 300);
    SpinEdit6->hide();

    auto* start = new QPushButton(QStringLiteral("Start"), panel);
    start->setObjectName(QStringLiteral("BitBtn3"));
    start->setFont(bold);
    start->setGeometry(32, 352, 465, 33);
    const QPixmap run = RunGlyph();
    start->setIcon(run);
    start->setIconSize(run.deviceIndependentSize().toSize());
    auto* close = new QPushButton(QStringLiteral("Zamknij"), panel);
    close->setObjectName(QStringLiteral("BitBtn25"));
    close->setFont(bold);
    close->setGeometry(32, 352, 465, 33);
    close->hide();
}

void TForm1::BuildPanel8() {
    auto* panel = new BevelPanel(stage_);
    Panel8 = panel;
    panel->setObjectName(QStringLiteral("Panel8"));
    panel->setGeometry(784, 128, 201, 209);
    panel->hide();
    const QFont caption = ArialPixels(11);
    AddLabel(panel, "Label49", QStringLiteral("Liczba cząsteczek"), caption, {16, 8});
    TrackBars[0] = AddTrackBar(panel, "TrackBar1", 24, 100, 500, 10);
    AddLabel(panel, "Label59", QStringLiteral("Vśr. cząsteczek:"), caption, {16, 56});
    TrackBars[1] = AddTrackBar(panel, "TrackBar2", 72, 1, 10, 1);
    AddLabel(panel, "Label60", QStringLiteral("Masa cząsteczek gazu:"), caption, {16, 104});
    TrackBars[2] = AddTrackBar(panel, "TrackBar3", 120, 1, 10, 1);
    AddLabel(panel, "Label61", QStringLiteral("Szerokość naczynia"), caption, {16, 152});
    TrackBars[3] = AddTrackBar(panel, "TrackBar4", 168, 400, 650, 50);
    // The initialisers rewrite these captions with longer texts.
    for (const char* name : {"Label49", "Label59", "Label60", "Label61"}) {
        Control<QLabel>(name)->setFixedWidth(201 - 16 - 4);
    }
}

void TForm1::BuildTablePanel() {
    auto* button = new QPushButton(QStringLiteral("Pokaż tabelę pomiarów"), stage_);
    button->setObjectName(QStringLiteral("Button2"));
    button->setGeometry(8, 8, 145, 25);
    button->hide();
    auto* panel = new BevelPanel(stage_);
    panel->setObjectName(QStringLiteral("Panel11"));
    panel->setGeometry(8, 8, 689, 713);
    panel->hide();
}

void TForm1::Show(const char* name) const {
    Control(name)->show();
}

void TForm1::Hide(const char* name) const {
    Control(name)->hide();
}

void TForm1::Enable(const char* name) const {
    Control(name)->setEnabled(true);
}

void TForm1::CopyPicture(const char* source, const char* target) const {
    Control<QLabel>(target)->setPixmap(Control<QLabel>(source)->pixmap());
}

void TForm1::SyncControls() {
    Controls& c = sim_->C;
    c.Particles = SpinEdit1->Value();
    c.VesselWidth = SpinEdit2->Value();
    c.VesselHeight = SpinEdit3->Value();
    c.MaxSpeed = SpinEdit4->Value();
    c.CollisionLimit = SpinEdit6->Value();
    for (int k = 1; k <= 9; ++k) {
        if (RadioButtons[k - 1]->isChecked()) c.SizeChoice = k;
    }
    if (CheckBox2) c.StopAtLimit = CheckBox2->isChecked();
    c.ExperimentParticles = TrackBars[0]->value();
    c.SpeedFactor = TrackBars[1]->value();
    c.ParticleMass = TrackBars[2]->value();
    c.VesselSide = TrackBars[3]->value();
}

void TForm1::DXTimer1Timer(int /*lagCount*/) {
    SyncControls();
    const FrameResult result = Advance(*sim_);
    // The engine draws the state in the window's language; the window shows the picture.
    if (Render(*sim_, PolishSurfaceTexts(), surface_)) surface_.Present();
    if (result.PauseRequested) BitBtn6Click();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    stage_->move((width() - Surface::kWidth) / 2, (height() - Surface::kHeight) / 2);
}
