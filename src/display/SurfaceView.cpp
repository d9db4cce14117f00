#include "display/SurfaceView.h"

#include <QPaintEvent>
#include <QPainter>

#include "display/Surface.h"

SurfaceView::SurfaceView(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setObjectName(QStringLiteral("DXDraw"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(Surface::kWidth, Surface::kHeight);
    surface_.SetPresentHandler([this] { update(); });
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), surface_.Front(), event->rect());
}
