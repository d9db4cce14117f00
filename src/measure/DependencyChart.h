#pragma once

#include <QPainter>
#include <QSize>

#include "measure/Chart.h"

// Draws the table's values as a scatter chart on a paint box of the given size: background,
// grid, axes with arrow heads, the mode's captions in the painter's current font, tick labels,
// the fitted curve of the given kind (1 hyperbola, 2 line, 3 parabola, others none) and the
// points. It draws at once and keeps nothing, so each box can be drawn with its own rows and
// kind. rowCount is the number of table rows to use (17).
void DrawDependencyChart(QPainter& painter, QSize box, int rowCount, int kind,
                         const ChartInput& input);
