#include "ui/Widgets.h"

#include <QCoreApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <QWheelEvent>
#include <QtMath>

#include "ui/FocusMark.h"
#include "ui/SafePaste.h"

namespace {

// Read-only texts too: a paste key or middle click must not reach Qt's own paste with a
// clipboard that holds no data at all.
class Memo : public SafePlainTextEdit {
  public:
    using SafePlainTextEdit::SafePlainTextEdit;

  protected:
    void wheelEvent(QWheelEvent* event) override {
        if (verticalScrollBar()->maximum() > 0) {
            QPlainTextEdit::wheelEvent(event);
            return;
        }
        for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
            if (auto* pane = qobject_cast<QAbstractScrollArea*>(w)) {
                QCoreApplication::sendEvent(pane->verticalScrollBar(), event);
                return;
            }
        }
        event->ignore();
    }
};

}  // namespace

QFont ArialPixels(int pixels, bool bold, bool italic, bool underline) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                 QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->adjustSize();
    label->move(at);
    return label;
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption, QRect place,
                       const QPixmap& glyph) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(ArialPixels(12, true));
    button->setGeometry(place);
    if (!glyph.isNull()) {
        button->setIcon(glyph);
        button->setIconSize(glyph.deviceIndependentSize().toSize());
    }
    return button;
}

void DrawBevel(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

BevelLook ClassicBevel() {
    const QColor face(212, 208, 200);
    return {face, Qt::white, QColor(64, 64, 64), 2, QColor(128, 128, 128), Qt::white};
}

BevelLook FaceBevel(const QColor& face, int border) {
    const QColor light = face.lighter(160);
    const QColor dark = face.darker(210);
    return {face, light, dark, border + 1, dark, light};
}

BevelPanel::BevelPanel(QWidget* parent, const BevelLook& look) : QFrame(parent), look_(look) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look.Face);
    setPalette(pal);
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), look_.Face);
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    DrawBevel(p, outer, look_.OuterLight, look_.OuterDark);
    const int in = look_.Inset;
    DrawBevel(p, outer.adjusted(in, in, -in, -in), look_.InnerDark, look_.InnerLight);
}

int MemoHeight(const QString& text, const QFont& font, int width) {
    const qreal lineWidth = width - 2 * kMemoMargin;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal height = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(lineWidth);
            height += line.height();
        }
        layout.endLayout();
    }
    return qCeil(height) + 2 * kMemoMargin + 2;
}

QPlainTextEdit* AddMemo(QWidget* parent, const QString& name, const QString& text, QRect place,
                        const MemoStyle& style) {
    auto* memo = new Memo(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setFont(style.Font);
    memo->setVerticalScrollBarPolicy(style.VerticalBar);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->viewport()->setCursor(Qt::ArrowCursor);
    QPalette pal = memo->palette();
    pal.setColor(QPalette::Base, style.Ground);
    pal.setColor(QPalette::Text, Qt::black);
    memo->setPalette(pal);
    memo->setPlainText(text);
    if (place.height() == 0) place.setHeight(MemoHeight(text, style.Font, place.width()));
    memo->setGeometry(place);
    return memo;
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!FocusMarkStyle::KeyboardFocusOn(this)) return;
    QPainter p(this);
    FocusMarkStyle::DrawMark(p, rect());
}

void ClickLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void ClickLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}
