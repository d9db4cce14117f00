#include "ui/FocusMark.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

namespace {

bool Marked(const QStyleOption* option) {
    return option->state.testFlag(QStyle::State_HasFocus) &&
           option->state.testFlag(QStyle::State_KeyboardFocusChange);
}

}  // namespace

FocusMarkStyle::FocusMarkStyle(QStyle* base) : QProxyStyle(base) {}

void FocusMarkStyle::Install() {
    QStyle* current = QApplication::style();
    if (dynamic_cast<FocusMarkStyle*>(current)) return;
    // Over the style chosen (-style on the command line, say), not Qt's default.
    QApplication::setStyle(new FocusMarkStyle(QStyleFactory::create(current->name())));
}

bool FocusMarkStyle::KeyboardFocusOn(const QWidget* w) {
    return w->hasFocus() && w->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void FocusMarkStyle::DrawMark(QPainter& p, const QRect& r) {
    if (r.width() < 4 || r.height() < 4) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    // Two pixels of white, then every other pair of them black: the dots read on any ground.
    const QRect ring = r.adjusted(1, 1, -1, -1);
    QPen pen(Qt::white, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(pen);
    p.drawRect(ring);
    pen.setColor(Qt::black);
    pen.setDashPattern({1, 1});
    p.setPen(pen);
    p.drawRect(ring);
    p.restore();
}

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (!Marked(option)) return;
    switch (element) {
        case CE_PushButton:
            // Inside the button's own edge, around its picture and caption.
            DrawMark(*painter, option->rect.adjusted(3, 3, -3, -3));
            break;
        case CE_CheckBox:
        case CE_RadioButton: {
            // Around the caption, clear of the box or the dot before it.
            const QRect caption = subElementRect(
                element == CE_CheckBox ? SE_CheckBoxFocusRect : SE_RadioButtonFocusRect, option,
                widget);
            DrawMark(*painter, caption.adjusted(-3, -3, 3, 3) & option->rect);
            break;
        }
        default:
            break;
    }
}

void FocusMarkStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                        QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (!Marked(option)) return;
    if (control == CC_SpinBox) DrawMark(*painter, option->rect);
    if (control == CC_Slider) {
        // Around the groove and the handle; the ticks below stay in view.
        const QRect handle = subControlRect(control, option, SC_SliderHandle, widget);
        QRect around = option->rect;
        around.setBottom(std::min(around.bottom(), handle.bottom() + 3));
        DrawMark(*painter, around);
    }
}

void FocusMarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // A table cell; the text field inside a spin box is marked with its box.
    if (element == PE_PanelLineEdit && Marked(option) && qobject_cast<const QLineEdit*>(widget) &&
        !qobject_cast<const QAbstractSpinBox*>(widget->parentWidget()))
        DrawMark(*painter, option->rect);
}
