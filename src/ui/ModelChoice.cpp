#include "ui/ModelChoice.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/Widgets.h"

namespace {

// Follows the experiment panel's visibility.
class Follower : public QObject {
  public:
    Follower(QWidget* leader, QWidget* follower) : QObject(follower), follower_(follower) {
        leader->installEventFilter(this);
        follower_->setVisible(leader->isVisible());
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::ShowToParent)
            follower_->show();
        if (event->type() == QEvent::Hide || event->type() == QEvent::HideToParent)
            follower_->hide();
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* follower_;
};

// A small panel of the stage's classic look holding a compact choice.
ModelChoice* AddModelChoiceFrame(QWidget* stage, const QString& name, const QRect& place) {
    auto* frame = new BevelPanel(stage, ClassicBevel());
    frame->setObjectName(name);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Button, ClassicBevel().Face);
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::ButtonText, Qt::black);
    frame->setPalette(pal);
    frame->setGeometry(place);
    auto* choice = new ModelChoice(frame, name + QStringLiteral("Choice"), true);
    choice->move(8, 6);
    frame->hide();
    return choice;
}

}  // namespace

ModelChoice::ModelChoice(QWidget* parent, const QString& name, bool compact) : QWidget(parent) {
    setObjectName(name);
    const QFont font = ArialPixels(11, true);
    auto* caption =
        new QLabel(compact ? QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Model:"))
                           : QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Model zderzeń:")),
                   this);
    caption->setObjectName(name + QStringLiteral("Caption"));
    caption->setFont(font);
    Described = new QRadioButton(QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "prosty")), this);
    Described->setObjectName(name + QStringLiteral("Described"));
    Described->setToolTip(QStringLiteral(QT_TRANSLATE_NOOP(
        "kinetra",
        "Cząsteczki, które się zetkną, wymieniają się całymi prędkościami (model programu)")));
    Exact = new QRadioButton(QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "dokładny")), this);
    Exact->setObjectName(name + QStringLiteral("Exact"));
    Exact->setToolTip(QStringLiteral(QT_TRANSLATE_NOOP(
        "kinetra",
        "Cząsteczki są sprężystymi krążkami: zderzają się jak w teorii kinetycznej gazów")));
    ShowHistogram =
        new QCheckBox(QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Histogram prędkości")), this);
    ShowHistogram->setObjectName(name + QStringLiteral("Histogram"));
    ShowHistogram->setToolTip(QStringLiteral(QT_TRANSLATE_NOOP(
        "kinetra",
        "Rozkład prędkości cząsteczek obok naczynia, z krzywą Maxwella dla tej samej energii")));
    for (QWidget* w : {static_cast<QWidget*>(Described), static_cast<QWidget*>(Exact),
                       static_cast<QWidget*>(ShowHistogram)})
        w->setFont(font);
    auto* group = new QButtonGroup(this);
    group->addButton(Described);
    group->addButton(Exact);
    Described->setChecked(true);
    if (compact) {
        resize(185, 42);
        caption->setGeometry(0, 0, 44, 20);
        Described->setGeometry(44, 0, 62, 20);
        Exact->setGeometry(106, 0, 79, 20);
        ShowHistogram->setGeometry(0, 22, 185, 20);
    } else {
        resize(460, 22);
        caption->setGeometry(0, 1, 92, 20);
        Described->setGeometry(92, 1, 64, 20);
        Exact->setGeometry(158, 1, 80, 20);
        ShowHistogram->setGeometry(268, 1, 180, 20);
    }
    connect(Described, &QRadioButton::toggled, this, [this](bool on) {
        if (on) emit Changed();
    });
    connect(Exact, &QRadioButton::toggled, this, [this](bool on) {
        if (on) emit Changed();
    });
    connect(ShowHistogram, &QCheckBox::toggled, this, &ModelChoice::Changed);
}

void ModelChoice::Show(GasModel model, bool histogram) {
    const QSignalBlocker quiet1(Described);
    const QSignalBlocker quiet2(Exact);
    const QSignalBlocker quiet3(ShowHistogram);
    (model == GasModel::Exact ? Exact : Described)->setChecked(true);
    ShowHistogram->setChecked(histogram);
}

GasModel ModelChoice::Model() const {
    return Exact->isChecked() ? GasModel::Exact : GasModel::Described;
}

bool ModelChoice::Histogram() const {
    return ShowHistogram->isChecked();
}

ModelChoice* AddModelChoiceUnder(QWidget* stage, QWidget* panel) {
    const QRect above = panel->geometry();
    // Between the panel and the status lines below it, which start at y = 400.
    ModelChoice* choice =
        AddModelChoiceFrame(stage, panel->objectName() + QStringLiteral("Model"),
                            {above.left(), above.bottom() + 4, above.width(), 54});
    new Follower(panel, choice->parentWidget());
    return choice;
}

ModelChoice* AddHeatModelChoice(QWidget* stage) {
    // Under the tool buttons, clear of the status lines and of the vessel; the heat transport
    // has no histogram.
    ModelChoice* choice =
        AddModelChoiceFrame(stage, QStringLiteral("HeatModel"), {784, 110, 200, 34});
    choice->ShowHistogram->hide();
    return choice;
}
