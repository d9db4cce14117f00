// Files made from the measurements: the chart as a picture and a PDF page drawn as on paper, and
// files that are written whole or not at all.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>

#include "ReadOnlyFolder.h"
#include "RecordingDevice.h"
#include "measure/Export.h"

namespace {

TableRowArray EmptyRows() {
    TableRowArray rows;
    rows.Fill({-1.0, -1.0});
    return rows;
}

ChartInput PressureInput() {
    ChartInput in;
    in.Rows = EmptyRows();
    in.Rows[1] = {100, 2.5};
    in.Rows[2] = {200, 5.25};
    in.Rows[3] = {-1, 7};  // half filled: no point
    in.Rows[5] = {300, 7.5};
    in.Rows[9] = {450, 11.0};
    in.SimulationMode = 7;
    in.ChartXCaption = "N";
    in.ScaleFromZero = false;
    return in;
}

TableHeadings PressureHeadings() {
    return {{"Liczba"}, {"cząsteczek N"}, {"Ciśnienie"}, {"x 10 "}, {"-26"}, {"[jedn.]"}};
}

bool IsTeal(QRgb c, int tolerance = 0) {
    return std::abs(qRed(c) - 20) <= tolerance && std::abs(qGreen(c) - 140) <= tolerance &&
           std::abs(qBlue(c) - 140) <= tolerance;
}

bool IsDark(QRgb c) {
    return qGray(c) < 100;
}

// Where the points of the rows stand on a chart drawn as on the A4 page.
std::vector<QPoint> PointCentres(const ChartInput& in) {
    const ChartRange range = ComputeChartRange(in.Rows, kTableRowCount, in.ScaleFromZero);
    const ChartMapping map(PaperChartFrame(kChartPageSize.width(), kChartPageSize.height()), range);
    std::vector<QPoint> centres;
    for (int i = 1; i <= kTableRowCount; ++i) {
        if (IsFilled(in.Rows[i])) centres.emplace_back(map.Px(in.Rows[i].X), map.Py(in.Rows[i].Y));
    }
    return centres;
}

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace

TEST(WriteBytes, ReportsADeviceThatTakesNothing) {
    QByteArray data;
    QBuffer readOnly(&data);
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_FALSE(WriteBytes("1,2\r\n", readOnly));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteBytes(std::string("a\0b", 3), buffer));
    EXPECT_EQ(buffer.data(), QByteArray("a\0b", 3));
}

TEST(ChartPicture, IsTheChartOfThePrintedPagePixelForPixel) {
    const ChartInput in = PressureInput();
    const QImage picture = RenderChartImage(kTableRowCount, kHyperbola, in);
    ASSERT_EQ(picture.size(), QSize(2480, 1748));
    EXPECT_EQ(picture.dotsPerMeterX(), qRound(300 / 0.0254));

    QImage page = PageImage(2480, 3508, 300);
    {
        QPainter p(&page);
        PrintTableAndChart(p, page.size(), kTableRowCount, kHyperbola, in, PressureHeadings());
    }
    EXPECT_TRUE(picture.convertToFormat(QImage::Format_RGB32) == page.copy(0, 0, 2480, 1748));

    for (const QPoint& c : PointCentres(in))
        EXPECT_TRUE(IsTeal(picture.pixel(c))) << c.x() << "," << c.y();
    // The axes and the labels under the x axis are inside the picture.
    const ChartFrame f = PaperChartFrame(2480, 3508);
    EXPECT_TRUE(IsDark(picture.pixel(f.Left, (f.Top + f.Bottom()) / 2)));
    EXPECT_TRUE(IsDark(picture.pixel((f.Left + f.Left + f.Width) / 2, f.Bottom())));
    int lowest = 0;
    for (int y = f.Bottom() + 3; y < picture.height(); ++y) {
        for (int x = f.Left; x < f.Left + f.Width / 4; ++x) {
            if (IsDark(picture.pixel(x, y))) lowest = y;
        }
    }
    EXPECT_GT(lowest, f.Bottom() + 10);  // the first x label
    EXPECT_LT(lowest, picture.height() - 100);
}

TEST(ChartPdf, OneA5PageWithTheChartWhereThePictureHasIt) {
    const ChartInput in = PressureInput();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WriteChartPdf(kTableRowCount, kHyperbola, in, buffer));
    ASSERT_TRUE(buffer.data().startsWith("%PDF-"));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is needed to look at the page";
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    ASSERT_TRUE(Write(pdf, buffer.data()));
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    ASSERT_TRUE(render.waitForFinished(60000));
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    // A5 landscape at 300 dots per inch.
    EXPECT_NEAR(page.width(), 2480, 2);
    EXPECT_NEAR(page.height(), 1748, 2);

    for (const QPoint& c : PointCentres(in))
        EXPECT_TRUE(IsTeal(page.pixel(c), 8)) << c.x() << "," << c.y();
    const ChartFrame f = PaperChartFrame(2480, 3508);
    EXPECT_TRUE(IsDark(page.pixel(f.Left, (f.Top + f.Bottom()) / 2)));
    EXPECT_TRUE(IsDark(page.pixel((f.Left + f.Left + f.Width) / 2, f.Bottom())));

    // Seen from afar, the page and the picture are the same chart.
    const QSize small(248, 175);
    const QImage a = page.convertToFormat(QImage::Format_RGB32)
                         .scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage b = RenderChartImage(kTableRowCount, kHyperbola, in)
                         .scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double difference = 0;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x)
            difference += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    }
    EXPECT_LT(difference / (small.width() * small.height()), 2.0);
}

TEST(SaveFile, ReplacesAFileOnlyWhenEverythingWasWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pomiary.csv"));
    ASSERT_TRUE(Write(path, "old"));

    const SaveResult failed = SaveFile(path, [](QIODevice& out) {
        out.write("part");
        return false;
    });
    EXPECT_FALSE(failed.Ok);
    EXPECT_TRUE(failed.Reason.isEmpty());  // the contents failed, not the system
    EXPECT_EQ(Read(path), QByteArray("old"));
    EXPECT_EQ(FilesIn(dir.path()), QStringList({QStringLiteral("pomiary.csv")}));

    const SaveResult saved = SaveFile(path, [](QIODevice& out) { return out.write("new") == 3; });
    EXPECT_TRUE(saved.Ok);
    EXPECT_TRUE(saved.Reason.isEmpty());
    EXPECT_EQ(Read(path), QByteArray("new"));
    EXPECT_EQ(FilesIn(dir.path()), QStringList({QStringLiteral("pomiary.csv")}));
}

TEST(SaveFile, AReadOnlyFolderFailsWithItsReason) {
    QTemporaryDir dir;
    const QString folder = ReadOnlyFolder(dir);
    ASSERT_FALSE(CanCreateIn(folder));
    const QString path = QDir(folder).filePath(QStringLiteral("wykres.png"));
    bool asked = false;
    const SaveResult result = SaveFile(path, [&asked](QIODevice&) { return asked = true; });
    EXPECT_FALSE(result.Ok);
    EXPECT_FALSE(asked);  // nothing to write into
    EXPECT_FALSE(result.Reason.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SaveFile, NoRoomLeftFailsAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("symulacja.png"));
    ASSERT_TRUE(Write(path, "old"));
    // Files of this process may grow to 64 KiB only; writing past that fails as a full disk
    // does, for root as well.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 64 * 1024;
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QByteArray big(1024 * 1024, 'x');
    const SaveResult result =
        SaveFile(path, [&big](QIODevice& out) { return out.write(big) == big.size(); });
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldSignal);

    EXPECT_FALSE(result.Ok);
    EXPECT_FALSE(result.Reason.isEmpty());
    EXPECT_EQ(Read(path), QByteArray("old"));
    EXPECT_EQ(FilesIn(dir.path()), QStringList({QStringLiteral("symulacja.png")}));
}
