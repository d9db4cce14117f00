#include "display/SurfaceView.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "display/Surface.h"

SurfaceView::SurfaceView(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setObjectName(QStringLiteral("DXDraw"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(Surface::kWidth, Surface::kHeight);
    surface_.SetPresentHandler([this] { update(); });
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Scaled by a whole factor, every surface pixel becomes a sharp square; at any other factor
    // nearest-neighbour would make some pixels wider than others, so blend instead.
    const double scale = painter.deviceTransform().m11();
    if (std::abs(scale - std::round(scale)) > 1e-6) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    painter.drawImage(event->rect(), surface_.Front(), event->rect());
}
