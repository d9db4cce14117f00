#pragma once

#include <QProxyStyle>

class QPainter;
class QWidget;

// The keyboard's focus, marked on every button, link, box and track bar: a ring of black and
// white dots, as the classic controls of the program's look mark it, plain on the grey panels
// and on the blue menu alike. Shown only once the keyboard has moved the focus in the window
// (Tab), so that the mouse sees the controls as they always were.
class FocusMarkStyle : public QProxyStyle {
  public:
    // Draws as `base` does (owned), the application's default style when null.
    explicit FocusMarkStyle(QStyle* base = nullptr);

    // Makes it the application's style, over the style in use, once.
    static void Install();
    // Whether `w` has the focus and its window has seen the keyboard move it.
    static bool KeyboardFocusOn(const QWidget* w);
    // The ring of dots, two pixels wide, along the inside of `r`.
    static void DrawMark(QPainter& p, const QRect& r);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
