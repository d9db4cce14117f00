#include "display/SurfaceView.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "display/Surface.h"

SurfaceView::SurfaceView(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setObjectName(QStringLiteral("DXDraw"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(Surface::kWidth, Surface::kHeight);
    wholeRepaint_ = qEnvironmentVariable("KINETRA_REPAINT") == QLatin1String("whole");
    pictureScaling_ = qEnvironmentVariable("KINETRA_SCALING") == QLatin1String("picture");
    surface_.SetPresentHandler([this] {
        const QRegion region = AfterPresent();
        if (!region.isEmpty()) update(region);
    });
}

QRegion SurfaceView::AfterPresent() const {
    if (wholeRepaint_) return QRegion(0, 0, Surface::kWidth, Surface::kHeight);
    // Drawn at the device's pixels, a call may change them where the surface's did not.
    if (drawn_) return RepaintRegion(surface_.Changed() | surface_.CommandsChanged());
    if (surface_.Changed().isEmpty()) return QRegion();
    return RepaintRegion(surface_.Changed());
}

QRegion SurfaceView::RepaintRegion(const QRegion& changed) {
    QRegion region;
    for (const QRect& rect : changed)
        region += rect.adjusted(-1, -1, 1, 1);
    return region & QRect(0, 0, Surface::kWidth, Surface::kHeight);
}

void SurfaceView::PaintPicture(QPainter& painter, const QImage& picture, const QRegion& region) {
    // Scaled by a whole factor, every surface pixel becomes a sharp square; at any other factor
    // nearest-neighbour would make some pixels wider than others, so blend instead.
    const double scale = painter.deviceTransform().m11();
    if (std::abs(scale - std::round(scale)) <= 1e-6) {
        for (const QRect& rect : region)
            painter.drawImage(rect, picture, rect);
        return;
    }
    // Blending reads the pixels around each one: a part drawn from a part of the picture would
    // blend differently at its edges, so draw it all and let the clip keep the region.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipRegion(region, Qt::IntersectClip);
    painter.drawImage(QPoint(0, 0), picture);
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QTransform device = painter.deviceTransform();
    if (!pictureScaling_ && std::abs(device.m11() - 1.0) > 1e-6 &&
        device.type() <= QTransform::TxScale && device.m11() == device.m22() &&
        ScaledDrawing::Drawable(surface_.FrontCommands())) {
        drawing_.Paint(painter, surface_.FrontCommands(),
                       wholeRepaint_ ? QRegion(rect()) : event->region());
        drawn_ = true;
        surface_.SetPixelsOnDemand(true);
        return;
    }
    drawn_ = false;
    surface_.SetPixelsOnDemand(false);
    if (wholeRepaint_) {
        const double scale = painter.deviceTransform().m11();
        if (std::abs(scale - std::round(scale)) > 1e-6) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
        }
        painter.drawImage(event->rect(), surface_.Front(), event->rect());
        return;
    }
    PaintPicture(painter, surface_.Front(), event->region());
}
