#pragma once

#include <QFontMetrics>
#include <QPainter>
#include <QString>

// Text placed by its top-left corner, as the chart and the printed pages place it.
inline void DrawTextTopLeft(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

inline int TextWidth(const QPainter& painter, const QString& text) {
    return painter.fontMetrics().horizontalAdvance(text);
}

// Straight 1-pixel lines that leave out their end point, so that joined strokes meet without
// drawing the joint twice.
inline QPen LinePen(const QColor& colour, int width = 1) {
    QPen pen(colour);
    pen.setWidth(width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}
