// The dependency chart's arithmetic: ranges, ticks and their labels, the mapping to pixels, the
// fitted curves and the captions.
#include <gtest/gtest.h>

#include <initializer_list>

#include "core/ChartMath.h"

namespace {

// A table whose listed rows hold the given values; the other rows are empty.
TableRowArray Rows(std::initializer_list<TableRow> filled) {
    TableRowArray rows;
    rows.Fill({-1.0, -1.0});
    int r = 1;
    for (const TableRow& row : filled)
        rows[r++] = row;
    return rows;
}

const ChartFrame kBox = ScreenChartFrame(318, 225);  // 50, 20, 218 x 185

std::vector<std::string> Labels(const std::array<ChartTick, 4>& ticks) {
    std::vector<std::string> out;
    for (const ChartTick& t : ticks)
        out.push_back(TickLabel(t.Value));
    return out;
}

}  // namespace

TEST(ChartRange, MarginsOfOneTwentiethOrZeroScaling) {
    const TableRowArray rows = Rows({{100, 10}, {200, 40}, {300, 20}});
    const ChartRange r = ComputeChartRange(rows, 17, false);
    EXPECT_DOUBLE_EQ(r.XMin, 90.0);
    EXPECT_DOUBLE_EQ(r.XMax, 310.5);  // the upper margin uses the lowered minimum
    EXPECT_DOUBLE_EQ(r.YMin, 8.5);
    EXPECT_DOUBLE_EQ(r.YMax, 41.575);
    // From zero the margin above stays, so that the highest point is not on the frame.
    const ChartRange z = ComputeChartRange(rows, 17, true);
    EXPECT_EQ(z.XMin, 0.0);
    EXPECT_EQ(z.XMax, 315.0);
    EXPECT_EQ(z.YMin, 0.0);
    EXPECT_EQ(z.YMax, 42.0);
}

TEST(ChartRange, StartsFromRowOneEvenWhenItIsEmpty) {
    // Row 1 empty: its -1.0 stays in both ranges; empty X and Y of later rows are skipped
    // independently.
    TableRowArray rows = Rows({{-1, -1}, {5, -1}, {-1, 7}, {3, 2}});
    const ChartRange r = ComputeChartRange(rows, 17, true);
    EXPECT_EQ(r.XMax, 5.25);
    EXPECT_EQ(r.YMax, 7.35);
    const ChartRange m = ComputeChartRange(rows, 17, false);
    EXPECT_DOUBLE_EQ(m.XMin, -1.0 - 6.0 / 20);
    EXPECT_DOUBLE_EQ(m.YMin, -1.0 - 8.0 / 20);
}

TEST(ChartTicks, EmptyTableWithZeroScalingRunsBelowZero) {
    const ChartRange r = ComputeChartRange(Rows({}), 17, true);
    EXPECT_EQ(r.XMax, -1.05);
    const std::vector<std::string> expected{"0,00", "-0,26", "-0,53", "-0,79"};
    EXPECT_EQ(Labels(XTicks(kBox, r)), expected);
    EXPECT_EQ(Labels(YTicks(kBox, r)), expected);
    // The rows of zeros at program start: zero labels and no plot.
    const ChartRange zeros = ComputeChartRange(TableRowArray{}, 17, true);
    EXPECT_FALSE(zeros.CanPlot());
    EXPECT_EQ(Labels(YTicks(kBox, zeros)), std::vector<std::string>(4, "0,00"));
}

// The same rows give the same ticks and labels on screen, in the saved picture and on a page
// of any printer, with the highest and the rightmost point inside the frame.
TEST(ChartTicks, TheSameRowsGiveTheSameChartOnEveryMedium) {
    const TableRowArray rows = Rows({{20, 100}, {50, 40}, {100, 20}});
    const ChartRange r = ComputeChartRange(rows, 17, true);
    const std::vector<std::string> x{"0,00", "26,25", "52,50", "78,75"};
    for (const ChartFrame& f : {kBox, PaperChartFrame(2480, 3508), PaperChartFrame(4961, 7016),
                                PaperChartFrame(1240, 1754)}) {
        EXPECT_EQ(Labels(XTicks(f, r)), x);
        EXPECT_EQ(Labels(YTicks(f, r)), x);
        const ChartMapping map(f, r);
        EXPECT_GT(map.Py(100), f.Top + f.Height / 30);
        EXPECT_LT(map.Px(100), f.Left + f.Width - f.Width / 30);
    }
}

// Nothing around the plot is drawn over anything else: the y caption ends left of the arrow
// head, the x caption stands below its arrow head, the x labels end before both, and the labels
// keep clear of a point on an axis.
TEST(ChartTicks, CaptionsAndLabelsKeepClearOfTheArrowHeadsAndThePoints) {
    const auto eight = [](const std::string& s) { return 8 * static_cast<int>(s.size()); };
    const AxisCaptions captions = AxisCaptionsFor(7, "N");
    for (const int arrow : {5, 25}) {
        const ChartTextPlaces at = PlaceChartTexts(kBox, arrow, 4, 317, captions, eight);
        EXPECT_EQ(at.YCaption.X + eight("p[jedn.] "), 50 - arrow);
        EXPECT_EQ(at.YCaption.Y, 20);
        EXPECT_EQ(at.XCaption.X, 258);
        EXPECT_GE(at.XCaption.Y, 205 + arrow + 3);
        EXPECT_LE(at.XLabelLimit, at.XCaption.X - 3);
        EXPECT_EQ(at.XLabelsTop, 210);
        EXPECT_EQ(at.YLabelsRight, 45);
    }
    EXPECT_EQ(PlaceChartTexts(kBox, 5, 4, 317, captions, eight).XCaption.Y, 213);
    EXPECT_EQ(PlaceChartTexts(kBox, 25, 4, 317, {}, eight).XLabelLimit, 268 - 25 - 3);
    EXPECT_EQ(PlaceChartTexts(kBox, 5, 4, 317, {}, eight).XLabelLimit, 314);
    const ChartTextPlaces paper = PlaceChartTexts(kBox, 25, 16, 317, captions, eight);
    EXPECT_EQ(paper.XLabelsTop, 205 + 17);
    EXPECT_EQ(paper.YLabelsRight, 50 - 17);
}

TEST(ChartTicks, OffsetsAndValuesAtQuarters) {
    const ChartRange r{90.0, 310.5, 0.0, 1.0};
    const auto x = XTicks(kBox, r);
    EXPECT_EQ(x[1].Offset, 54);
    EXPECT_EQ(x[3].Offset, 163);
    EXPECT_EQ(x[1].Value, 90.0 + 220.5 / 4);
    EXPECT_EQ(TickLabel(x[2].Value), "200,25");
    const auto y = YTicks(kBox, r);
    EXPECT_EQ(y[1].Offset, 46);
    EXPECT_EQ(y[3].Value, 0.75);
}

TEST(ChartTicks, LabelWidthCoversEveryRowIncludingEmptyOnes) {
    const auto chars = [](const std::string& s) { return static_cast<int>(s.size()); };
    EXPECT_EQ(MaxYLabelWidth(Rows({{1, 2}}), 17, chars), 5);         // "-1,00"
    EXPECT_EQ(MaxYLabelWidth(Rows({{1, 1234.567}}), 17, chars), 7);  // "1234,57"
    EXPECT_EQ(MaxYLabelWidth(Rows({{1, 2}, {3, 4}}), 2, chars), 4);  // rows 1 and 2 only
}

TEST(ChartMapping, TruncatesTowardZeroAndSaturatesFarValues) {
    const ChartMapping map(kBox, {90.0, 310.5, 0.0, 10.0});
    EXPECT_EQ(map.Px(200.0), 158);  // 110 * 218 / 220.5 + 50 = 158.75
    EXPECT_EQ(map.Px(310.5), 268);
    EXPECT_EQ(map.Py(0.0), 205);
    EXPECT_EQ(map.Py(10.0), 20);
    EXPECT_EQ(map.Py(-0.1), 206);  // 205 - Trunc(-1.85); a floor would give 207
    EXPECT_EQ(map.Px(89.0), 49);   // Trunc(49.01)
    EXPECT_GT(map.Py(-1e300), 1000000);
    EXPECT_LT(map.Py(1e300), -1000000);
}

TEST(ChartMapping, OneFilledRowWithZeroScalingStandsInsideTheTopRightCorner) {
    const TableRowArray rows = Rows({{300, 0.25}});
    const ChartRange r = ComputeChartRange(rows, 17, true);
    ASSERT_TRUE(r.CanPlot());
    const ChartMapping map(kBox, r);
    EXPECT_EQ(map.Px(300), 257);  // 300 * 218 / 315 + 50
    EXPECT_EQ(map.Py(0.25), 29);  // 205 - Trunc(0.25 * 185 / 0.2625)
    EXPECT_TRUE(FitCurve(rows, 17, kHyperbola, r).Drawable);
    EXPECT_EQ(CurvePolyline(FitCurve(rows, 17, kHyperbola, r), map).size(), 100u);
}

TEST(CurveFit, HyperbolaFromTheMeanProduct) {
    const TableRowArray rows = Rows({{1, 12}, {2, 6}, {-1, 5}, {3, 4}, {4, 3.5}});
    const ChartRange r = ComputeChartRange(rows, 17, true);
    const CurveFit fit = FitCurve(rows, 17, kHyperbola, r);
    EXPECT_TRUE(fit.Drawable);
    EXPECT_EQ(fit.Filled, 4);
    EXPECT_DOUBLE_EQ(fit.A, (12 + 12 + 12 + 14) / 4.0);
    // Sample 50 of the curve through (1, 12), (2, 6), (3, 4) alone: x = 1.5, y = 8.
    const TableRowArray exact = Rows({{1, 12}, {2, 6}, {3, 4}});
    const ChartRange er{0.0, 3.0, 0.0, 12.0};
    const auto curve = CurvePolyline(FitCurve(exact, 17, kHyperbola, er), ChartMapping(kBox, er));
    ASSERT_EQ(curve.size(), 100u);
    EXPECT_EQ(curve[49], (ChartPoint{159, 82}));  // 1.5 * 218 / 3 + 50; 205 - Trunc(8 * 185 / 12)
    EXPECT_EQ(curve[99], (ChartPoint{268, 205 - 61}));
}

TEST(CurveFit, LeastSquaresLine) {
    const TableRowArray rows = Rows({{1, 1}, {2, 3}, {3, 2}});
    const ChartRange r{0.0, 3.0, 0.0, 3.0};
    const CurveFit fit = FitCurve(rows, 17, kStraightLine, r);
    ASSERT_TRUE(fit.Drawable);
    EXPECT_DOUBLE_EQ(fit.B, 0.5);  // (3 * 13 - 6 * 6) / (3 * 14 - 36)
    EXPECT_DOUBLE_EQ(fit.A, 1.0);  // (6 - 0.5 * 6) / 3
    const ChartMapping map(kBox, r);
    const auto line = CurvePolyline(fit, map);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_EQ(line[0], (ChartPoint{50, map.Py(1.0)}));
    EXPECT_EQ(line[1], (ChartPoint{268, 205 - 154}));  // Trunc(2.5 * 185 / 3)
}

TEST(CurveFit, ParabolaFromTheMeanQuotient) {
    const TableRowArray rows = Rows({{2, 8}, {4, 40}, {0, -1}});  // the half row is ignored
    const ChartRange r = ComputeChartRange(rows, 17, true);
    const CurveFit fit = FitCurve(rows, 17, kParabola, r);
    EXPECT_TRUE(fit.Drawable);
    EXPECT_DOUBLE_EQ(fit.A, 2.25);  // mean of 8/4 and 40/16
}

TEST(CurveFit, LawsThatCannotBeDrawnAreLeftOut) {
    const auto drawable = [](const TableRowArray& rows, int kind, bool fromZero = true) {
        const ChartRange r = ComputeChartRange(rows, 17, fromZero);
        return FitCurve(rows, 17, kind, r).Drawable;
    };
    EXPECT_FALSE(drawable(Rows({{1, 2}, {2, 4}}), kStraightLine));  // through the origin: a = 0
    EXPECT_FALSE(drawable(Rows({{0, 5}, {2, 4}}), kHyperbola));     // first product 0
    EXPECT_FALSE(drawable(Rows({{1, 0}, {2, 4}}), kParabola));      // first quotient 0
    EXPECT_FALSE(drawable(Rows({{1, 1}, {2, 3}}), 0));
    EXPECT_FALSE(drawable(Rows({{1, 1}, {2, 3}}), 4));
    EXPECT_FALSE(drawable(Rows({}), kHyperbola));                       // no filled row
    EXPECT_FALSE(drawable(Rows({{2, 3}, {2, 3}}), kHyperbola, false));  // zero range
    // Divisions by zero: all X equal for the line (the x range kept open by zero scaling),
    // a filled X of 0 for the parabola, even after a good first row.
    EXPECT_FALSE(drawable(Rows({{5, 1}, {5, 2}}), kStraightLine));
    EXPECT_FALSE(drawable(Rows({{1, 1}}), kStraightLine));
    EXPECT_FALSE(drawable(Rows({{1, 3}, {0, 5}}), kParabola));
    EXPECT_FALSE(drawable(Rows({{1e200, 1e200}, {2e200, 1e200}}), kHyperbola));  // overflow
    EXPECT_TRUE(drawable(Rows({{1, 3}, {2, 5}}), kStraightLine));
}

TEST(CurveFit, SampleAtZeroIsSkippedAndItsNeighboursJoined) {
    const TableRowArray rows = Rows({{1, 1}, {2, 4}});
    const ChartRange across{-50.0, 50.0, 0.0, 10.0};
    const CurveFit fit = FitCurve(rows, 17, kParabola, across);
    ASSERT_TRUE(fit.Drawable);
    const ChartMapping map(kBox, across);
    const auto curve = CurvePolyline(fit, map);
    ASSERT_EQ(curve.size(), 99u);
    EXPECT_EQ(curve[48].X, map.Px(-1.0));
    EXPECT_EQ(curve[49].X, map.Px(1.0));
    // Zero at the first sample: the curve starts at the second one.
    const ChartRange first{-1.0, 99.0, 0.0, 10.0};
    const auto hyperbola =
        CurvePolyline(FitCurve(rows, 17, kHyperbola, first), ChartMapping(kBox, first));
    ASSERT_EQ(hyperbola.size(), 99u);
    EXPECT_EQ(hyperbola.front().X, ChartMapping(kBox, first).Px(1.0));
}

TEST(AxisCaptions, ByModeInTheLanguage) {
    const auto both = [](int mode, const std::string& x) {
        const AxisCaptions c = AxisCaptionsFor(mode, x);
        return c.Y + " / " + c.X;
    };
    EXPECT_EQ(both(2, "m [u]"), "s[jedn.] / N");
    EXPECT_EQ(both(5, "m [u]"), "T[jedn.] / m [u]");
    EXPECT_EQ(both(7, "Vśr [jedn.]"), "p[jedn.] / Vśr [jedn.]");
    for (int mode : {0, 1, 3, 4, 6})
        EXPECT_FALSE(AxisCaptionsFor(mode, "N").Shown) << mode;
    const AxisCaptions english = AxisCaptionsFor(7, "Vśr [jedn.]", Language::English);
    EXPECT_EQ(english.Y + " / " + english.X, "p[units] / Vav [units]");
    EXPECT_EQ(AxisCaptionsFor(2, "", Language::English).X, "N");
}

namespace {

// Eight pixels per character, as a plain test font.
int EightEach(const std::string& s) {
    int characters = 0;
    for (const char c : s)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return 8 * characters;
}

std::array<ChartTick, 4> TicksAt(int step, double first, double by) {
    return {ChartTick{0, first}, ChartTick{step, first + by}, ChartTick{2 * step, first + 2 * by},
            ChartTick{3 * step, first + 3 * by}};
}

}  // namespace

TEST(ChartLabels, ShortFormHasThreeDigitsAndAPowerOfTen) {
    EXPECT_EQ(ShortTickLabel(105000.0), "1,05·10⁵");
    EXPECT_EQ(ShortTickLabel(-2500000.0), "-2,50·10⁶");
    EXPECT_EQ(ShortTickLabel(0.00012), "1,20·10⁻⁴");
    EXPECT_EQ(ShortTickLabel(99999.0), "1,00·10⁵");
    EXPECT_EQ(ShortTickLabel(112500.0), "1,13·10⁵");  // halves away from zero
    EXPECT_EQ(ShortTickLabel(1e23), "1,00·10²³");
    EXPECT_EQ(ShortTickLabel(999500.0), "1,00·10⁶");  // never "10,00·10⁵"
    EXPECT_EQ(ShortTickLabel(105000.0, '.'), "1.05·10⁵");
    EXPECT_EQ(ShortTickLabel(0.000123, '.'), "1.23·10⁻⁴");
    // Everyday values keep their two decimals.
    EXPECT_EQ(ShortTickLabel(1500.0), "1500,00");
    EXPECT_EQ(ShortTickLabel(0.0), "0,00");
    EXPECT_EQ(TickLabel(2.675, '.'), "2.68");
}

TEST(ChartLabels, EverydayLabelsStayAsWrittenAndLargeOnesNeverOverlap) {
    // Four labels 60 pixels apart: "100,00" is 48 wide.
    const auto everyday = XTickLabels(TicksAt(60, 100, 50), 0, 1000, EightEach);
    EXPECT_EQ(everyday[0], "100,00");
    EXPECT_EQ(everyday[3], "250,00");
    // Ending on a caption alone changes nothing either.
    EXPECT_EQ(XTickLabels(TicksAt(60, 100, 50), 0, 200, EightEach), everyday);

    // Large values take the short form wherever they are written, even with room to spare.
    const auto large = XTickLabels(TicksAt(200, 105000, 5000), 0, 1000, EightEach);
    EXPECT_EQ(large[0], "1,05·10⁵");
    EXPECT_EQ(large[1], "1,10·10⁵");
    // Closer still, every other label goes.
    const auto crowded = XTickLabels(TicksAt(40, 105000, 5000), 0, 1000, EightEach);
    EXPECT_FALSE(crowded[0].empty());
    EXPECT_TRUE(crowded[1].empty());
    EXPECT_FALSE(crowded[2].empty());
    EXPECT_TRUE(crowded[3].empty());
    // The short form also keeps the last label off the caption.
    const auto beforeCaption = XTickLabels(TicksAt(80, 105000, 5000), 0, 310, EightEach);
    EXPECT_EQ(beforeCaption[3], "1,20·10⁵");
    // Closer to it, the last label gives way and the others stay.
    const auto intoCaption = XTickLabels(TicksAt(80, 105000, 5000), 0, 290, EightEach);
    EXPECT_EQ(intoCaption[2], "1,15·10⁵");
    EXPECT_TRUE(intoCaption[3].empty());
}
