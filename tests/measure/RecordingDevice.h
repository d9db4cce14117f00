#pragma once

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QTextItem>
#include <memory>
#include <vector>

// A paged device of any size that keeps what is drawn on it as a list of calls (text with its
// baseline, lines with their pen, rectangles and ellipses with their brush, images with their
// target), so tests can check positions and texts exactly without pixels.
class RecordingEngine final : public QPaintEngine {
  public:
    struct Text {
        QPointF Baseline;
        QString String;
        QFont Font;
    };
    struct Line {
        QLineF Segment;
        QPen Pen;
    };
    struct Shape {
        QRectF Rect;
        QBrush Brush;
    };
    struct Image {
        QRectF Target;
        QImage Picture;
    };

    RecordingEngine() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyPen) pen_ = state.pen();
        if (state.state() & DirtyBrush) brush_ = state.brush();
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        Texts.push_back({p, item.text(), item.font()});
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i)
            Lines.push_back({lines[i], pen_});
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i)
            Rects.push_back({rects[i], brush_});
    }
    void drawEllipse(const QRectF& rect) override { Ellipses.push_back({rect, brush_}); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        if (mode != PolylineMode) return;
        for (int i = 1; i < count; ++i)
            Lines.push_back({QLineF(points[i - 1], points[i]), pen_});
    }
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF&) override {
        Images.push_back({r, pm.toImage()});
    }
    void drawImage(const QRectF& r, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags) override {
        Images.push_back({r, image.copy(source.toRect())});
    }

    std::vector<Text> Texts;
    std::vector<Line> Lines;
    std::vector<Shape> Rects;
    std::vector<Shape> Ellipses;
    std::vector<Image> Images;

  private:
    QPen pen_;
    QBrush brush_;
};

class RecordingDevice final : public QPaintDevice {
  public:
    RecordingDevice(int width, int height, int dpi) : width_(width), height_(height), dpi_(dpi) {}
    QPaintEngine* paintEngine() const override { return engine_.get(); }
    RecordingEngine& Record() { return *engine_; }

    // The recorded text equal to s, or null.
    const RecordingEngine::Text* FindText(const QString& s) const {
        for (const auto& t : engine_->Texts) {
            if (t.String == s) return &t;
        }
        return nullptr;
    }
    // The top of a recorded text, from its baseline and its font on this device.
    int TopOf(const RecordingEngine::Text& t) const {
        return qRound(t.Baseline.y()) - QFontMetrics(t.Font, this).ascent();
    }

  protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return width_;
            case PdmHeight:
                return height_;
            case PdmWidthMM:
                return qRound(width_ * 25.4 / dpi_);
            case PdmHeightMM:
                return qRound(height_ * 25.4 / dpi_);
            case PdmNumColors:
                return 0x7fffffff;
            case PdmDepth:
                return 32;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return dpi_;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

  private:
    int width_, height_, dpi_;
    std::unique_ptr<RecordingEngine> engine_ = std::make_unique<RecordingEngine>();
};

// An image page at a given resolution, white, for pixel checks.
inline QImage PageImage(int width, int height, int dpi) {
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    const int dpm = qRound(dpi / 0.0254);
    page.setDotsPerMeterX(dpm);
    page.setDotsPerMeterY(dpm);
    return page;
}
