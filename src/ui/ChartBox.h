#pragma once

#include <QPainter>
#include <QWidget>
#include <functional>

// A paint box: a plain area whose picture its owner draws whenever the box is repainted.
class ChartBox : public QWidget {
  public:
    using PaintHandler = std::function<void(QWidget* box, QPainter& painter)>;

    explicit ChartBox(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }
    void SetPaintHandler(PaintHandler handler) { paint_ = std::move(handler); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (paint_) paint_(this, painter);
    }

  private:
    PaintHandler paint_;
};
