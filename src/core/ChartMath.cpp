#include "core/ChartMath.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/Numbers.h"
#include "engine/NumberFormat.h"

namespace {

// Far outside any box or page, yet well inside what a painter can still clip.
constexpr double kFarCoordinate = 1.0e7;

int SaturatingTrunc(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(v, -kFarCoordinate, kFarCoordinate));
}

bool Finite(double v) {
    return std::isfinite(v);
}

}  // namespace

ChartFrame ScreenChartFrame(int boxWidth, int boxHeight) {
    return {50, 20, boxWidth - 100, boxHeight - 40};
}

ChartFrame PaperChartFrame(int pageWidth, int pageHeight) {
    const int left = pageWidth / 8;
    const int top = pageHeight / 16;
    return {left, top, pageWidth - 2 * left, pageHeight / 2 - 2 * top};
}

int ClampRowCount(int rowCount) {
    return std::clamp(rowCount, 0, kTableRowCount);
}

ChartRange ComputeChartRange(const TableRowArray& rows, int rowCount, bool fromZero) {
    ChartRange r;
    r.XMin = r.XMax = rows[1].X;
    r.YMin = r.YMax = rows[1].Y;
    const int count = ClampRowCount(rowCount);
    for (int i = 1; i <= count; ++i) {
        const TableRow& row = rows[i];
        if (row.X != -1.0) {
            r.XMax = std::max(r.XMax, row.X);
            r.XMin = std::min(r.XMin, row.X);
        }
        if (row.Y != -1.0) {
            r.YMax = std::max(r.YMax, row.Y);
            r.YMin = std::min(r.YMin, row.Y);
        }
    }
    if (fromZero) {
        r.XMin = 0.0;
        r.YMin = 0.0;
    } else {
        r.XMin = r.XMin - (r.XMax - r.XMin) / 20;
        r.YMin = r.YMin - (r.YMax - r.YMin) / 20;
    }
    r.XMax = r.XMax + (r.XMax - r.XMin) / 20;
    r.YMax = r.YMax + (r.YMax - r.YMin) / 20;
    return r;
}

int ChartMapping::Px(double x) const {
    return SaturatingTrunc((x - range_.XMin) * frame_.Width / (range_.XMax - range_.XMin) +
                           frame_.Left);
}

int ChartMapping::Py(double y) const {
    const int up = SaturatingTrunc((y - range_.YMin) * frame_.Height / (range_.YMax - range_.YMin));
    return SaturatingTrunc(static_cast<double>(frame_.Bottom()) - up);
}

namespace {

std::array<ChartTick, 4> Ticks(int length, double low, double high) {
    std::array<ChartTick, 4> ticks{};
    for (int i = 0; i < 4; ++i)
        ticks[static_cast<std::size_t>(i)] = {i * length / 4, low + (high - low) * i / 4};
    return ticks;
}

}  // namespace

std::array<ChartTick, 4> XTicks(const ChartFrame& frame, const ChartRange& range) {
    return Ticks(frame.Width, range.XMin, range.XMax);
}

std::array<ChartTick, 4> YTicks(const ChartFrame& frame, const ChartRange& range) {
    return Ticks(frame.Height, range.YMin, range.YMax);
}

std::string TickLabel(double value, char separator) {
    return FormatFixed(value, 2, separator);
}

std::string ShortTickLabel(double value, char separator) {
    if (value == 0.0 || !std::isfinite(value)) return TickLabel(value, separator);
    int exponent = DecimalExponent(value);
    double mantissa = value / PowerOfTen(exponent);
    // 9,996 rounds up to 10,00: one power more. Asked of the label itself too, which rounds the
    // shortest digits of the mantissa (9,995 may be 9,99499... in binary).
    if (std::fabs(std::round(mantissa * 100) / 100) >= 10.0 ||
        TickLabel(std::fabs(mantissa), '.') == "10.00") {
        ++exponent;
        mantissa /= 10.0;
    }
    if (exponent >= -2 && exponent <= 3) return TickLabel(value, separator);
    static const char* const kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string power;
    for (const char digit : std::to_string(std::abs(exponent)))
        power += kSuperscripts[digit - '0'];
    if (exponent < 0) power.insert(0, "⁻");
    return TickLabel(mantissa, separator) + "·10" + power;
}

std::array<std::string, 4> XTickLabels(const std::array<ChartTick, 4>& ticks, int left, int limit,
                                       const TextWidthOf& textWidth, char separator) {
    constexpr int kGap = 4;
    const auto apart = [&](const std::array<std::string, 4>& labels, int end_limit) {
        int end = INT_MIN / 2;
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            if (labels[i].empty()) continue;
            const int x = left + ticks[i].Offset;
            if (x < end + kGap) return false;
            end = x + textWidth(labels[i]);
        }
        return end <= end_limit;
    };
    // The values alone choose the form, so that every medium writes the same labels; only
    // where they do not fit does one give way.
    std::array<std::string, 4> labels;
    bool everyday = true;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        labels[i] = ShortTickLabel(ticks[i].Value, separator);
        everyday = everyday && labels[i] == TickLabel(ticks[i].Value, separator);
    }
    if (apart(labels, limit)) return labels;
    // Everyday values that only touch the caption stay as they are.
    if (everyday && apart(labels, INT_MAX)) return labels;
    // Apart, but into the caption: the last label gives way.
    if (apart(labels, INT_MAX)) {
        labels[3].clear();
        if (apart(labels, limit)) return labels;
    }
    for (std::size_t i = 1; i < ticks.size(); i += 2)
        labels[i].clear();
    return labels;
}

ChartTextPlaces PlaceChartTexts(const ChartFrame& f, int arrow, int pointRadius, int boxRight,
                                const AxisCaptions& captions, const TextWidthOf& width) {
    constexpr int kGap = 3;
    const int right = f.Left + f.Width;
    // The labels keep clear of a point on an axis.
    const int labelsBelow = std::max(5, pointRadius + 1);
    ChartTextPlaces places;
    places.YCaption = {f.Left - arrow - width(captions.Y + " "), f.Top};
    places.XCaption = {right - 10, f.Bottom() + std::max(8, arrow + kGap)};
    places.XLabelsTop = f.Bottom() + labelsBelow;
    places.YLabelsRight = f.Left - std::max(kGap, pointRadius + 1);
    // Labels end before the x caption, or before the box's edge; and before the arrow head
    // where it reaches down to them.
    places.XLabelLimit = captions.Shown ? places.XCaption.X - kGap : boxRight - kGap;
    if (arrow > labelsBelow) {
        places.XLabelLimit = std::min(places.XLabelLimit, right - arrow - kGap);
    }
    return places;
}

int MaxYLabelWidth(const TableRowArray& rows, int rowCount, const TextWidthOf& textWidth,
                   char separator) {
    int widest = 0;
    const int count = ClampRowCount(rowCount);
    for (int i = 1; i <= count; ++i)
        widest = std::max(widest, textWidth(TickLabel(rows[i].Y, separator)));
    return widest;
}

CurveFit FitCurve(const TableRowArray& rows, int rowCount, int kind, const ChartRange& range) {
    CurveFit fit;
    fit.Kind = kind;
    if (kind != kHyperbola && kind != kStraightLine && kind != kParabola) return fit;

    const int count = ClampRowCount(rowCount);
    int n = 0;
    double first = 0.0;  // the first row's product (or quotient)
    double sumC = 0.0;
    double sx = 0.0, sy = 0.0, sxy = 0.0, sxx = 0.0;
    bool zeroX = false;
    for (int i = 1; i <= count; ++i) {
        const TableRow& row = rows[i];
        if (!IsFilled(row)) continue;
        ++n;
        double c = 0.0;
        if (kind == kHyperbola) c = row.X * row.Y;
        if (kind == kParabola) {
            if (row.X == 0.0) {
                zeroX = true;
            } else {
                c = row.Y / (row.X * row.X);
            }
        }
        if (n == 1) first = c;
        sumC += c;
        sx += row.X;
        sy += row.Y;
        sxy += row.X * row.Y;
        sxx += row.X * row.X;
    }
    fit.Filled = n;
    if (n == 0 || !range.CanPlot()) return fit;

    if (kind == kStraightLine) {
        const double denominator = n * sxx - sx * sx;
        if (denominator == 0.0) return fit;
        fit.B = (n * sxy - sx * sy) / denominator;
        fit.A = (sy - fit.B * sx) / n;
        fit.Drawable = fit.A != 0.0 && Finite(fit.A) && Finite(fit.B);
        return fit;
    }
    if (zeroX) return fit;  // Y / X^2 has no value there
    fit.A = sumC / n;
    fit.Drawable = first != 0.0 && Finite(fit.A);
    return fit;
}

std::vector<ChartPoint> CurvePolyline(const CurveFit& fit, const ChartMapping& mapping) {
    std::vector<ChartPoint> points;
    if (!fit.Drawable) return points;
    const ChartRange& r = mapping.Range();
    if (fit.Kind == kStraightLine) {
        points.push_back({mapping.Frame().Left, mapping.Py(fit.B * r.XMin + fit.A)});
        points.push_back({mapping.Px(r.XMax), mapping.Py(fit.B * r.XMax + fit.A)});
        return points;
    }
    for (int i = 1; i <= 100; ++i) {
        const double x = r.XMin + (r.XMax - r.XMin) * i / 100;
        if (x == 0.0) continue;
        const double y = fit.Kind == kHyperbola ? fit.A / x : fit.A * x * x;
        points.push_back({mapping.Px(x), mapping.Py(y)});
    }
    return points;
}

ChartRect ClipRect(const ChartFrame& frame) {
    return {frame.Left, frame.Top, frame.Width + 1, frame.Height + 1};
}

AxisCaptions AxisCaptionsFor(int simulationMode, const std::string& chartXCaption,
                             Language language) {
    const auto in = [language](const char* source) { return Translate(language, source); };
    switch (simulationMode) {
        case 2:
            return {true, in(QT_TRANSLATE_NOOP("kinetra", "s[jedn.]")), "N"};
        case 5:
            return {true, in(QT_TRANSLATE_NOOP("kinetra", "T[jedn.]")), in(chartXCaption.c_str())};
        case 7:
            return {true, in(QT_TRANSLATE_NOOP("kinetra", "p[jedn.]")), in(chartXCaption.c_str())};
        default:
            return {};
    }
}
