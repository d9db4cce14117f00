#include "ui/Widgets.h"

#include <QPainter>

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

void DrawBevel(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}
