#pragma once

#include <QRegion>
#include <QWidget>

#include "display/ScaledDrawing.h"

class QPainter;

// The drawing surface's place in the window (DXDraw): shows the last presented picture. After a
// present only the tiles that changed are painted again, so a large screen scales the moving
// part of the picture and not the still instruments and captions around it.
class SurfaceView : public QWidget {
    Q_OBJECT
  public:
    SurfaceView(Surface& surface, QWidget* parent = nullptr);

    // The part of the view to paint again after a present that changed `changed`: a scaled,
    // smoothed picture lets a surface pixel tint the device pixels beside it, so one pixel more.
    static QRegion RepaintRegion(const QRegion& changed);

    // The part of the view a present asks to paint again.
    QRegion AfterPresent() const;

    // Paints `region` of the picture through a painter that maps the surface's pixels onto the
    // device, as the view does in its paint event.
    static void PaintPicture(QPainter& painter, const QImage& picture, const QRegion& region);

    // Every present paints the whole picture again, as before the tiles were tracked
    // (KINETRA_REPAINT=whole in the environment; for comparing the two).
    void SetWholeRepaint(bool whole) { wholeRepaint_ = whole; }

    // Shown larger or smaller than the surface, the frame is drawn again at the device's pixels
    // from its draw calls; this enlarges the surface's picture with smoothing instead, as before
    // (KINETRA_SCALING=picture in the environment; for comparing the two).
    void SetPictureScaling(bool picture) { pictureScaling_ = picture; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Surface& surface_;
    bool wholeRepaint_ = false;
    bool pictureScaling_ = false;
    bool drawn_ = false;  // the last paint drew the calls at the device's pixels
    ScaledDrawing drawing_;
};
