#include "ui/Pictures.h"
#include "measure/Language.h"
#include "ui/Widgets.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "display/Sprites.h"
#include "engine/Publisher.h"
#include "ui/FormControls.h"
#include "ui/Panels.h"
#include "ui/Retranslate.h"

namespace {

using PaintFn = std::function<void(QPainter&)>;

qreal ScreenRatio() {
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

// Paints in logical coordinates onto a transparent image of the screen's pixel ratio.
QPixmap Draw(QSize size, const PaintFn& paint) {
    const qreal ratio = ScreenRatio();
    QImage image(qCeil(size.width() * ratio), qCeil(size.height() * ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        paint(p);
    }
    return QPixmap::fromImage(image);
}

const QColor kYellow(255, 214, 0);
const QColor kRed(214, 28, 28);
const QColor kBlue(40, 96, 220);
const QColor kInk(25, 30, 40);

// A shaded ball: lit from the upper left, with a thin darker rim.
void Ball(QPainter& p, QPointF c, qreal r, const QColor& body) {
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.5);
    g.setColorAt(0.0, body.lighter(175));
    g.setColorAt(0.45, body);
    g.setColorAt(1.0, body.darker(170));
    p.setPen(QPen(body.darker(220), std::max<qreal>(0.6, r * 0.12)));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// A thick arc with an arrow head at its end; angles in degrees, counter-clockwise from 3 o'clock.
void ArcArrow(QPainter& p, QPointF c, qreal r, qreal startDeg, qreal spanDeg, const QColor& colour,
              qreal width) {
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour.darker(160), width + 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(box, qRound(startDeg * 16), qRound((spanDeg - 14) * 16));
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(box, qRound(startDeg * 16), qRound((spanDeg - 14) * 16));

    const qreal end = qDegreesToRadians(startDeg + spanDeg);
    const qreal back = qDegreesToRadians(startDeg + spanDeg - 22);
    const QPointF tip(c.x() + r * std::cos(end), c.y() - r * std::sin(end));
    const QPointF base(c.x() + r * std::cos(back), c.y() - r * std::sin(back));
    const QPointF radial(std::cos(back), -std::sin(back));
    const qreal half = width * 1.35;
    QPolygonF head{tip, base + radial * half, base - radial * half};
    p.setPen(QPen(colour.darker(160), 1.0));
    p.setBrush(colour);
    p.drawPolygon(head);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width) {
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    if (len <= 0) return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const qreal headLen = width * 2.4;
    const QPointF base = to - u * headLen;
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, base + u * 0.5);
    p.setPen(QPen(colour.darker(150), 0.8));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{to, base + n * width * 1.5, base - n * width * 1.5});
}

// A small deterministic generator, so that every picture comes out the same each time.
class Dice {
  public:
    explicit Dice(quint32 seed) : state_(seed) {}
    qreal Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / static_cast<qreal>(1u << 24);
    }
    qreal In(qreal lo, qreal hi) { return lo + (hi - lo) * Next(); }

  private:
    quint32 state_;
};

// Up to `count` non-overlapping centres of discs of radius r in a rectangle.
std::vector<QPointF> Scatter(Dice& dice, const QRectF& area, int count, qreal r, qreal gap,
                             const std::vector<QPointF>& avoid = {}) {
    std::vector<QPointF> points;
    auto fits = [&](QPointF c) {
        const qreal minimum = 2 * r + gap;
        for (const QPointF& q : points)
            if (std::hypot(q.x() - c.x(), q.y() - c.y()) < minimum) return false;
        for (const QPointF& q : avoid)
            if (std::hypot(q.x() - c.x(), q.y() - c.y()) < minimum) return false;
        return true;
    };
    for (int attempt = 0; attempt < count * 400 && static_cast<int>(points.size()) < count;
         ++attempt) {
        const QPointF c(dice.In(area.left() + r, area.right() - r),
                        dice.In(area.top() + r, area.bottom() - r));
        if (fits(c)) points.push_back(c);
    }
    return points;
}

// ---- tool glyphs -------------------------------------------------------------------------

void RestartGlyph(QPainter& p) {
    ArcArrow(p, {12.5, 12.5}, 7.6, 110, 290, QColor(20, 150, 60), 3.2);
}

void PauseGlyph(QPainter& p) {
    p.setPen(QPen(QColor(20, 50, 130), 1.0));
    QLinearGradient g(0, 0, 0, 25);
    g.setColorAt(0, QColor(110, 160, 255));
    g.setColorAt(1, QColor(30, 80, 200));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(6.5, 5.5, 4.5, 14), 1.2, 1.2);
    p.drawRoundedRect(QRectF(14, 5.5, 4.5, 14), 1.2, 1.2);
}

// The pause button of a paused run: the play sign, in the pause sign's blue.
void ResumeSign(QPainter& p) {
    p.setPen(QPen(QColor(20, 50, 130), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(0, 0, 0, 25);
    g.setColorAt(0, QColor(110, 160, 255));
    g.setColorAt(1, QColor(30, 80, 200));
    p.setBrush(g);
    p.drawPolygon(QPolygonF{{7.5, 5.0}, {19.5, 12.5}, {7.5, 20.0}});
}

void ParametersGlyph(QPainter& p) {
    const qreal rows[] = {6.5, 12.5, 18.5};
    const qreal knobs[] = {9.0, 16.5, 12.0};
    const QColor knobColours[] = {QColor(230, 120, 20), QColor(40, 140, 220), QColor(40, 170, 80)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(70, 70, 80), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, rows[i]), QPointF(21, rows[i]));
        p.setPen(QPen(knobColours[i].darker(170), 1.0));
        p.setBrush(knobColours[i]);
        p.drawRoundedRect(QRectF(knobs[i] - 2.5, rows[i] - 3.5, 5, 7), 1.2, 1.2);
    }
}

void PrintGlyph(QPainter& p) {
    // Sheet waiting at the top.
    p.setPen(QPen(QColor(90, 90, 90), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 2.5, 10, 8));
    // Body.
    QLinearGradient g(0, 9, 0, 20);
    g.setColorAt(0, QColor(200, 200, 205));
    g.setColorAt(1, QColor(120, 120, 130));
    p.setPen(QPen(QColor(60, 60, 70), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2.5, 9.5, 20, 9), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 200, 60));
    p.drawEllipse(QPointF(18.5, 12.5), 1.2, 1.2);
    // Printed sheet coming out.
    p.setPen(QPen(QColor(90, 90, 90), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 15.5, 12, 7.5));
    p.setPen(QPen(QColor(60, 90, 170), 1.0));
    p.drawLine(QPointF(8.5, 18.5), QPointF(16.5, 18.5));
    p.drawLine(QPointF(8.5, 20.5), QPointF(14.5, 20.5));
}

void SavePictureGlyph(QPainter& p) {
    // A diskette: blue body with a cut corner, metal shutter at the top.
    QPainterPath body;
    body.moveTo(2.5, 2.5);
    body.lineTo(19.5, 2.5);
    body.lineTo(22.5, 5.5);
    body.lineTo(22.5, 22.5);
    body.lineTo(2.5, 22.5);
    body.closeSubpath();
    p.setPen(QPen(QColor(20, 40, 90), 1.0));
    p.setBrush(QColor(45, 95, 175));
    p.drawPath(body);
    p.setPen(QPen(QColor(90, 90, 100), 1.0));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(7.5, 2.5, 10, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(13, 3.5, 2.5, 4));
    // Its label holds a small picture: sky, sun and a green hill.
    p.setPen(QPen(QColor(90, 90, 100), 1.0));
    p.setBrush(QColor(170, 215, 250));
    p.drawRect(QRectF(5.5, 11.5, 14, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPointF(16, 14.5), 1.6, 1.6);
    p.setBrush(QColor(60, 160, 70));
    QPainterPath hill;
    hill.moveTo(6, 21);
    hill.quadTo(10, 13.5, 14, 18);
    hill.quadTo(16.5, 16, 19, 18.5);
    hill.lineTo(19, 21);
    hill.closeSubpath();
    p.drawPath(hill);
}

void ExitDoorGlyph(QPainter& p) {
    // Door frame and the open door leaf.
    p.setPen(QPen(QColor(70, 50, 30), 1.0));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(3.5, 2.5, 11, 20));
    QLinearGradient g(4, 0, 12, 0);
    g.setColorAt(0, QColor(190, 130, 70));
    g.setColorAt(1, QColor(140, 90, 40));
    p.setBrush(g);
    p.drawPolygon(QPolygonF{{3.5, 2.5}, {11.5, 4.5}, {11.5, 24.0}, {3.5, 22.5}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 90));
    p.drawEllipse(QPointF(9.8, 13.5), 1.0, 1.0);
    // The way out.
    Arrow(p, {12.0, 12.5}, {23.5, 12.5}, QColor(20, 160, 60), 3.0);
}

// ---- menu glyphs -------------------------------------------------------------------------

void FreePathGlyph(QPainter& p) {
    const QPointF path[] = {{3, 20}, {9, 6}, {14, 17}, {21, 8}};
    for (QPointF q : {QPointF(6.5, 4.5), QPointF(15.5, 19.5), QPointF(23, 6.5)})
        Ball(p, q, 2.2, QColor(180, 40, 40));
    p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(path, 4);
    Ball(p, {21, 8}, 3.0, kYellow);
}

void DiffusionGlyph(QPainter& p) {
    p.setPen(QPen(QColor(60, 80, 110), 1.0));
    p.setBrush(QColor(20, 40, 90));
    p.drawRect(QRectF(1.5, 3.5, 22, 18));
    Dice dice(7);
    const auto left = Scatter(dice, QRectF(2.5, 4.5, 12, 16), 6, 1.9, 0.6);
    const auto right = Scatter(dice, QRectF(10.5, 4.5, 12, 16), 6, 1.9, 0.6, left);
    for (QPointF q : left)
        Ball(p, q, 1.9, kYellow);
    for (QPointF q : right)
        Ball(p, q, 1.9, kRed);
}

// A ball running into a wall on the right and coming back.
void BounceScene(QPainter& p, qreal wallX) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 120));
    p.drawRect(QRectF(wallX, 1, 25 - wallX, 23));
    p.setPen(QPen(QColor(70, 70, 80), 0.8));
    for (qreal y = 1; y < 24; y += 3.5)
        p.drawLine(QPointF(wallX, y + 3), QPointF(std::min<qreal>(25, wallX + 3.5), y));
    p.setPen(QPen(QColor(40, 40, 40), 1.1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    const qreal hitX = wallX - 2.6;
    p.drawPolyline(QPolygonF{{2.5, 4.5}, {hitX, 12.5}, {4.5, 20.5}});
    Ball(p, {hitX, 12.5}, 2.6, kRed);
    Ball(p, {5, 20}, 2.6, kYellow);
}

void WallGlyph(QPainter& p) {
    BounceScene(p, 19.5);
}

// A glass tube with its bulb and red column; `tube` is the glass, the bulb sits at its foot.
void Thermometer(QPainter& p, const QRectF& tube, QPointF bulb, qreal bulbRadius, qreal columnTop) {
    p.setPen(QPen(QColor(90, 110, 130), 1.0));
    p.setBrush(QColor(235, 242, 250));
    p.drawRoundedRect(tube, 3, 3);
    Ball(p, bulb, bulbRadius, QColor(220, 30, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 30));
    p.drawRect(QRectF(11.3, columnTop, 2.4, 10));
}

void ThermometerGlyph(QPainter& p) {
    Thermometer(p, QRectF(9.5, 1.5, 6, 17), {12.5, 19.5}, 4.2, 8);
    p.setPen(QPen(QColor(60, 70, 90), 0.9));
    for (qreal y = 4; y <= 15; y += 2.75)
        p.drawLine(QPointF(16.5, y), QPointF(19, y));
}

void GaugeGlyph(QPainter& p) {
    const QPointF c(12.5, 13.5);
    QRadialGradient rim(c, 11);
    rim.setColorAt(0.85, QColor(150, 155, 165));
    rim.setColorAt(1.0, QColor(70, 75, 85));
    p.setPen(QPen(QColor(50, 55, 65), 1.0));
    p.setBrush(rim);
    p.drawEllipse(c, 11, 11);
    p.setBrush(Qt::white);
    p.drawEllipse(c, 8.5, 8.5);
    p.setPen(QPen(QColor(40, 40, 50), 1.0));
    for (int i = 0; i <= 6; ++i) {
        const qreal a = qDegreesToRadians(225.0 - i * 45.0);
        const QPointF u(std::cos(a), -std::sin(a));
        p.drawLine(c + u * 6.0, c + u * 8.0);
    }
    const qreal a = qDegreesToRadians(40.0);
    p.setPen(QPen(QColor(210, 20, 20), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(std::cos(a), -std::sin(a)) * 7.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 50));
    p.drawEllipse(c, 1.6, 1.6);
}

void HeatGlyph(QPainter& p) {
    QLinearGradient g(0, 0, 25, 0);
    g.setColorAt(0, QColor(235, 70, 40));
    g.setColorAt(0.45, QColor(250, 170, 120));
    g.setColorAt(0.55, QColor(150, 190, 250));
    g.setColorAt(1, QColor(40, 90, 220));
    p.setPen(QPen(QColor(60, 60, 70), 1.0));
    p.setBrush(g);
    p.drawRect(QRectF(1.5, 4.5, 22, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 120, 130));
    for (qreal y = 5.5; y < 20; y += 3)
        p.drawEllipse(QPointF(12.5, y + 1), 1.3, 1.3);
    Arrow(p, {3.5, 12.5}, {22.0, 12.5}, QColor(255, 230, 40), 2.6);
}

void RulerGlyph(QPainter& p) {
    p.translate(12.5, 12.5);
    p.rotate(-35);
    p.setPen(QPen(QColor(120, 90, 20), 1.0));
    p.setBrush(QColor(250, 215, 90));
    p.drawRect(QRectF(-12, -4.5, 24, 9));
    p.setPen(QPen(QColor(60, 40, 10), 0.9));
    for (int i = 0; i <= 10; ++i) {
        const qreal x = -10 + i * 2.0;
        p.drawLine(QPointF(x, -4.5), QPointF(x, i % 5 == 0 ? 0.5 : -1.5));
    }
}

void GlobeGlyph(QPainter& p) {
    const QPointF c(12.5, 12.5);
    QRadialGradient g(c + QPointF(-3, -3), 13);
    g.setColorAt(0, QColor(140, 200, 255));
    g.setColorAt(1, QColor(20, 80, 180));
    p.setPen(QPen(QColor(10, 50, 120), 1.0));
    p.setBrush(g);
    p.drawEllipse(c, 10.5, 10.5);
    p.setPen(QPen(QColor(235, 245, 255), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 4.5, 10.5);
    p.drawLine(QPointF(12.5, 2), QPointF(12.5, 23));
    p.drawLine(QPointF(2, 12.5), QPointF(23, 12.5));
    p.drawLine(QPointF(4, 7), QPointF(21, 7));
    p.drawLine(QPointF(4, 18), QPointF(21, 18));
}

void InfoGlyph(QPainter& p) {
    const QPointF c(12.5, 12.5);
    QRadialGradient g(c + QPointF(-3, -3), 13);
    g.setColorAt(0, QColor(120, 170, 255));
    g.setColorAt(1, QColor(20, 60, 170));
    p.setPen(QPen(QColor(10, 40, 110), 1.0));
    p.setBrush(g);
    p.drawEllipse(c, 10.5, 10.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12.5, 7.2), 1.8, 1.8);
    p.drawRoundedRect(QRectF(10.9, 10.3, 3.2, 9.5), 0.8, 0.8);
    p.drawRect(QRectF(9.5, 10.3, 2, 1.6));
    p.drawRect(QRectF(9.5, 18.2, 6, 1.6));
}

// ---- topic icons -------------------------------------------------------------------------

// A round medallion; `paint` draws its content clipped to the inside.
void Medallion(QPainter& p, const PaintFn& paint) {
    const QPointF c(12.5, 12.5);
    QRadialGradient g(c + QPointF(-3, -4), 14);
    g.setColorAt(0, QColor(250, 252, 255));
    g.setColorAt(1, QColor(175, 205, 230));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, 12, 12);
    p.save();
    QPainterPath inside;
    inside.addEllipse(c, 11.2, 11.2);
    p.setClipPath(inside);
    paint(p);
    p.restore();
    p.setPen(QPen(QColor(20, 60, 100), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 11.6, 11.6);
}

void ScatteredDots(QPainter& p) {
    Dice dice(11);
    const auto yellow = Scatter(dice, QRectF(2, 2, 21, 21), 5, 2.1, 1.0);
    const auto red = Scatter(dice, QRectF(2, 2, 21, 21), 5, 2.1, 1.0, yellow);
    for (QPointF q : yellow)
        Ball(p, q, 2.1, kYellow);
    for (QPointF q : red)
        Ball(p, q, 2.1, kRed);
}

void ZigZag(QPainter& p) {
    for (QPointF q : {QPointF(7, 5.5), QPointF(16, 20), QPointF(21, 9), QPointF(4.5, 16)})
        Ball(p, q, 2.3, kRed);
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{{4, 10}, {9.5, 7}, {13.5, 17.5}, {18.5, 10}, {20, 16}});
    Ball(p, {20, 16}, 2.6, kYellow);
}

void TopicBounce(QPainter& p) {
    BounceScene(p, 18.5);
}

// A thermometer in a moving gas: the faster the particles, the higher its red column.
void TopicThermometer(QPainter& p) {
    Thermometer(p, QRectF(9.5, 2.5, 6, 15.5), {12.5, 18.5}, 3.9, 7.5);
    for (QPointF q : {QPointF(4.5, 8.5), QPointF(20.5, 12.5), QPointF(5.5, 16.5)})
        Ball(p, q, 2.0, kYellow);
}

void UTube(QPainter& p) {
    // Glass U-tube: two arms and the bend, with liquid standing higher on the right.
    QPainterPath tube;
    tube.moveTo(8, 3);
    tube.lineTo(8, 15);
    tube.arcTo(QRectF(8, 10, 10, 10), 180, 180);
    tube.lineTo(18, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 140, 170), 4.6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(tube);
    p.setPen(QPen(QColor(225, 240, 250), 2.6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(tube);
    QPainterPath liquid;
    liquid.moveTo(8, 14);
    liquid.lineTo(8, 15);
    liquid.arcTo(QRectF(8, 10, 10, 10), 180, 180);
    liquid.lineTo(18, 8);
    p.setPen(QPen(QColor(20, 140, 190), 2.6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(liquid);
    // The gas pipe coming in at the top left.
    p.setPen(QPen(QColor(150, 30, 90), 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, 4), QPointF(8.5, 4));
}

void PartitionScene(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 130, 140));
    for (qreal y = 2.5; y < 24; y += 3.2)
        p.drawEllipse(QPointF(12.5, y), 1.4, 1.4);
    for (QPointF q : {QPointF(5, 7), QPointF(8, 17), QPointF(4, 13)})
        Ball(p, q, 2.0, kRed);
    for (QPointF q : {QPointF(19, 6.5), QPointF(21, 17), QPointF(17.5, 13)})
        Ball(p, q, 2.0, kBlue);
    Arrow(p, {6.5, 11}, {19.5, 11}, QColor(240, 140, 0), 1.8);
}

// ---- pane pictures -----------------------------------------------------------------------

// The vessel as the diffusion simulation draws it: a blue wall around eight stripes going
// from green to blue.
void VesselGround(QPainter& p, QSize size) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 138, 189));
    p.drawRect(QRect(QPoint(0, 0), size));
    const QRect inner(5, 5, size.width() - 10, size.height() - 10);
    for (int e = 0; e < 8; ++e) {
        const int x0 = inner.left() + inner.width() * e / 8;
        const int x1 = inner.left() + inner.width() * (e + 1) / 8;
        p.setBrush(QColor(41, 109, 65 + 124 * e / 7));
        p.drawRect(QRect(x0, inner.top(), x1 - x0, inner.height()));
    }
}

constexpr qreal kParticleRadius = 4.5;

QPixmap VesselPicture(bool mixed) {
    return Draw(pictures::kVesselSize, [mixed](QPainter& p) {
        VesselGround(p, pictures::kVesselSize);
        const qreal r = kParticleRadius;
        const QRectF inner(6, 6, 171, 171);
        const QRectF leftHalf(6, 6, 85, 171);
        const QRectF rightHalf(92, 6, 85, 171);
        Dice dice(mixed ? 2024 : 1999);
        std::vector<QPointF> yellow;
        std::vector<QPointF> red;
        if (mixed) {
            // Alternate the draws so that neither colour crowds one side.
            for (int i = 0; i < 46; ++i) {
                std::vector<QPointF> all = yellow;
                all.insert(all.end(), red.begin(), red.end());
                auto& target = (i % 2 == 0) ? yellow : red;
                const auto one = Scatter(dice, inner, 1, r, 1.5, all);
                target.insert(target.end(), one.begin(), one.end());
            }
        } else {
            yellow = Scatter(dice, leftHalf, 23, r, 1.5);
            red = Scatter(dice, rightHalf, 23, r, 1.5);
        }
        for (QPointF q : yellow)
            Ball(p, q, r, kYellow);
        for (QPointF q : red)
            Ball(p, q, r, kRed);
    });
}

// ---- key guide ---------------------------------------------------------------------------

// A raised button face in the classic two-line bevel.
void RaisedButton(QPainter& p, QRect r) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, QColor(212, 208, 200));
    p.setPen(Qt::white);
    p.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
    p.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
    p.setPen(QColor(64, 64, 64));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() - QPoint(1, 1));
    p.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() - QPoint(1, 1));
    p.setRenderHint(QPainter::Antialiasing, true);
}

}  // namespace

QPixmap ToolGlyph(const QString& buttonName) {
    static const std::pair<const char*, void (*)(QPainter&)> kGlyphs[] = {
        {"BitBtn7", RestartGlyph}, {"BitBtn6", PauseGlyph},    {"BitBtn18", ParametersGlyph},
        {"BitBtn19", PrintGlyph},  {"BitBtn1", ExitDoorGlyph}, {"SavePicture", SavePictureGlyph},
    };
    for (const auto& [name, paint] : kGlyphs)
        if (buttonName == QLatin1String(name)) return Draw(pictures::kGlyphSize, paint);
    return {};
}

QPixmap ResumeGlyph() {
    return Draw(pictures::kGlyphSize, ResumeSign);
}

QPixmap ExitGlyph() {
    return Draw(pictures::kGlyphSize, ExitDoorGlyph);
}

QPixmap TitleBanner() {
    return Draw(pictures::kBannerSize, [](QPainter& p) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(58);
        font.setBold(true);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 14);
        QPainterPath glyphs;
        glyphs.addText(0, 0, font, QString::fromLatin1(publisher::kProductTitle));
        // Liberation Sans has no black weight: thicken the bold letters by hand.
        QPainterPathStroker thicken;
        thicken.setWidth(3.0);
        thicken.setJoinStyle(Qt::MiterJoin);
        QPainterPath text = glyphs.united(thicken.createStroke(glyphs)).simplified();
        const QRectF box = text.boundingRect();
        const QSizeF area = pictures::kBannerSize;
        text.translate((area.width() - box.width()) / 2 - box.left(),
                       (area.height() - box.height()) / 2 - box.top() - 1);
        const QRectF placed = text.boundingRect();

        // Soft shadow under the letters.
        p.setPen(Qt::NoPen);
        for (int i = 3; i >= 1; --i) {
            p.setBrush(QColor(0, 0, 0, 40));
            p.drawPath(text.translated(i + 0.5, i + 0.5));
        }
        // Chrome: a bright sky, a sharp dark horizon, a warm reflected ground.
        QLinearGradient chrome(0, placed.top(), 0, placed.bottom());
        chrome.setColorAt(0.00, QColor(252, 253, 255));
        chrome.setColorAt(0.28, QColor(205, 220, 240));
        chrome.setColorAt(0.48, QColor(100, 125, 160));
        chrome.setColorAt(0.50, QColor(35, 40, 58));
        chrome.setColorAt(0.56, QColor(115, 92, 70));
        chrome.setColorAt(0.78, QColor(215, 196, 170));
        chrome.setColorAt(1.00, QColor(255, 250, 238));
        p.setBrush(chrome);
        p.setPen(QPen(QColor(15, 25, 45), 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawPath(text);
        // A thin glint along the upper edges.
        p.save();
        p.setClipRect(QRectF(placed.left(), placed.top(), placed.width(), placed.height() * 0.45));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 170), 0.9));
        p.drawPath(text.translated(0.8, 0.9));
        p.restore();
    });
}

QPixmap MenuGlyph(const QString& buttonName) {
    static const std::pair<const char*, void (*)(QPainter&)> kGlyphs[] = {
        {"BitBtn11", FreePathGlyph},    {"BitBtn8", DiffusionGlyph}, {"BitBtn9", WallGlyph},
        {"BitBtn12", ThermometerGlyph}, {"BitBtn16", GaugeGlyph},    {"BitBtn17", HeatGlyph},
        {"BitBtn26", RulerGlyph},       {"BitBtn10", GlobeGlyph},    {"BitBtn4", InfoGlyph},
        {"BitBtn2", ExitDoorGlyph},
    };
    for (const auto& [name, paint] : kGlyphs)
        if (buttonName == QLatin1String(name)) return Draw(pictures::kGlyphSize, paint);
    return {};
}

QPixmap TopicIcon(const QString& panelName) {
    static const std::pair<const char*, void (*)(QPainter&)> kIcons[] = {
        {"Panel3", ScatteredDots},    {"Panel4", ZigZag}, {"Panel6", TopicBounce},
        {"Panel7", TopicThermometer}, {"Panel9", UTube},  {"Panel10", PartitionScene},
    };
    for (const auto& [name, content] : kIcons) {
        if (panelName == QLatin1String(name)) {
            auto paint = content;
            return Draw(pictures::kGlyphSize, [paint](QPainter& p) { Medallion(p, paint); });
        }
    }
    return {};
}

QPixmap UnmixedVesselPicture() {
    return VesselPicture(false);
}

QPixmap MixedVesselPicture() {
    return VesselPicture(true);
}

QPixmap FreePathPicture() {
    return Draw(pictures::kFreePathSize, [](QPainter& p) {
        const QSize size = pictures::kFreePathSize;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 138, 189));
        p.drawRect(QRect(QPoint(0, 0), size));
        p.setBrush(QColor(41, 109, 66));
        p.drawRect(QRect(5, 5, size.width() - 10, size.height() - 10));

        // The tracked particle's path: each bend lies at a collision, with a red particle
        // (or the wall) where it turned.
        const QPointF path[] = {{22, 120}, {58, 72},  {96, 116}, {122, 28},
                                {152, 90}, {182, 62}, {138, 132}};
        const int bends = static_cast<int>(std::size(path));
        const qreal r = kParticleRadius;
        std::vector<QPointF> partners;
        for (int i = 1; i + 1 < bends; ++i) {
            const QPointF in = path[i - 1] - path[i];
            const QPointF out = path[i + 1] - path[i];
            QPointF away = -(in / std::hypot(in.x(), in.y()) + out / std::hypot(out.x(), out.y()));
            const qreal len = std::hypot(away.x(), away.y());
            if (path[i].x() > 175) continue;  // a wall bounce
            partners.push_back(path[i] + away / len * (2 * r + 0.5));
        }
        Dice dice(77);
        std::vector<QPointF> avoid = partners;
        for (QPointF q : path)
            avoid.push_back(q);
        auto others =
            Scatter(dice, QRectF(6, 6, size.width() - 12, size.height() - 12), 26, r, 3.0, avoid);
        // Keep the scattered particles off the drawn path so it stays readable.
        auto nearPath = [&](QPointF c) {
            for (int i = 0; i + 1 < bends; ++i) {
                const QPointF a = path[i];
                const QPointF b = path[i + 1];
                const QPointF ab = b - a;
                const qreal t = std::clamp(
                    QPointF::dotProduct(c - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
                const QPointF d = c - (a + ab * t);
                if (std::hypot(d.x(), d.y()) < r + 2) return true;
            }
            return false;
        };
        for (QPointF q : others)
            if (!nearPath(q)) Ball(p, q, r, kRed);
        for (QPointF q : partners)
            Ball(p, q, r, kRed);
        p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(path, bends);
        Ball(p, path[bends - 1], r, kYellow);
    });
}

QPixmap RunGlyph() {
    return Draw(QSize(20, 20), [](QPainter& p) {
        QLinearGradient g(0, 3, 0, 17);
        g.setColorAt(0, QColor(90, 220, 110));
        g.setColorAt(1, QColor(10, 140, 50));
        p.setPen(QPen(QColor(10, 90, 30), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPolygon(QPolygonF{{5.5, 3.5}, {16.5, 10.0}, {5.5, 16.5}});
    });
}

QPixmap KeyButtonPicture(const QString& buttonName) {
    const QPixmap glyph = ToolGlyph(buttonName);
    if (glyph.isNull()) return {};
    return Draw(pictures::kKeyButtonSize, [&glyph](QPainter& p) {
        const QSize size = pictures::kKeyButtonSize;
        RaisedButton(p, QRect(QPoint(0, 0), size));
        p.drawPixmap((size.width() - 25) / 2, (size.height() - 25) / 2, glyph);
    });
}

QPixmap InitialConditionsPicture() {
    // The real panel in its start state, in the language shown, grabbed off screen and halved;
    // made once for each language and screen scale.
    const qreal ratio = ScreenRatio();
    const std::string key = std::string(CurrentLanguage().Code) + '@' + std::to_string(ratio);
    static std::map<std::string, QImage> made;
    auto found = made.find(key);
    if (found == made.end()) {
        QWidget stage;
        stage.setAttribute(Qt::WA_DontShowOnScreen);
        stage.resize(1024, 768);
        const InitialConditionsPanel panel = BuildInitialConditionsPanel(&stage);
        panel.Image12->setPixmap(TopicIcon(QStringLiteral("Panel3")));
        RetranslateTree(panel.Panel2);
        panel.Panel2->show();
        stage.show();
        const QImage whole = panel.Panel2->grab().toImage();
        const QSize mini = pictures::kPanelMiniSize;
        QImage small = whole.scaled(qCeil(mini.width() * ratio), qCeil(mini.height() * ratio),
                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        small.setDevicePixelRatio(ratio);
        found = made.emplace(key, small).first;
    }
    return QPixmap::fromImage(found->second);
}
