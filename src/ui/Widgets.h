#pragma once

#include <QFont>
#include <QLabel>
#include <QMouseEvent>

class QPainter;

// Arial at a pixel height, as the window's controls give their fonts.
QFont ArialPixels(int pixels, bool bold = false, bool italic = false, bool underline = false);

// A label sized to its text with its top-left corner at `at`.
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                 QPoint at);

// The two edges of a classic bevel: top and left in one colour, bottom and right in the other.
void DrawBevel(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight);

// A label that reacts to a click, as the exercise links and the About dialog's links do.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            emit clicked();
        }
        QLabel::mouseReleaseEvent(event);
    }
};
