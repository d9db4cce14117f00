#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <optional>

#include "core/ChartMath.h"

// What the chart on a paint box and the chart on paper (and in a saved picture) do
// differently; everything else, the core's chart arithmetic included, they draw alike.
struct ChartStyle {
    // Filled over the whole box before anything else; the captions stand on it too. None on
    // paper.
    std::optional<QColor> Background;
    int AxisWidth = 1;
    int ArrowLength = 5;  // both legs of an arrow head, along x and along y
    int PointRadius = 4;
    // The tick labels' pixel size; 0 keeps the painter's font.
    int LabelPixelSize = 0;
};

// The paint box's chart: a grey background, thin axes with short arrows, points of radius 4
// and labels of 8 points on a 96-dpi screen.
ChartStyle ScreenChartStyle();
// The printed chart: no background, axes two pixels wide with long arrows and points that
// grow with the page.
ChartStyle PaperChartStyle(int pageWidth);

// Draws the table's values as a scatter chart in `frame`: background (over `box`), grid, axes
// with arrow heads, the mode's captions in the painter's current font, tick labels, the fitted
// curve of the given kind (1 hyperbola, 2 line, 3 parabola, others none) and the points.
// rowCount is the number of table rows to use (17). The painter's state is left as it was.
void PaintChart(QPainter& painter, const ChartStyle& style, QRect box, const ChartFrame& frame,
                int rowCount, int kind, const ChartInput& input);

// The chart on a paint box of the given size, in the screen's style. It draws at once and keeps
// nothing, so each box can be drawn with its own rows and kind.
void DrawDependencyChart(QPainter& painter, QSize box, int rowCount, int kind,
                         const ChartInput& input);
