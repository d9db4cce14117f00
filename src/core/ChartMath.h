#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/CellRules.h"
#include "core/Languages.h"

// The arithmetic of the dependency chart, one for the chart on screen, on paper and in a saved
// picture: ranges and margins, the mapping of values to pixels, the ticks and their labels, the
// places of the texts around the plot and the fitted curves. Everything but the painting; texts
// are UTF-8. The same rows give the same ticks and labels on every medium; only the pixels of
// the frame differ.

// Curve kinds of the dependency exercises; any other number draws no curve.
enum CurveKind : int { kHyperbola = 1, kStraightLine = 2, kParabola = 3 };

// The plot rectangle in the pixels of its box or page; y grows downwards.
struct ChartFrame {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Bottom() const { return Top + Height; }
};

// Margins 50 and 20 on a paint box.
ChartFrame ScreenChartFrame(int boxWidth, int boxHeight);
// The upper half of a page, an eighth of the width and a sixteenth of the height inside.
ChartFrame PaperChartFrame(int pageWidth, int pageHeight);

struct ChartRange {
    double XMin = 0.0;
    double XMax = 0.0;
    double YMin = 0.0;
    double YMax = 0.0;
    // A range of zero width cannot place points: no points and no curve are drawn then.
    bool CanPlot() const { return XMax - XMin != 0.0 && YMax - YMin != 0.0; }
};

// Rows 1..rowCount, clamped to the table.
int ClampRowCount(int rowCount);

// The range starts from row 1 whatever it holds (an empty row 1 brings its -1.0 in), then takes
// in every X and every Y that is not -1.0, each axis on its own. fromZero sets both minima to 0;
// otherwise each axis gets a twentieth of its range below. Either way it gets a twentieth of the
// widened range above, so that the highest and the rightmost point stand inside the frame.
ChartRange ComputeChartRange(const TableRowArray& rows, int rowCount, bool fromZero);

// A pixel of the box or page.
struct ChartPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// Values to pixels, truncated toward zero. Far-off values (the curve is not clipped) saturate
// well outside any page, so that the conversion stays defined.
class ChartMapping {
  public:
    ChartMapping(ChartFrame frame, ChartRange range) : frame_(frame), range_(range) {}
    int Px(double x) const;
    int Py(double y) const;
    const ChartFrame& Frame() const { return frame_; }
    const ChartRange& Range() const { return range_; }

  private:
    ChartFrame frame_;
    ChartRange range_;
};

// The four ticks of an axis stand at 0, 1/4, 1/2 and 3/4 of it; the end has no label. The
// values are those quarters of the range, whatever the frame's size in pixels.
struct ChartTick {
    int Offset;    // pixels from the axis's origin (rightwards for x, upwards for y)
    double Value;  // the value written there
};
std::array<ChartTick, 4> XTicks(const ChartFrame& frame, const ChartRange& range);
std::array<ChartTick, 4> YTicks(const ChartFrame& frame, const ChartRange& range);

// Tick labels: two decimals with the language's separator ("0,00").
std::string TickLabel(double value, char separator = ',');

// A tick label in a short form for large or small values: three significant digits and a power
// of ten, "1,05·10⁵".
std::string ShortTickLabel(double value, char separator = ',');

// How wide a text is written, in the pixels of the box or page.
using TextWidthOf = std::function<int(const std::string&)>;

// The x labels as they are written from their left edges: two decimals, in the short form for
// large or small values; the last left out where it would run into `limit`, and every other
// one (the others empty) where they run together.
std::array<std::string, 4> XTickLabels(const std::array<ChartTick, 4>& ticks, int left, int limit,
                                       const TextWidthOf& textWidth, char separator = ',');

// Axis captions by simulation mode: free path, temperature and pressure, in the language.
// Other modes have none.
struct AxisCaptions {
    bool Shown = false;
    std::string Y;
    std::string X;
};
AxisCaptions AxisCaptionsFor(int simulationMode, const std::string& chartXCaption,
                             Language language = Language::Polish);

// Where the texts around the plot stand, clear of the axes' arrow heads (each leg `arrow`
// pixels along x and along y), of the points (of `pointRadius`) on the axes and of each other:
// the captions' top-left corners, in the font of the captions; the x labels' top and the limit
// they end before; where the y labels end. The y caption ends a blank left of the y axis's arrow
// head; the x caption starts 10 pixels left of the x axis's end, below its arrow head.
struct ChartTextPlaces {
    ChartPoint YCaption;
    ChartPoint XCaption;
    int XLabelsTop = 0;
    int XLabelLimit = 0;
    int YLabelsRight = 0;
};
ChartTextPlaces PlaceChartTexts(const ChartFrame& frame, int arrow, int pointRadius, int boxRight,
                                const AxisCaptions& captions, const TextWidthOf& width);

// The widest Y value of rows 1..rowCount written as a tick label (empty rows included, from
// their -1.0): the y labels end this far left of the axis.
int MaxYLabelWidth(const TableRowArray& rows, int rowCount, const TextWidthOf& textWidth,
                   char separator = ',');

// The fitted law. a is the coefficient of the hyperbola a / x and the parabola a * x^2, and the
// intercept of the straight line b * x + a.
struct CurveFit {
    int Kind = 0;
    bool Drawable = false;
    double A = 0.0;
    double B = 0.0;
    int Filled = 0;  // the filled rows the fit was made from
};

// Fits the law of the given kind to the filled rows among 1..rowCount. The curve is drawable
// only where the chart can place points and the fit exists: the first product (or quotient)
// and the line's intercept must not be 0, no division may be by 0 (all filled X equal for the
// line, a filled X of 0 for the parabola) and the coefficients must be finite.
CurveFit FitCurve(const TableRowArray& rows, int rowCount, int kind, const ChartRange& range);

// The curve as pixels to join in order: two points for the line, up to 100 samples for the
// hyperbola and the parabola (a sample at x = 0 is left out and its neighbours joined). Empty
// when the fit is not drawable. The painter clips it to the plot: ClipRect.
std::vector<ChartPoint> CurvePolyline(const CurveFit& fit, const ChartMapping& mapping);

// The rectangle a curve is clipped to, the frame's edges included.
struct ChartRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};
ChartRect ClipRect(const ChartFrame& frame);

// What both charts need besides their box or page: the table as it is to be drawn, the mode
// (for the captions) and the two options of the free-path pane. A cleared table's chart is
// the start-up one, ChartInput{}.
struct ChartInput {
    TableRowArray Rows;
    int SimulationMode = 0;
    std::string ChartXCaption;
    bool ScaleFromZero = true;  // "Skaluj wykres od zera"
    bool DrawCurve = true;      // "Rysuj krzywą "
};
