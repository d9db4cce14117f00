#pragma once

#include <QWidget>

class Surface;

// The drawing surface's place in the window (DXDraw): shows the last presented picture.
class SurfaceView : public QWidget {
    Q_OBJECT
  public:
    SurfaceView(Surface& surface, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Surface& surface_;
};
