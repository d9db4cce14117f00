#include <gtest/gtest.h>

#include <QRegularExpression>
#include <memory>

#include "RecordingDevice.h"
#include "measure/DependencyChart.h"
#include "measure/Language.h"
#include "measure/PrintPages.h"

namespace {

// A 600 x 600 vessel at (70, 70) with three particles of size 15, 12,345 ms into the run.
std::unique_ptr<SimulationState> DiffusionState() {
    auto s = std::make_unique<SimulationState>();
    s->SimulationMode = 1;
    s->VesselLeft = 70;
    s->VesselTop = 70;
    s->VesselWidth = 600;
    s->VesselHeight = 600;
    s->ParticleSize = 15;
    s->ParticleCount = 3;
    s->SecondCount = 1;
    const double pos[][2] = {{200.25, 150.0}, {100.7, 200.2}, {400.0, 400.0}};
    for (int i = 1; i <= 3; ++i) {
        s->PosX[i] = pos[i - 1][0];
        s->PosY[i] = pos[i - 1][1];
        s->Kind[i] = i == 1 ? 16 : 7;
    }
    s->MeanSpeed = 45.6789;
    s->ClockStart = 1'000'000;
    s->PausedTotal = 655;
    s->ClockNow = 1'013'000;
    return s;
}

int LineStep(const QPaintDevice& device, int points) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(points);
    return static_cast<int>(1.2 * QFontMetrics(font, &device).height());
}

int Width(const QPaintDevice& device, int points, const QString& text) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(points);
    return QFontMetrics(font, &device).horizontalAdvance(text);
}

// Checks that the text was written with its top-left corner at (x, y).
void ExpectTextAt(const RecordingDevice& d, const QString& text, int x, int y) {
    const auto* t = d.FindText(text);
    ASSERT_NE(t, nullptr) << text.toStdString();
    EXPECT_EQ(qRound(t->Baseline.x()), x) << text.toStdString();
    EXPECT_EQ(d.TopOf(*t), y) << text.toStdString();
    EXPECT_TRUE(t->Font.bold());
}

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xFF000000u;
}

ChartInput TableInput(int mode) {
    ChartInput in;
    in.Rows.Fill({-1.0, -1.0});
    in.Rows[1] = {100, 0.1 + 0.2};
    in.Rows[2] = {-1, 5};
    in.Rows[3] = {200, -1};
    in.Rows[4] = {300, 1234.5678};
    in.Rows[6] = {400, 7};
    in.SimulationMode = mode;
    in.ChartXCaption = "N";
    return in;
}

TableHeadings Pressure() {
    return {{"Liczba"}, {"cząsteczek N"}, {"Ciśnienie"}, {"x 10 "}, {"-26"}, {"[jedn.]"}};
}

}  // namespace

TEST(ScreenCopyPage, HalfPageWideCentredInTheSurfacesProportions) {
    QImage surface(1024, 768, QImage::Format_RGB32);
    surface.fill(Qt::blue);
    RecordingDevice page(4800, 6788, 600);
    QPainter p(&page);
    PrintScreenCopy(p, QSize(4800, 6788), surface, QSize(1008, 695));
    p.end();
    ASSERT_EQ(page.Record().Images.size(), 1u);
    EXPECT_EQ(page.Record().Images[0].Target, QRectF(1200, 678, 2400, 1654));
    EXPECT_EQ(page.Record().Images[0].Picture.size(), QSize(1008, 695));

    // On pixels: the left half of the surface red, the right half blue.
    QPainter fill(&surface);
    fill.fillRect(0, 0, 504, 695, Qt::red);
    fill.end();
    QImage small = PageImage(480, 600, 60);
    QPainter q(&small);
    PrintScreenCopy(q, small.size(), surface, QSize(1008, 695));
    q.end();
    // Destination (120, 60) to (360, 225): 480 * 695 / 2016 = 165.47.
    EXPECT_EQ(At(small, 121, 61), qRgb(255, 0, 0));
    EXPECT_EQ(At(small, 358, 223), qRgb(0, 0, 255));
    EXPECT_EQ(At(small, 119, 100), qRgb(255, 255, 255));
    EXPECT_EQ(At(small, 200, 59), qRgb(255, 255, 255));
    EXPECT_EQ(At(small, 200, 225), qRgb(255, 255, 255));
    EXPECT_EQ(At(small, 360, 100), qRgb(255, 255, 255));
}

TEST(DiffusionPage, VesselTwiceEnlargedWithSlicesParticlesAndStatusLines) {
    const auto s = DiffusionState();
    const PrintedVessel v = PrintedVesselFor(*s, 2400);
    EXPECT_EQ(v.Scale, 2.0);
    EXPECT_EQ(v.Width, 1200);
    EXPECT_EQ(v.Height, 1200);

    RecordingDevice page(2400, 3394, 300);
    QPainter p(&page);
    PrintDiffusionPage(p, QSize(2400, 3394), *s, 50);
    p.end();
    const auto& rects = page.Record().Rects;
    ASSERT_EQ(rects.size(), 9u);
    EXPECT_EQ(rects[0].Rect, QRectF(65, 65, 1210, 1210));
    EXPECT_EQ(rects[0].Brush.color(), QColor(10, 10, 200));
    EXPECT_EQ(rects[1].Rect, QRectF(70, 70, 150, 1200));
    EXPECT_EQ(rects[8].Rect.right(), 1270);
    EXPECT_EQ(rects[8].Brush.color(), QColor(200, 200, 200));

    const auto& images = page.Record().Images;
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[1].Target, QRectF(131, 330, 30, 30));  // 70 + Trunc(30.7 x 2) ...
    EXPECT_EQ(images[0].Target, QRectF(330, 230, 30, 30));

    const int step = LineStep(page, 10);
    ExpectTextAt(page, "DYFUZJA", 1360, 20);
    ExpectTextAt(page, "Liczba cząsteczek N1 = 2", 1320, step + 60);
    ExpectTextAt(page, "Liczba cząsteczek N2 =  1", 1320, 2 * step + 60);
    ExpectTextAt(page, "Liczba cząsteczek N   =  3", 1320, 3 * step + 60);
    ExpectTextAt(page, "Vmax   =  50 jednostek", 1320, 4 * step + 60);
    ExpectTextAt(page, "Vśr    =  45,7 jednostek", 1320, 5 * step + 60);
    ExpectTextAt(page, "Czas  =   12345 ms", 1320, 6 * step + 60);
    for (const auto& t : page.Record().Texts) {
        EXPECT_EQ(t.Font.pointSize(), t.String == "DYFUZJA" ? 12 : 10) << t.String.toStdString();
    }
}

TEST(DiffusionPage, ParticlesKeepTheirBodiesAndLoseTheirBackground) {
    auto s = DiffusionState();
    // Scale 1: a 7-pixel disc, a 15-pixel disc and an opaque 2-pixel square.
    s->ParticleCount = 3;
    s->PosX[1] = 300, s->PosY[1] = 300, s->Kind[1] = 4;
    s->PosX[2] = 400, s->PosY[2] = 300, s->Kind[2] = 16;
    s->PosX[3] = 500, s->PosY[3] = 300, s->Kind[3] = 1;
    QImage page = PageImage(1200, 800, 150);
    QPainter p(&page);
    s->ParticleSize = 7;
    PrintDiffusionPage(p, page.size(), *s, 50);
    p.end();
    const QRgb grey = qRgb(200, 200, 200);
    EXPECT_EQ(At(page, 303, 303), qRgb(0, 128, 0));
    EXPECT_EQ(At(page, 301, 301), qRgb(0, 128, 0));   // its pixel (1, 1) is body, not background
    EXPECT_EQ(At(page, 300, 300), grey);              // transparent corner
    EXPECT_EQ(At(page, 69, 300), qRgb(10, 10, 200));  // the wall

    QImage large = PageImage(1200, 800, 150);
    QPainter q(&large);
    s->ParticleSize = 15;
    s->ParticleCount = 2;
    PrintDiffusionPage(q, large.size(), *s, 50);
    q.end();
    EXPECT_EQ(At(large, 407, 307), qRgb(128, 128, 0));
    EXPECT_EQ(At(large, 401, 301), grey);

    QImage dot = PageImage(1200, 800, 150);
    QPainter r(&dot);
    s->ParticleSize = 2;
    s->ParticleCount = 3;
    PrintDiffusionPage(r, dot.size(), *s, 50);
    r.end();
    EXPECT_EQ(At(dot, 500, 301), qRgb(0, 255, 255));
    EXPECT_EQ(At(dot, 501, 300), qRgb(255, 255, 255));
}

TEST(FreePathPage, PathAndItsMeanAsOnScreen) {
    auto s = DiffusionState();
    s->SimulationMode = 2;
    s->PathCount = 4;
    s->PathPoints[2] = {100, 100};
    s->PathPoints[3] = {103, 104};
    s->PathPoints[4] = {106, 108};
    RecordingDevice page(2400, 3394, 300);
    QPainter p(&page);
    PrintFreePathPage(p, QSize(2400, 3394), *s, 50);
    p.end();
    const auto& lines = page.Record().Lines;
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Segment, QLineF(144, 144, 150, 152));
    EXPECT_EQ(lines[1].Segment, QLineF(150, 152, 156, 160));
    EXPECT_EQ(lines[2].Segment, QLineF(156, 160, 345, 245));  // to (200.25 + 7.5, 150 + 7.5)
    EXPECT_EQ(lines[0].Pen.color(), QColor(Qt::black));

    const int step = LineStep(page, 10);
    ExpectTextAt(page, "DROGA SWOBODNA", 1360, 20);
    ExpectTextAt(page, "Czas  =   12345 ms", 1320, 6 * step + 60);
    // Two complete segments of 5: the page shows the same true mean as the screen.
    ExpectTextAt(page, "Śr. droga swob.  =   5 jedn.", 1320, 7 * step + 60);
    ExpectTextAt(page, "Średnica cząsteczek =  15 jedn.", 1320, 8 * step + 60);
    ExpectTextAt(page, "Liczba zderzeń cząsteczki =  3", 1320, 9 * step + 60);

    // Before the first collision: no path at all, and the mean reads 0.
    s->PathCount = 1;
    RecordingDevice fresh(2400, 3394, 300);
    QPainter q(&fresh);
    PrintFreePathPage(q, QSize(2400, 3394), *s, 50);
    q.end();
    EXPECT_TRUE(fresh.Record().Lines.empty());
    EXPECT_NE(fresh.FindText("Śr. droga swob.  =   0 jedn."), nullptr);
    EXPECT_NE(fresh.FindText("Liczba zderzeń cząsteczki =  0"), nullptr);
}

TEST(TableAndChartPage, ChartGeometryPointsAndTheListOfFilledRows) {
    RecordingDevice page(2400, 3400, 300);
    QPainter p(&page);
    PrintTableAndChart(p, QSize(2400, 3400), 17, 2, TableInput(7), Pressure());
    p.end();
    // Left 300, width 1800, top 212, height 1276, bottom 1488; table at 1912, column 900.
    const int step = LineStep(page, 8);
    ExpectTextAt(page, "100", 300, 1912 + step);
    ExpectTextAt(page, "0,3", 900, 1912 + step);
    ExpectTextAt(page, "300", 300, 1912 + 2 * step);
    ExpectTextAt(page, "1234,5678", 900, 1912 + 2 * step);
    ExpectTextAt(page, "400", 300, 1912 + 3 * step);
    ExpectTextAt(page, "7", 900, 1912 + 3 * step);
    EXPECT_EQ(page.FindText("5"), nullptr);
    EXPECT_EQ(page.FindText("200"), nullptr);
    for (const auto& t : page.Record().Texts)
        EXPECT_EQ(t.Font.pointSize(), 8);

    // Clear of the arrow heads, 25 pixels each way.
    ExpectTextAt(page, "p[jedn.]", 300 - 25 - Width(page, 8, "p[jedn.] "), 212);
    ExpectTextAt(page, "N", 2090, 1488 + 25 + 3);

    const auto& ellipses = page.Record().Ellipses;
    ASSERT_EQ(ellipses.size(), 3u);
    EXPECT_EQ(ellipses[0].Rect.width(), 32);  // radius 2400 div 150
    EXPECT_EQ(ellipses[0].Brush.color(), QColor(20, 140, 140));
    int thick = 0;
    bool arrow = false;
    for (const auto& l : page.Record().Lines) {
        if (l.Pen.width() == 2) ++thick;
        arrow = arrow || l.Segment == QLineF(2100, 1488, 2075, 1463);
    }
    EXPECT_EQ(thick, 6);
    EXPECT_TRUE(arrow);
}

TEST(TableAndChartPage, ColumnHeadingsByMode) {
    const auto headed = [](int mode, const TableHeadings& h) {
        auto page = std::make_unique<RecordingDevice>(2400, 3400, 300);
        QPainter p(page.get());
        PrintTableAndChart(p, QSize(2400, 3400), 17, 1, TableInput(mode), h);
        p.end();
        return page;
    };
    const auto pressure = headed(7, Pressure());
    ASSERT_NE(pressure->FindText("100"), nullptr);
    const int raise = QFontMetrics(pressure->FindText("100")->Font, pressure.get()).height() / 2;
    ExpectTextAt(*pressure, "Liczba cząsteczek N", 300, 1912);
    ExpectTextAt(*pressure, "Ciśnienie x 10 ", 900, 1912);
    ExpectTextAt(*pressure, "-26", 900 + Width(*pressure, 8, "Ciśnienie  x 10 "), 1912 - raise);
    ExpectTextAt(*pressure, "[jedn.]", 900 + Width(*pressure, 8, "Ciśnienie x 10  -26"), 1912);

    TableHeadings temperature = Pressure();
    temperature.Label103.Text = "Temperatura";
    temperature.Label104.Visible = false;
    temperature.Label73.Visible = false;
    const auto t = headed(5, temperature);
    ExpectTextAt(*t, "Temperatura ", 900, 1912);
    ExpectTextAt(*t, "[jedn.]", 900 + Width(*t, 8, "Temperatura  "), 1912);
    EXPECT_EQ(t->FindText("-26"), nullptr);
    EXPECT_EQ(t->FindText("x 10 "), nullptr);

    const auto path = headed(2, Pressure());
    ExpectTextAt(*path, "Liczba cząsteczek", 300, 1912);
    ExpectTextAt(*path, "Średnia droga swobodna [jednostka]", 900, 1912);
    const auto none = headed(1, Pressure());
    EXPECT_EQ(none->FindText("Liczba cząsteczek"), nullptr);
    EXPECT_EQ(none->FindText("Liczba cząsteczek N"), nullptr);
    EXPECT_NE(none->FindText("1234,5678"), nullptr);
}

// The captions stand clear of the arrow heads (25 pixels each way on paper): the y caption ends
// a blank left of its arrow head, and no ink of either lies in the square of an arrow head.
TEST(TableAndChartPage, CaptionsStayClearOfTheArrowHeads) {
    const auto render = [](int mode) {
        QImage page = PageImage(1200, 1700, 150);
        QPainter p(&page);
        PrintTableAndChart(p, page.size(), 17, 1, TableInput(mode), Pressure());
        return page;
    };
    const QImage with = render(2);
    const QImage without = render(0);
    const ChartFrame f = PaperChartFrame(1200, 1700);
    const int blank = Width(with, 8, " ");
    int rightmost = -1;
    for (int y = f.Top; y < f.Top + 40; ++y) {
        for (int x = 0; x < f.Left + 40; ++x) {
            if (with.pixel(x, y) != without.pixel(x, y)) rightmost = std::max(rightmost, x);
        }
    }
    EXPECT_LT(rightmost, f.Left - 25 - blank);
    EXPECT_GE(rightmost, f.Left - 25 - blank - 3);
    const QRect heads[] = {QRect(f.Left - 25, f.Top, 51, 26),
                           QRect(f.Left + f.Width - 25, f.Bottom() - 25, 26, 51)};
    for (const QRect& head : heads) {
        for (int y = head.top(); y <= head.bottom(); ++y) {
            for (int x = head.left(); x <= head.right(); ++x)
                ASSERT_EQ(with.pixel(x, y), without.pixel(x, y)) << x << "," << y;
        }
    }
}

TEST(SimulationScreenJob, TitlesByModeAndItsOwnCopyOfTheState) {
    auto s = DiffusionState();
    ScreenPrintInput in;
    in.Vmax = 50;
    in.Surface = QImage(1024, 768, QImage::Format_RGB32);
    // Each exercise's own title.
    const std::pair<int, QString> titled[] = {
        {1, kDiffusionJobTitle},      {2, kFreePathJobTitle},      {3, kDiffusionJobTitle},
        {4, kWallCollisionsJobTitle}, {6, kHeatTransportJobTitle}, {7, kPressureJobTitle}};
    for (const auto& [mode, title] : titled) {
        s->SimulationMode = static_cast<uint8_t>(mode);
        const auto job = SimulationScreenJob(*s, in);
        ASSERT_TRUE(job) << mode;
        EXPECT_EQ(job->Title, title);
        RecordingDevice page(2400, 3394, 300);
        QPainter p(&page);
        job->Draw(p, QSize(2400, 3394));
        p.end();
        EXPECT_EQ(page.Record().Images.size(), mode <= 2 ? 3u : 1u) << mode;
    }
    for (int mode : {0, 5}) {
        s->SimulationMode = static_cast<uint8_t>(mode);
        EXPECT_FALSE(SimulationScreenJob(*s, in)) << mode;
    }

    s->SimulationMode = 1;
    const auto job = SimulationScreenJob(*s, in);
    s->ParticleCount = 1;
    s->ClockNow = 0;
    RecordingDevice page(2400, 3394, 300);
    QPainter p(&page);
    job->Draw(p, QSize(2400, 3394));
    p.end();
    EXPECT_NE(page.FindText("Czas  =   12345 ms"), nullptr);
    EXPECT_EQ(page.Record().Images.size(), 3u);
}

// The page draws its chart with the chart painter in the paper style, and adds only the table:
// every line, point and chart text of the page is the painter's, in the same order.
TEST(TableAndChartPage, ChartIsThePaintersPaperChart) {
    for (const int mode : {2, 7}) {
        SCOPED_TRACE(mode);
        ChartInput input = TableInput(mode);
        RecordingDevice page(2400, 3400, 300);
        {
            QPainter p(&page);
            PrintTableAndChart(p, QSize(2400, 3400), 17, 2, input, Pressure());
        }
        RecordingDevice chart(2400, 3400, 300);
        {
            QPainter p(&chart);
            QFont font(QStringLiteral("Arial"));
            font.setBold(true);
            font.setPointSize(8);
            p.setFont(font);
            PaintChart(p, PaperChartStyle(2400), QRect(0, 0, 2400, 3400),
                       PaperChartFrame(2400, 3400), 17, 2, input);
        }
        const RecordingEngine& a = page.Record();
        const RecordingEngine& b = chart.Record();
        ASSERT_EQ(a.Lines.size(), b.Lines.size());
        for (size_t i = 0; i < a.Lines.size(); ++i) {
            EXPECT_EQ(a.Lines[i].Segment, b.Lines[i].Segment) << i;
            EXPECT_EQ(a.Lines[i].Pen.width(), b.Lines[i].Pen.width()) << i;
            EXPECT_EQ(a.Lines[i].Pen.color(), b.Lines[i].Pen.color()) << i;
        }
        ASSERT_EQ(a.Ellipses.size(), b.Ellipses.size());
        for (size_t i = 0; i < a.Ellipses.size(); ++i)
            EXPECT_EQ(a.Ellipses[i].Rect, b.Ellipses[i].Rect) << i;
        EXPECT_TRUE(a.Rects.empty());
        // The chart's texts come first and alike; the table's follow.
        ASSERT_GT(a.Texts.size(), b.Texts.size());
        for (size_t i = 0; i < b.Texts.size(); ++i) {
            EXPECT_EQ(a.Texts[i].String, b.Texts[i].String) << i;
            EXPECT_EQ(a.Texts[i].Baseline, b.Texts[i].Baseline) << i;
        }
    }
}

namespace {

TEST(TableAndChartJob, AStudyNamesTheJobAndHeadsThePageWithItsDate) {
    const StudyTitle title{
        QStringLiteral(" Badanie zależności ciśnienia od  liczby cząsteczek gazu"),
        QStringLiteral("09.12.2026")};
    const PageJob job = TableAndChartJob(17, 2, TableInput(7), Pressure(), title);
    EXPECT_EQ(job.Title, kTableJobTitle + title.Study.trimmed());
    RecordingDevice page(2400, 3400, 300);
    QPainter p(&page);
    job.Draw(p, QSize(2400, 3400));
    p.end();
    // Over the chart, which starts at 212.
    const auto* heading = page.FindText(title.Study.trimmed() + QStringLiteral(", 09.12.2026"));
    ASSERT_NE(heading, nullptr);
    EXPECT_LT(heading->Baseline.y(), 212);

    // Without a study, the page is as it was.
    const PageJob plain = TableAndChartJob(17, 2, TableInput(7), Pressure());
    EXPECT_EQ(plain.Title, kDiffusionJobTitle);
    RecordingDevice bare(2400, 3400, 300);
    QPainter q(&bare);
    plain.Draw(q, QSize(2400, 3400));
    q.end();
    EXPECT_EQ(bare.Record().Texts.size() + 1, page.Record().Texts.size());
}

TEST(TonerLightCopy, DarkGroundTurnsWhiteWhiteTextBlackColoursStay) {
    QImage screen(4, 1, QImage::Format_RGB32);
    screen.setPixel(0, 0, qRgb(0, 0, 0));        // the surface's ground
    screen.setPixel(1, 0, qRgb(0, 12, 33));      // a vessel's dark floor
    screen.setPixel(2, 0, qRgb(250, 250, 250));  // status text
    screen.setPixel(3, 0, qRgb(255, 0, 0));      // a red particle
    const QImage paper = TonerLightCopy(screen);
    EXPECT_EQ(paper.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(paper.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(paper.pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(paper.pixel(3, 0), qRgb(255, 0, 0));
    EXPECT_EQ(paper.size(), screen.size());
}

}  // namespace

// In English the pages carry English words and the decimal point: status lines, the table's
// numbers, the chart's captions and tick labels.
TEST(PrintedPagesInEnglish, WordsAndNumbersFollowTheLanguage) {
    ASSERT_TRUE(SetCurrentLanguage(Language::English));
    struct Back {
        ~Back() { SetCurrentLanguage(Language::Polish); }
    } back;
    const QRegularExpression polish(QStringLiteral("[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]"));

    const auto s = DiffusionState();
    RecordingDevice diffusion(2400, 3394, 300);
    QPainter p(&diffusion);
    PrintDiffusionPage(p, QSize(2400, 3394), *s, 50);
    p.end();
    EXPECT_NE(diffusion.FindText(QStringLiteral("DIFFUSION")), nullptr);
    EXPECT_NE(diffusion.FindText(QStringLiteral("Vav    =  45.7 units")), nullptr);
    EXPECT_NE(diffusion.FindText(QStringLiteral("Time  =   12345 ms")), nullptr);
    for (const auto& t : diffusion.Record().Texts)
        EXPECT_FALSE(polish.match(t.String).hasMatch()) << t.String.toStdString();

    RecordingDevice table(2400, 3400, 300);
    QPainter q(&table);
    PrintTableAndChart(
        q, QSize(2400, 3400), 17, 2, TableInput(7),
        {{"Number of"}, {"particles N"}, {"Pressure"}, {"x 10 "}, {"-26"}, {"[units]"}});
    q.end();
    EXPECT_NE(table.FindText(QStringLiteral("0.3")), nullptr);
    EXPECT_NE(table.FindText(QStringLiteral("1234.5678")), nullptr);
    EXPECT_NE(table.FindText(QStringLiteral("p[units]")), nullptr);
    EXPECT_EQ(table.FindText(QStringLiteral("1234,5678")), nullptr);
    int pointTicks = 0;
    for (const auto& t : table.Record().Texts) {
        EXPECT_FALSE(polish.match(t.String).hasMatch()) << t.String.toStdString();
        EXPECT_FALSE(t.String.contains(QRegularExpression(QStringLiteral("\\d,\\d"))))
            << t.String.toStdString();
        if (t.String.contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d\\d$")))) ++pointTicks;
    }
    EXPECT_GT(pointTicks, 0);
    EXPECT_EQ(AxisCaptionsFor(5, "Vśr [jedn.]", CurrentLanguage()).X, "Vav [units]");
}
