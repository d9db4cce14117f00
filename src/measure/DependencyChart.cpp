#include "measure/DependencyChart.h"

#include <cmath>

#include "measure/PaintHelpers.h"

namespace {

const QColor kBackground(240, 240, 240);
const QColor kGrid(200, 200, 200);
const QColor kPointFill(20, 140, 140);

// The labels' size: 8 points of a 96-dpi screen.
constexpr int kLabelPixelSize = 11;

// Captions stand on the background colour, over whatever they cover.
void CaptionAt(QPainter& p, int x, int y, const QString& text) {
    const QFontMetrics metrics = p.fontMetrics();
    p.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(), kBackground);
    DrawTextTopLeft(p, x, y, text);
}

}  // namespace

void DrawDependencyChart(QPainter& p, QSize box, int rowCount, int kind, const ChartInput& input) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    const ChartFrame f = ScreenChartFrame(box.width(), box.height());
    const int right = f.Left + f.Width;
    const int bottom = f.Bottom();

    p.fillRect(0, 0, box.width(), box.height(), kBackground);

    p.setPen(LinePen(kGrid));
    for (int i = 0; i <= 7; ++i) {
        const int x = (i + 1) * f.Width / 8 + f.Left;
        p.drawLine(x, f.Top, x, f.Top + f.Height - 1);
        const int y = i * f.Height / 8 + f.Top;
        p.drawLine(f.Left, y, right, y);
    }

    p.setPen(LinePen(Qt::black));
    p.drawLine(f.Left, bottom, right, bottom);
    p.drawLine(f.Left, bottom, f.Left, f.Top);
    p.drawLine(right, bottom, right - 5, bottom - 5);
    p.drawLine(right, bottom, right - 5, bottom + 5);
    p.drawLine(f.Left, f.Top, f.Left - 5, f.Top + 5);
    p.drawLine(f.Left, f.Top, f.Left + 5, f.Top + 5);

    const AxisCaptions captions = AxisCaptionsFor(input.SimulationMode, input.ChartXCaption);
    if (captions.Shown) {
        CaptionAt(p, f.Left - TextWidth(p, captions.Y + QLatin1Char(' ')), f.Top, captions.Y);
        CaptionAt(p, right - 10, bottom + 8, captions.X);
    }

    const ChartRange range =
        ComputeChartRange(input.Rows, rowCount, input.ScaleFromZero, ChartMedium::Screen);

    QFont labelFont = p.font();
    labelFont.setPixelSize(kLabelPixelSize);
    p.setFont(labelFont);

    for (const ChartTick& t : XTicks(f, range, ChartMedium::Screen)) {
        DrawTextTopLeft(p, f.Left + t.Offset + 3, bottom + 5, TickLabel(t.Value));
    }
    const int labelWidth =
        MaxYLabelWidth(input.Rows, rowCount, [&p](const QString& s) { return TextWidth(p, s); });
    for (const ChartTick& t : YTicks(f, range, ChartMedium::Screen)) {
        DrawTextTopLeft(p, f.Left - labelWidth - 3, bottom - t.Offset - 3, TickLabel(t.Value));
    }

    const ChartMapping map(f, range);
    if (input.DrawCurve) {
        const std::vector<QPoint> curve =
            CurvePolyline(FitCurve(input.Rows, rowCount, kind, range), map);
        if (curve.size() > 1) p.drawPolyline(curve.data(), static_cast<int>(curve.size()));
    }

    if (range.CanPlot()) {
        p.setBrush(kPointFill);
        const int count = ClampRowCount(rowCount);
        for (int i = 1; i <= count; ++i) {
            const TableRow& row = input.Rows[i];
            if (!IsFilled(row)) continue;
            p.drawEllipse(QPoint(map.Px(row.X), map.Py(row.Y)), 4, 4);
        }
    }
    p.restore();
}
