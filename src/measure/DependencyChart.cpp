#include "measure/DependencyChart.h"

#include <cmath>

#include "measure/CoreText.h"
#include "measure/Language.h"
#include "measure/PaintHelpers.h"

namespace {

const QColor kScreenBackground(240, 240, 240);
const QColor kGrid(200, 200, 200);
const QColor kPointFill(20, 140, 140);

// The labels' size on screen: 8 points of a 96-dpi screen.
constexpr int kLabelPixelSize = 11;

// On a background, captions stand on its colour, over whatever they cover.
void CaptionAt(QPainter& p, const ChartStyle& style, int x, int y, const QString& text) {
    if (style.Background) {
        const QFontMetrics metrics = p.fontMetrics();
        p.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(), *style.Background);
    }
    DrawTextTopLeft(p, x, y, text);
}

}  // namespace

ChartStyle ScreenChartStyle() {
    ChartStyle style;
    style.Background = kScreenBackground;
    style.AxisWidth = 1;
    style.ArrowLength = 5;
    style.PointRadius = 4;
    style.LabelPixelSize = kLabelPixelSize;
    return style;
}

ChartStyle PaperChartStyle(int pageWidth) {
    ChartStyle style;
    style.AxisWidth = 2;
    style.ArrowLength = 25;
    style.PointRadius = pageWidth / 150;
    return style;
}

void PaintChart(QPainter& p, const ChartStyle& style, QRect box, const ChartFrame& f, int rowCount,
                int kind, const ChartInput& input) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    const int right = f.Left + f.Width;
    const int bottom = f.Bottom();
    const int arrow = style.ArrowLength;

    if (style.Background) p.fillRect(box, *style.Background);

    p.setPen(LinePen(kGrid));
    for (int i = 0; i <= 7; ++i) {
        const int x = (i + 1) * f.Width / 8 + f.Left;
        p.drawLine(x, f.Top, x, bottom - 1);
        const int y = i * f.Height / 8 + f.Top;
        p.drawLine(f.Left, y, right, y);
    }

    p.setPen(LinePen(Qt::black, style.AxisWidth));
    p.drawLine(f.Left, bottom, right, bottom);
    p.drawLine(f.Left, bottom, f.Left, f.Top);
    p.drawLine(right, bottom, right - arrow, bottom - arrow);
    p.drawLine(right, bottom, right - arrow, bottom + arrow);
    p.drawLine(f.Left, f.Top, f.Left - arrow, f.Top + arrow);
    p.drawLine(f.Left, f.Top, f.Left + arrow, f.Top + arrow);
    p.setPen(LinePen(Qt::black));

    const TextWidthOf width = [&p](const std::string& s) { return TextWidth(p, FromCore(s)); };
    const AxisCaptions captions =
        AxisCaptionsFor(input.SimulationMode, input.ChartXCaption, CurrentLanguage());
    const ChartTextPlaces places =
        PlaceChartTexts(f, arrow, style.PointRadius, box.right(), captions, width);
    if (captions.Shown) {
        CaptionAt(p, style, places.YCaption.X, places.YCaption.Y, FromCore(captions.Y));
        CaptionAt(p, style, places.XCaption.X, places.XCaption.Y, FromCore(captions.X));
    }

    const ChartRange range = ComputeChartRange(input.Rows, rowCount, input.ScaleFromZero);

    if (style.LabelPixelSize > 0) {
        QFont labelFont = p.font();
        labelFont.setPixelSize(style.LabelPixelSize);
        p.setFont(labelFont);
    }

    const auto xTicks = XTicks(f, range);
    const char separator = DecimalSeparator();
    const auto xLabels = XTickLabels(xTicks, f.Left + 3, places.XLabelLimit, width, separator);
    for (std::size_t i = 0; i < xTicks.size(); ++i) {
        if (!xLabels[i].empty()) {
            DrawTextTopLeft(p, f.Left + xTicks[i].Offset + 3, places.XLabelsTop,
                            FromCore(xLabels[i]));
        }
    }
    const int labelWidth = MaxYLabelWidth(input.Rows, rowCount, width, separator);
    for (const ChartTick& t : YTicks(f, range)) {
        DrawTextTopLeft(p, places.YLabelsRight - labelWidth, bottom - t.Offset - 3,
                        FromCore(TickLabel(t.Value, separator)));
    }

    const ChartMapping map(f, range);
    if (input.DrawCurve) {
        const std::vector<ChartPoint> curve =
            CurvePolyline(FitCurve(input.Rows, rowCount, kind, range), map);
        if (curve.size() > 1) {
            std::vector<QPoint> points;
            for (const ChartPoint& c : curve)
                points.emplace_back(c.X, c.Y);
            // A curve that leaves the plot stops at its edge.
            const ChartRect clip = ClipRect(f);
            p.save();
            p.setClipRect(QRect(clip.Left, clip.Top, clip.Width, clip.Height));
            p.drawPolyline(points.data(), static_cast<int>(points.size()));
            p.restore();
        }
    }

    if (range.CanPlot()) {
        p.setBrush(kPointFill);
        const int count = ClampRowCount(rowCount);
        const int r = style.PointRadius;
        for (int i = 1; i <= count; ++i) {
            const TableRow& row = input.Rows[i];
            if (!IsFilled(row)) continue;
            p.drawEllipse(QPoint(map.Px(row.X), map.Py(row.Y)), r, r);
        }
    }
    p.restore();
}

void DrawDependencyChart(QPainter& p, QSize box, int rowCount, int kind, const ChartInput& input) {
    PaintChart(p, ScreenChartStyle(), QRect(QPoint(0, 0), box),
               ScreenChartFrame(box.width(), box.height()), rowCount, kind, input);
}
