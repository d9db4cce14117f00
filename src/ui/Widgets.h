#pragma once

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

class QPainter;

// Arial at a pixel height, as the window's controls give their fonts.
QFont ArialPixels(int pixels, bool bold = false, bool italic = false, bool underline = false);

// A label sized to its text with its top-left corner at `at`.
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                 QPoint at);

// A push button in bold 12-pixel Arial, with a glyph before its caption when one is given.
QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption, QRect place,
                       const QPixmap& glyph = {});

// The two edges of a classic bevel: top and left in one colour, bottom and right in the other.
void DrawBevel(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight);

// The colours of a bevelled panel: a raised outer bevel, `Inset` pixels further in a lowered
// inner one, the face filled inside.
struct BevelLook {
    QColor Face;
    QColor OuterLight, OuterDark;
    int Inset = 2;
    QColor InnerDark, InnerLight;
};

// The grey panels over the surface (initial conditions, experiment, table).
BevelLook ClassicBevel();
// A coloured panel of the menu, with `border` pixels of face between its two bevels.
BevelLook FaceBevel(const QColor& face, int border);

// A panel in the classic look, drawn from a BevelLook.
class BevelPanel : public QFrame {
  public:
    BevelPanel(QWidget* parent, const BevelLook& look);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    BevelLook look_;
};

// QPlainTextEdit's document margin, around a memo's text.
inline constexpr int kMemoMargin = 4;

// Height a read-only plain-text memo needs to show `text` whole at the given width.
int MemoHeight(const QString& text, const QFont& font, int width);

// How a memo looks: its font, its ground and whether it may scroll on its own.
struct MemoStyle {
    QFont Font = ArialPixels(11);
    QColor Ground = Qt::white;
    Qt::ScrollBarPolicy VerticalBar = Qt::ScrollBarAlwaysOff;
};

// A borderless read-only text; a height of 0 fits the memo to its text. A memo short enough to
// show whole hands the mouse wheel to the pane it stands in, so that turning the wheel
// anywhere over a pane scrolls it.
QPlainTextEdit* AddMemo(QWidget* parent, const QString& name, const QString& text, QRect place,
                        const MemoStyle& style = {});

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
    // The keyboard's focus mark around the link.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
