#include <gtest/gtest.h>

#include <QFont>
#include <memory>

#include "RecordingDevice.h"
#include "measure/CoreText.h"
#include "measure/DependencyChart.h"
#include "measure/PaintHelpers.h"
#include "measure/PrintPages.h"

namespace {

ChartInput Input(std::initializer_list<TableRow> filled, int mode = 0) {
    ChartInput in;
    in.Rows.Fill({-1.0, -1.0});
    int r = 1;
    for (const TableRow& row : filled)
        in.Rows[r++] = row;
    in.SimulationMode = mode;
    in.ChartXCaption = "m [u]";
    return in;
}

QFont BoxFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return font;
}

QImage Draw(const ChartInput& in, int kind) {
    QImage box(318, 225, QImage::Format_RGB32);
    box.fill(Qt::red);  // anything not covered by the background shows
    QPainter p(&box);
    p.setFont(BoxFont());
    DrawDependencyChart(p, box.size(), 17, kind, in);
    return box;
}

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xFF000000u;
}

int Count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += At(image, x, y) == colour;
    }
    return n;
}

const QRgb kBackground = qRgb(240, 240, 240);
const QRgb kGrid = qRgb(200, 200, 200);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kTeal = qRgb(20, 140, 140);

}  // namespace

TEST(DependencyChart, BackgroundGridAxesAndArrowHeads) {
    const QImage box = Draw(Input({}), 1);
    EXPECT_EQ(Count(box, qRgb(255, 0, 0)), 0);
    EXPECT_EQ(At(box, 2, 2), kBackground);
    EXPECT_EQ(At(box, 77, 100), kGrid);    // vertical line 1 of 8 at 218 / 8 + 50
    EXPECT_EQ(At(box, 268, 100), kGrid);   // vertical line 8 of 8 on the right edge
    EXPECT_EQ(At(box, 100, 20), kGrid);    // horizontal line 0 on the top edge
    EXPECT_EQ(At(box, 100, 43), kGrid);    // 185 / 8 + 20
    EXPECT_EQ(At(box, 100, 205), kBlack);  // x axis
    EXPECT_EQ(At(box, 50, 100), kBlack);   // y axis
    EXPECT_EQ(At(box, 265, 202), kBlack);  // arrow heads, 5 pixels
    EXPECT_EQ(At(box, 265, 208), kBlack);
    EXPECT_EQ(At(box, 47, 23), kBlack);
    EXPECT_EQ(At(box, 53, 23), kBlack);
    EXPECT_EQ(At(box, 262, 199), kBackground);  // beyond the 5-pixel stroke
    EXPECT_EQ(Count(box, kTeal), 0);            // an empty table has no points
}

TEST(DependencyChart, PointsAreTealDiscsWithABlackOutline) {
    ChartInput in = Input({{1, 1}, {2, 2}, {3, 3}, {-1, 2}});
    in.DrawCurve = false;
    const QImage box = Draw(in, 1);
    // (1, 1) on a 0..3.15 range: px = Trunc(218 / 3.15 + 50) = 119, py = 205 - Trunc(185 / 3.15).
    EXPECT_EQ(At(box, 119, 147), kTeal);
    EXPECT_EQ(At(box, 119, 143), kBlack);
    EXPECT_EQ(At(box, 119, 151), kBlack);
    EXPECT_EQ(At(box, 119, 140), kBackground);
    EXPECT_EQ(At(box, 257, 29), kTeal);  // (3, 3) inside the top-right corner
    const int onePoint = Count(Draw(Input({{1, 1}, {3, 3}}), 0), kTeal);
    EXPECT_GT(onePoint, 20);
    // The half-filled row adds nothing, and the third point adds as much as one other.
    EXPECT_NEAR(Count(box, kTeal), onePoint * 3 / 2, 2);
}

TEST(DependencyChart, CurveFollowsItsKindAndIsLeftOutWhenItCannotBeFitted) {
    const ChartInput line = Input({{1, 3}, {2, 5}, {3, 7}});  // y = 2x + 1, range 0..3 x 0..7
    const QImage withLine = Draw(line, 2);
    const QImage without = Draw(line, 0);
    // x = 1.5: px = 159; y = 4: py = 205 - Trunc(4 * 185 / 7) = 100.
    bool near = false;
    for (int y = 98; y <= 102; ++y)
        near = near || At(withLine, 159, y) == kBlack;
    EXPECT_TRUE(near);
    EXPECT_NE(At(without, 159, 100), kBlack);
    EXPECT_GT(Count(withLine, kBlack), Count(without, kBlack) + 150);

    ChartInput noCurve = line;
    noCurve.DrawCurve = false;
    EXPECT_EQ(Draw(noCurve, 2), without);
    // All X equal with the x range kept open by zero scaling: no line, the rest is drawn.
    const ChartInput sameX = Input({{5, 1}, {5, 2}});
    EXPECT_EQ(Draw(sameX, 2), Draw(sameX, 0));
    EXPECT_GT(Count(Draw(sameX, 2), kTeal), 0);
}

TEST(DependencyChart, CaptionsByModeAndLabelsInSizeEight) {
    RecordingDevice device(318, 225, 96);
    QPainter p(&device);
    p.setFont(BoxFont());
    const int blank = TextWidth(p, QStringLiteral("s[jedn.] "));
    DrawDependencyChart(p, QSize(318, 225), 17, 1, Input({}, 2));
    p.end();

    const auto* y = device.FindText("s[jedn.]");
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(qRound(y->Baseline.x()), 50 - 5 - blank);  // a blank left of the arrow head
    EXPECT_EQ(device.TopOf(*y), 20);
    const auto* x = device.FindText("N");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(qRound(x->Baseline.x()), 258);
    EXPECT_EQ(device.TopOf(*x), 213);
    // Eight labels of the empty table with zero scaling, two of each value.
    int labels = 0;
    for (const auto& t : device.Record().Texts) {
        if (t.String == "0,00" || t.String == "-0,26" || t.String == "-0,53" ||
            t.String == "-0,79") {
            ++labels;
            EXPECT_EQ(t.Font.pixelSize(), 11);
        }
    }
    EXPECT_EQ(labels, 8);
    const auto* x2 = device.FindText("-0,53");
    ASSERT_NE(x2, nullptr);
    EXPECT_EQ(qRound(x2->Baseline.x()), 50 + 109 + 3);  // the x label comes first
    EXPECT_EQ(device.TopOf(*x2), 210);

    RecordingDevice none(318, 225, 96);
    QPainter q(&none);
    q.setFont(BoxFont());
    DrawDependencyChart(q, QSize(318, 225), 17, 1, Input({}, 1));
    q.end();
    EXPECT_EQ(none.FindText("N"), nullptr);
    EXPECT_EQ(none.Record().Texts.size(), 8u);
}

// The screen and the page share one painter; only the style tells them apart.
TEST(ChartStyle, ArrowsPointsAxesAndBackgroundFollowTheStyle) {
    const ChartInput in = Input({{1, 1}, {3, 3}});
    const ChartFrame frame = ScreenChartFrame(318, 225);
    const auto paint = [&](const ChartStyle& style) {
        auto device = std::make_unique<RecordingDevice>(318, 225, 96);
        QPainter p(device.get());
        p.setFont(BoxFont());
        PaintChart(p, style, QRect(0, 0, 318, 225), frame, 17, 0, in);
        return device;
    };

    ChartStyle style = ScreenChartStyle();
    style.ArrowLength = 12;
    style.PointRadius = 7;
    style.AxisWidth = 3;
    const auto device = paint(style);
    const RecordingEngine& wide = device->Record();
    // The x axis's arrow: both legs end 12 pixels back from the tip, in the axis's width.
    const QLineF upper(268, 205, 256, 193);
    const QLineF lower(268, 205, 256, 217);
    int legs = 0;
    for (const auto& line : wide.Lines) {
        if (line.Segment == upper || line.Segment == lower) {
            ++legs;
            EXPECT_EQ(line.Pen.width(), 3);
        }
    }
    EXPECT_EQ(legs, 2);
    ASSERT_EQ(wide.Ellipses.size(), 2u);
    for (const auto& e : wide.Ellipses) {
        EXPECT_EQ(e.Rect.size(), QSizeF(14, 14));
        EXPECT_EQ(e.Brush.color(), QColor(20, 140, 140));
    }
    // The background covers the box first.
    ASSERT_FALSE(wide.Rects.empty());
    EXPECT_EQ(wide.Rects.front().Rect, QRectF(0, 0, 318, 225));
    EXPECT_EQ(wide.Rects.front().Brush.color(), QColor(240, 240, 240));

    // Without a background nothing is filled: not the box, not under the captions.
    ChartStyle bare = ScreenChartStyle();
    bare.Background.reset();
    ChartInput captioned = in;
    captioned.SimulationMode = 2;
    const auto plain = paint(bare);
    EXPECT_TRUE(plain->Record().Rects.empty());
    const auto captions = std::make_unique<RecordingDevice>(318, 225, 96);
    {
        QPainter p(captions.get());
        p.setFont(BoxFont());
        PaintChart(p, bare, QRect(0, 0, 318, 225), frame, 17, 0, captioned);
    }
    EXPECT_TRUE(captions->Record().Rects.empty());
    EXPECT_NE(captions->FindText(QStringLiteral("N")), nullptr);
}

TEST(ChartStyle, PaperStyleGrowsWithThePageAndKeepsThePaintersFont) {
    const ChartStyle paper = PaperChartStyle(2400);
    EXPECT_EQ(paper.PointRadius, 16);
    EXPECT_EQ(paper.ArrowLength, 25);
    EXPECT_EQ(paper.AxisWidth, 2);
    EXPECT_FALSE(paper.Background.has_value());

    // Tick labels take the painter's font on paper and a pixel size of 11 on screen; either
    // way the painter comes back with the font and brush it had.
    const ChartInput in = Input({{1, 2}, {4, 8}});
    for (const ChartStyle& style : {paper, ScreenChartStyle()}) {
        RecordingDevice device(2400, 3400, 300);
        QPainter p(&device);
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(8);
        p.setFont(font);
        p.setBrush(Qt::yellow);
        PaintChart(p, style, QRect(0, 0, 2400, 3400), PaperChartFrame(2400, 3400), 17, 2, in);
        const RecordingEngine::Text* label = device.FindText(FromCore(TickLabel(0.0)));
        ASSERT_NE(label, nullptr);
        if (style.LabelPixelSize == 0) {
            EXPECT_EQ(label->Font.pointSize(), 8);
        } else {
            EXPECT_EQ(label->Font.pixelSize(), 11);
        }
        EXPECT_EQ(p.font(), font);
        EXPECT_EQ(p.brush().color(), QColor(Qt::yellow));
    }
}

TEST(DependencyChart, CurveStaysInsideThePlot) {
    // A hyperbola through a point far above the others leaves the plot at the small x.
    ChartInput input;
    input.SimulationMode = 7;
    input.ChartXCaption = "V [jedn.]";
    input.ScaleFromZero = false;
    input.Rows[1] = {100000.0, 10.0};
    input.Rows[2] = {200000.0, 5.0};
    input.Rows[3] = {400000.0, 2.5};
    QImage image(318, 225, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    DrawDependencyChart(p, image.size(), kTableRowCount, kHyperbola, input);
    p.end();
    const ChartFrame f = ScreenChartFrame(318, 225);
    // Above the plot only the y caption is drawn, left of the axis.
    for (int y = 0; y < f.Top - 1; ++y) {
        for (int x = f.Left + 6; x < image.width(); ++x)
            EXPECT_NE(image.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
    }

    // On paper too, where the same curve would run far up the page.
    QImage paper(1240, 1754, QImage::Format_RGB32);  // A4 at 150 dpi
    paper.setDotsPerMeterX(5906);
    paper.setDotsPerMeterY(5906);
    paper.fill(Qt::white);
    QPainter pp(&paper);
    PaintPrintedChart(pp, paper.size(), kTableRowCount, kHyperbola, input);
    pp.end();
    const ChartFrame pf = PaperChartFrame(paper.width(), paper.height());
    int inked = 0;
    for (int y = 0; y < pf.Top - 2; ++y) {
        for (int x = pf.Left + 30; x < paper.width(); ++x)
            inked += qGray(paper.pixel(x, y)) < 128;
    }
    EXPECT_EQ(inked, 0);
}
