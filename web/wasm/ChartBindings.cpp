// The chart and the table's files for the page: the core's chart arithmetic laid out as a plan
// of what to draw (lines, texts, curve, points) for a box on screen or a page on paper, exactly
// as the desktop's painter places them (src/measure/DependencyChart.cpp), and the table's CSV
// bytes. The page measures its texts; the plan only asks it how wide they are.
#include <emscripten/bind.h>

#include <string>
#include <vector>

#include "core/ChartMath.h"
#include "core/Languages.h"
#include "core/TableCsv.h"
#include "engine/NumberFormat.h"

using namespace emscripten;

namespace {

// The desktop's two styles (ScreenChartStyle, PaperChartStyle).
struct Style {
    bool Background;
    int AxisWidth;
    int Arrow;
    int PointRadius;
};

Style StyleFor(bool paper, int pageWidth) {
    if (paper) return {false, 2, 25, pageWidth / 150};
    return {true, 1, 5, 4};
}

// Rows 1..17 from the page's 34 numbers, X and Y of each row in turn (-1 for an empty cell).
TableRowArray RowsOf(const val& numbers) {
    TableRowArray rows;
    const std::vector<double> v = vecFromJSArray<double>(numbers);
    for (int i = 1; i <= kTableRowCount; ++i) {
        const auto at = static_cast<std::size_t>(2 * (i - 1));
        rows[i].X = at < v.size() ? v[at] : -1.0;
        rows[i].Y = at + 1 < v.size() ? v[at + 1] : -1.0;
    }
    return rows;
}

Language LanguageOf(const std::string& code) {
    return LanguageNamed(code).value_or(Language::Polish);
}

val Text(int x, int y, const std::string& text) {
    val t = val::object();
    t.set("x", x);
    t.set("y", y);
    t.set("text", text);
    return t;
}

val Rect(int left, int top, int width, int height) {
    val r = val::object();
    r.set("left", left);
    r.set("top", top);
    r.set("width", width);
    r.set("height", height);
    return r;
}

// input: {rows, kind, mode, xCaption (its Polish source), scaleFromZero, drawCurve, language}.
// The box is the paint box on screen, or the whole page on paper (the chart takes its upper
// half). captionWidth and labelWidth measure a text in the captions' and the labels' fonts.
val ChartPlan(const val& input, bool paper, int boxWidth, int boxHeight, const val& captionWidth,
              const val& labelWidth) {
    const TableRowArray rows = RowsOf(input["rows"]);
    const int kind = input["kind"].as<int>();
    const int mode = input["mode"].as<int>();
    const std::string xCaption = input["xCaption"].as<std::string>();
    const bool fromZero = input["scaleFromZero"].as<bool>();
    const bool drawCurve = input["drawCurve"].as<bool>();
    const Language language = LanguageOf(input["language"].as<std::string>());
    const char separator = DecimalSeparatorOf(language);

    const Style style = StyleFor(paper, boxWidth);
    const ChartFrame f =
        paper ? PaperChartFrame(boxWidth, boxHeight) : ScreenChartFrame(boxWidth, boxHeight);
    const int right = f.Left + f.Width;
    const int bottom = f.Bottom();
    const int arrow = style.Arrow;

    val plan = val::object();
    plan.set("background", style.Background);
    plan.set("axisWidth", style.AxisWidth);
    plan.set("pointRadius", style.PointRadius);
    plan.set("frame", Rect(f.Left, f.Top, f.Width, f.Height));

    std::vector<int> grid;
    for (int i = 0; i <= 7; ++i) {
        const int x = (i + 1) * f.Width / 8 + f.Left;
        grid.insert(grid.end(), {x, f.Top, x, bottom - 1});
        const int y = i * f.Height / 8 + f.Top;
        grid.insert(grid.end(), {f.Left, y, right, y});
    }
    plan.set("grid", val::array(grid));
    const std::vector<int> axes{f.Left, bottom, right,          bottom,
                                f.Left, bottom, f.Left,         f.Top,
                                right,  bottom, right - arrow,  bottom - arrow,
                                right,  bottom, right - arrow,  bottom + arrow,
                                f.Left, f.Top,  f.Left - arrow, f.Top + arrow,
                                f.Left, f.Top,  f.Left + arrow, f.Top + arrow};
    plan.set("axes", val::array(axes));

    const TextWidthOf captionWide = [&](const std::string& s) { return captionWidth(s).as<int>(); };
    const TextWidthOf labelWide = [&](const std::string& s) { return labelWidth(s).as<int>(); };
    const AxisCaptions captions = AxisCaptionsFor(mode, xCaption, language);
    const int boxRight = boxWidth - 1;
    const ChartTextPlaces places =
        PlaceChartTexts(f, arrow, style.PointRadius, boxRight, captions, captionWide);
    val captionList = val::array();
    if (captions.Shown) {
        captionList.call<void>("push", Text(places.YCaption.X, places.YCaption.Y, captions.Y));
        captionList.call<void>("push", Text(places.XCaption.X, places.XCaption.Y, captions.X));
    }
    plan.set("captions", captionList);

    const ChartRange range = ComputeChartRange(rows, kTableRowCount, fromZero);
    const auto xTicks = XTicks(f, range);
    const auto xLabels = XTickLabels(xTicks, f.Left + 3, places.XLabelLimit, labelWide, separator);
    val labels = val::array();
    for (std::size_t i = 0; i < xTicks.size(); ++i) {
        if (!xLabels[i].empty())
            labels.call<void>("push",
                              Text(f.Left + xTicks[i].Offset + 3, places.XLabelsTop, xLabels[i]));
    }
    const int labelWidthMax = MaxYLabelWidth(rows, kTableRowCount, labelWide, separator);
    for (const ChartTick& t : YTicks(f, range)) {
        labels.call<void>("push", Text(places.YLabelsRight - labelWidthMax, bottom - t.Offset - 3,
                                       TickLabel(t.Value, separator)));
    }
    plan.set("labels", labels);

    const ChartMapping map(f, range);
    std::vector<int> curve;
    if (drawCurve) {
        for (const ChartPoint& c : CurvePolyline(FitCurve(rows, kTableRowCount, kind, range), map))
            curve.insert(curve.end(), {c.X, c.Y});
    }
    if (curve.size() < 4) curve.clear();
    plan.set("curve", val::array(curve));
    const ChartRect clip = ClipRect(f);
    plan.set("clip", Rect(clip.Left, clip.Top, clip.Width, clip.Height));

    std::vector<int> points;
    if (range.CanPlot()) {
        for (int i = 1; i <= kTableRowCount; ++i) {
            if (IsFilled(rows[i]))
                points.insert(points.end(), {map.Px(rows[i].X), map.Py(rows[i].Y)});
        }
    }
    plan.set("points", val::array(points));
    return plan;
}

// The table's CSV as the desktop saves it; the page writes the string as UTF-8.
std::string Csv(const std::string& xHeading, const std::string& yHeading, const val& numbers) {
    TableFile table;
    table.XHeading = xHeading;
    table.YHeading = yHeading;
    table.Rows = RowsOf(numbers);
    return TableCsv(table);
}

std::string OneLine(const val& parts) {
    return OneLineHeading(vecFromJSArray<std::string>(parts));
}

// The study table's y heading from its four shown captions (a hidden one as "").
std::string StudyY(const std::string& quantity, const std::string& multiplier,
                   const std::string& exponent, const std::string& unit) {
    TableHeadings h;
    h.Label103.Text = quantity;
    h.Label104.Text = multiplier;
    h.Label73.Text = exponent;
    h.Label74.Text = unit;
    return StudyYHeading(h);
}

// A row's value as the printed table writes it: up to 15 significant digits, the language's
// separator.
std::string PrintedNumber(double value, const std::string& language) {
    return FormatGeneral(value, GeneralFormat::G15, DecimalSeparatorOf(LanguageOf(language)));
}

}  // namespace

EMSCRIPTEN_BINDINGS(chart) {
    function("chartPlan", &ChartPlan);
    function("tableCsv", &Csv);
    function("oneLineHeading", &OneLine);
    function("studyYHeading", &StudyY);
    function("printedNumber", &PrintedNumber);
}
