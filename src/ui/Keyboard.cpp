#include "ui/Keyboard.h"
#include "measure/Language.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QGraphicsView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolTip>
#include <algorithm>
#include <array>

#include "ui/PrintingBinding.h"
#include "ui/Retranslate.h"
#include "ui/SpinEdit.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

namespace {

std::array<QAbstractButton*, 6> ToolButtonsOf(const ToolButtons& t) {
    return {t.BitBtn7, t.BitBtn6, t.BitBtn18, t.BitBtn19, t.BitBtn1, t.SavePicture};
}

bool TakesText(const QWidget* w) {
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)) return true;
    const auto* memo = qobject_cast<const QPlainTextEdit*>(w);
    return memo && !memo->isReadOnly();
}

void SetLinkColour(QWidget* link, const QColor& colour) {
    QPalette pal = link->palette();
    pal.setColor(QPalette::WindowText, colour);
    link->setPalette(pal);
}

// Names for the controls that show no caption of their own.
void NameInputs(const InitialConditionsPanel& c, const ExperimentControls& e) {
    const std::pair<QWidget*, const char*> names[] = {
        {c.SpinEdit1, QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek")},
        {c.SpinEdit2, QT_TRANSLATE_NOOP("kinetra", "Szerokość naczynia")},
        {c.SpinEdit3, QT_TRANSLATE_NOOP("kinetra", "Wysokość naczynia")},
        {c.SpinEdit4, QT_TRANSLATE_NOOP("kinetra", "Maksymalna szybkość cząsteczek")},
        {c.SpinEdit6, QT_TRANSLATE_NOOP("kinetra", "Liczba zderzeń")},
        {e.TrackBar(1), QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek")},
        {e.TrackBar(2), QT_TRANSLATE_NOOP("kinetra", "Średnia prędkość cząsteczek")},
        {e.TrackBar(3), QT_TRANSLATE_NOOP("kinetra", "Masa cząsteczek gazu")},
        {e.TrackBar(4), QT_TRANSLATE_NOOP("kinetra", "Szerokość naczynia")},
    };
    for (const auto& [w, text] : names)
        w->setAccessibleName(QString::fromUtf8(text));
}

}  // namespace

KeyboardControl::KeyboardControl(TForm1* form, std::function<void()> toggleScreen)
    : QObject(form),
      form_(form),
      toggleScreen_(std::move(toggleScreen)),
      panel1_(form->Menu().Panel1),
      panel2_(form->Conditions().Panel2) {
    QWidget* stage = form_->Stage();
    NameButtons(stage);
    NameInputs(form_->Conditions(), form_->Experiment());
    for (QAbstractButton* button : ToolButtonsOf(form_->Tools())) {
        const QString key = KeyOf(button->objectName());
        if (key.isEmpty()) continue;
        const char* prefix = QT_TRANSLATE_NOOP("kinetra", "Klawisz: ");
        button->setAccessibleDescription(Tr(prefix) + key);
        // Put together again in each language the window switches to.
        button->setProperty(kDescriptionPartsProperty,
                            QStringList{QString::fromUtf8(prefix), SourceOf(key)});
    }
    for (ClickLabel* link : stage->findChildren<ClickLabel*>()) {
        link->setFocusPolicy(Qt::TabFocus);
        link->setAccessibleName(link->text());
    }
    UpdateToolButtonFocus();
    qApp->installEventFilter(this);
}

KeyboardControl::~KeyboardControl() {
    qApp->removeEventFilter(this);
}

QString KeyboardControl::KeyOf(const QString& toolButton) {
    if (toolButton == QLatin1String("BitBtn7")) return QStringLiteral("R");
    if (toolButton == QLatin1String("BitBtn6")) return Tr(QT_TRANSLATE_NOOP("kinetra", "spacja"));
    if (toolButton == QLatin1String("BitBtn19")) return QStringLiteral("P");
    if (toolButton == QLatin1String("BitBtn1")) return QStringLiteral("Esc");
    return {};
}

QString KeyboardControl::ShownHint(const QAbstractButton* toolButton) {
    const QString key = KeyOf(toolButton->objectName());
    if (key.isEmpty()) return toolButton->toolTip();
    return QStringLiteral("%1 (%2)").arg(toolButton->toolTip(), key);
}

void KeyboardControl::NameButtons(QWidget* root) {
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!button->accessibleName().isEmpty()) continue;
        QString name = button->text();
        name.remove(QLatin1Char('&'));
        if (name.trimmed().isEmpty()) name = button->toolTip();
        button->setAccessibleName(name.trimmed());
    }
}

bool KeyboardControl::ToolButtonsUncovered() const {
    return panel1_->isHidden() && panel2_->isHidden();
}

void KeyboardControl::UpdateToolButtonFocus() {
    // Covered buttons cannot be reached by the mouse, so Tab passes them by too.
    const Qt::FocusPolicy policy = ToolButtonsUncovered() ? Qt::TabFocus : Qt::NoFocus;
    for (QAbstractButton* button : ToolButtonsOf(form_->Tools())) {
        button->setFocusPolicy(policy);
        if (policy == Qt::NoFocus && button->hasFocus()) button->clearFocus();
    }
}

QWidget* KeyboardControl::FocusedControl() const {
    QWidget* focus = QApplication::focusWidget();
    // Right after a change of window flags Qt may not count the window as active yet, though
    // it gets the keys; its own record of the focus is the one to go by then.
    if (!focus) focus = form_->focusWidget();
    // In a window the stage sits in a view; the control with the focus is inside the stage.
    if (qobject_cast<QGraphicsView*>(focus)) return form_->Stage()->focusWidget();
    return focus;
}

bool KeyboardControl::IsToolButton(const QObject* object) const {
    const auto buttons = ToolButtonsOf(form_->Tools());
    return std::find(buttons.begin(), buttons.end(), object) != buttons.end();
}

bool KeyboardControl::Click(QAbstractButton* button) const {
    if (!button || !button->isEnabled()) return false;
    button->click();
    return true;
}

bool KeyboardControl::OnKey(QKeyEvent* key) {
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier) return false;
    QWidget* focus = FocusedControl();
    switch (key->key()) {
        case Qt::Key_F11:
            if (key->isAutoRepeat() || !toggleScreen_) return false;
            toggleScreen_();
            return true;
        case Qt::Key_F1:
            return !key->isAutoRepeat() && Click(form_->Menu().BitBtn26);
        case Qt::Key_F12:
            // The next language, also in the middle of a run, where the menu is hidden.
            if (!key->isAutoRepeat()) form_->NextLanguage();
            return true;
        case Qt::Key_Escape:
            // Closes the set-up panel, goes back to the run, or leaves it for the menu.
            return form_->Escape();
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // On the initial-conditions panel Enter presses "Start" (or "Zamknij" in its place)
            // from a size, a box or an option, as a dialog's default button.
            if (focus && panel2_->isAncestorOf(focus) && !qobject_cast<QPushButton*>(focus)) {
                const InitialConditionsPanel& p = form_->Conditions();
                return Click(p.BitBtn25->isVisible() ? p.BitBtn25 : p.BitBtn3);
            }
            if (auto* button = qobject_cast<QAbstractButton*>(focus)) {
                button->click();
                return true;
            }
            if (auto* link = qobject_cast<ClickLabel*>(focus)) {
                emit link->clicked();
                return true;
            }
            return false;
        default:
            break;
    }
    const bool runKey =
        key->key() == Qt::Key_Space || key->key() == Qt::Key_R || key->key() == Qt::Key_P;
    if (!runKey || !form_->Core().Shown().ToolsUncovered() || (focus && TakesText(focus))) {
        // Space on a focused exercise link opens it, as on a button.
        if (key->key() == Qt::Key_Space) {
            if (auto* link = qobject_cast<ClickLabel*>(focus)) {
                emit link->clicked();
                return true;
            }
        }
        return false;
    }
    if (key->isAutoRepeat()) return true;
    if (key->key() == Qt::Key_Space) Click(form_->Tools().BitBtn6);
    if (key->key() == Qt::Key_R) Click(form_->Tools().BitBtn7);
    // One stray key must not send a page: it asks first, naming the printer.
    if (key->key() == Qt::Key_P && form_->Tools().BitBtn19->isEnabled())
        form_->Printing().PrintKey();
    return true;
}

bool KeyboardControl::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* w = qobject_cast<QWidget*>(watched);
            if (!w || QApplication::activeModalWidget()) break;
            const QWidget* top = w->window();
            if (top != form_ && top != form_->Stage()) break;
            if (OnKey(static_cast<QKeyEvent*>(event))) return true;
            break;
        }
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            if (watched == panel1_ || watched == panel2_) UpdateToolButtonFocus();
            break;
        case QEvent::ToolTip:
            if (auto* button = qobject_cast<QAbstractButton*>(watched);
                button && IsToolButton(button)) {
                QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), ShownHint(button),
                                   button);
                return true;
            }
            break;
        case QEvent::ToolTipChange:
            // The pause button's hint turns to "Wznów" and back; its name follows.
            if (auto* button = qobject_cast<QAbstractButton*>(watched);
                button && IsToolButton(button)) {
                button->setAccessibleName(button->toolTip());
            }
            break;
        case QEvent::FocusIn:
            if (auto* link = qobject_cast<ClickLabel*>(watched)) SetLinkColour(link, Qt::blue);
            break;
        case QEvent::FocusOut:
            if (auto* link = qobject_cast<ClickLabel*>(watched)) SetLinkColour(link, Qt::black);
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}
