#include "measure/PrintPages.h"
#include "measure/Language.h"

#include <QFont>
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "display/Sprites.h"
#include "engine/Modes.h"
#include "engine/NumberFormat.h"
#include "measure/CoreText.h"
#include "measure/DependencyChart.h"
#include "measure/PaintHelpers.h"

namespace {

const QColor kWallBlue(10, 10, 200);
const QColor kSliceGrey(200, 200, 200);

QFont PrinterFont(int pointSize) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(pointSize);
    return font;
}

// Black text on a clear background, with the whole font set at every call.
void PrinterTextOut(QPainter& p, int x, int y, int size, const QString& text) {
    p.setFont(PrinterFont(size));
    p.setPen(Qt::black);
    p.setBackgroundMode(Qt::TransparentMode);
    DrawTextTopLeft(p, x, y, text);
}

QString Str(const std::string& s) {
    return QString::fromStdString(s);
}

QString Int(long long v) {
    return QString::number(v);
}

// Sharp pixels on paper: no smoothing of enlarged sprites, and pictures kept lossless in PDFs.
void PreparePage(QPainter& p) {
    p.setRenderHint(QPainter::LosslessImageRendering, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

int PrintLineStep(QPainter& p) {
    p.setFont(PrinterFont(10));
    return static_cast<int>(1.2 * p.fontMetrics().height());
}

// A particle's print picture with its background made transparent. The picture's own key
// colour is the background: it is the colour at pixel (1, 1) for the larger discs, and for the
// dots, crosses and small discs, whose pixel (1, 1) is part of the particle, it keeps the
// particle from vanishing.
QImage WorkBitmap(int kind, int size) {
    QImage work = PrintParticlePicture(kind).copy(0, 0, size, size);
    work = work.convertToFormat(QImage::Format_ARGB32);
    const auto& sprites = SpriteList(SpriteSet::DXImageList1);
    const std::optional<QRgb> key = sprites[static_cast<std::size_t>(kind)].key;
    if (!key) return work;
    for (int y = 0; y < work.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(work.scanLine(y));
        for (int x = 0; x < work.width(); ++x) {
            if ((line[x] | 0xFF000000u) == (*key | 0xFF000000u)) line[x] = 0;
        }
    }
    return work;
}

// Steps shared by the pages of modes 1 and 2: wall, interior and particles.
void DrawPrintedVessel(QPainter& p, const SimulationState& s, const PrintedVessel& v) {
    p.fillRect(v.Left - 5, v.Top - 5, v.Width + 10, v.Height + 10, kWallBlue);
    for (int e = 0; e <= 7; ++e) {
        const int left = static_cast<int>(v.Left + v.Width * e / 8.0);
        const int right = static_cast<int>(v.Left + v.Width / 8.0 + v.Width * e / 8.0);
        p.fillRect(left, v.Top, right - left, v.Height, kSliceGrey);
    }

    const int size = s.ParticleSize;
    if (size <= 0) return;
    std::array<QImage, 18> pictures;  // made on first use, freed with the page
    const int count = std::min<int>(s.ParticleCount, kParticleCapacity);
    for (int i = 1; i <= count; ++i) {
        const int kind = s.Kind[i];
        if (kind > 17) continue;
        QImage& picture = pictures[static_cast<std::size_t>(kind)];
        if (picture.isNull()) picture = WorkBitmap(kind, size);
        const QPoint a = v.Map(s.PosX[i], s.PosY[i]);
        const QPoint b = v.Map(s.PosX[i] + size, s.PosY[i] + size);
        p.drawImage(QRect(a.x(), a.y(), b.x() - a.x(), b.y() - a.y()), picture);
    }
}

// The six lines that modes 1 and 2 share, below the page's heading.
void WriteGasLines(QPainter& p, const SimulationState& s, const PrintedVessel& v, int step,
                   int vmax, const QString& heading) {
    PrinterTextOut(p, v.Left + v.Width + 90, 20, 12, heading);
    const int x0 = v.Left + v.Width + 50;
    const auto line = [&](int k, const QString& text) {
        PrinterTextOut(p, x0, step * k + 60, 10, text);
    };
    line(1, Tr(QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek N1 = ")) +
                Int(s.ParticleCount - s.SecondCount));
    line(2, Tr(QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek N2 =  ")) + Int(s.SecondCount));
    line(3, Tr(QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek N   =  ")) + Int(s.ParticleCount));
    line(4, Tr(QT_TRANSLATE_NOOP("kinetra", "Vmax   =  ")) + Int(vmax) +
                Tr(QT_TRANSLATE_NOOP("kinetra", " jednostek")));
    line(5, Tr(QT_TRANSLATE_NOOP("kinetra", "Vśr    =  ")) +
                Str(FormatGeneral(s.MeanSpeed, GeneralFormat::G3, DecimalSeparator())) +
                Tr(QT_TRANSLATE_NOOP("kinetra", " jednostek")));
    line(6, Tr(QT_TRANSLATE_NOOP("kinetra", "Czas  =   ")) +
                Int(s.ClockNow - s.ClockStart - s.PausedTotal) +
                Tr(QT_TRANSLATE_NOOP("kinetra", " ms")));
}

}  // namespace

QPoint PrintedVessel::Map(double x, double y) const {
    return {Left + static_cast<int>((x - Left) * Scale), Top + static_cast<int>((y - Top) * Scale)};
}

PrintedVessel PrintedVesselFor(const SimulationState& s, int pageWidth) {
    PrintedVessel v;
    v.Left = s.VesselLeft;
    v.Top = s.VesselTop;
    v.Scale = s.VesselWidth > 0 ? static_cast<double>(pageWidth) / (2.0 * s.VesselWidth) : 0.0;
    v.Width = static_cast<int>(s.VesselWidth * v.Scale);
    v.Height = static_cast<int>(s.VesselHeight * v.Scale);
    return v;
}

void PrintScreenCopy(QPainter& p, QSize page, const QImage& surface, QSize surfaceSize) {
    if (surfaceSize.width() <= 0 || surfaceSize.height() <= 0) return;
    p.save();
    PreparePage(p);
    const int pw = page.width();
    const int ph = page.height();
    const auto product = static_cast<long long>(pw) * surfaceSize.height();
    const int h = static_cast<int>(static_cast<double>(product) / (surfaceSize.width() * 2.0));
    const int left = pw / 2 - (pw / 2) / 2;
    const int top = ph / 10;
    p.drawImage(QRect(left, top, pw / 2, h), surface, QRect(QPoint(0, 0), surfaceSize));
    p.restore();
}

void PrintDiffusionPage(QPainter& p, QSize page, const SimulationState& s, int vmax) {
    p.save();
    PreparePage(p);
    const PrintedVessel v = PrintedVesselFor(s, page.width());
    const int step = PrintLineStep(p);
    DrawPrintedVessel(p, s, v);
    WriteGasLines(p, s, v, step, vmax, Tr(QT_TRANSLATE_NOOP("kinetra", "DYFUZJA")));
    p.restore();
}

void PrintFreePathPage(QPainter& p, QSize page, const SimulationState& s, int vmax) {
    p.save();
    PreparePage(p);
    const PrintedVessel v = PrintedVesselFor(s, page.width());
    const int step = PrintLineStep(p);
    DrawPrintedVessel(p, s, v);

    // The path as on screen: from the first collision to the particle's place now. Before the
    // first collision there is no path, and no stray line from wherever the pen stood.
    const int count = std::min(s.PathCount, kPathCapacity);
    const int h = s.ParticleSize / 2;
    if (count > 1) {
        p.setPen(LinePen(Qt::black));
        QPoint at = v.Map(s.PathPoints[2].x + h, s.PathPoints[2].y + h);
        for (int k = 3; k <= count; ++k) {
            const PathPoint& b = s.PathPoints[k];
            const QPoint next = v.Map(b.x + h, b.y + h);
            p.drawLine(at, next);
            at = next;
        }
        const double half = s.ParticleSize / 2.0;
        p.drawLine(at, v.Map(s.PosX[1] + half, s.PosY[1] + half));
    }

    WriteGasLines(p, s, v, step, vmax, Tr(QT_TRANSLATE_NOOP("kinetra", "DROGA SWOBODNA")));
    const int x0 = v.Left + v.Width + 50;
    const double mean = MeanFreePath(s);
    PrinterTextOut(p, x0, step * 7 + 60, 10,
                   Tr(QT_TRANSLATE_NOOP("kinetra", "Śr. droga swob.  =   ")) +
                       Str(FormatGeneral(mean, GeneralFormat::G3, DecimalSeparator())) +
                       Tr(QT_TRANSLATE_NOOP("kinetra", " jedn.")));
    PrinterTextOut(p, x0, step * 8 + 60, 10,
                   Tr(QT_TRANSLATE_NOOP("kinetra", "Średnica cząsteczek =  ")) +
                       Int(s.ParticleSize) + Tr(QT_TRANSLATE_NOOP("kinetra", " jedn.")));
    PrinterTextOut(
        p, x0, step * 9 + 60, 10,
        Tr(QT_TRANSLATE_NOOP("kinetra", "Liczba zderzeń cząsteczki =  ")) + Int(s.PathCount - 1));
    p.restore();
}

void PaintPrintedChart(QPainter& p, QSize page, int rowCount, int curveKind,
                       const ChartInput& input) {
    p.save();
    PreparePage(p);
    p.setFont(PrinterFont(8));
    p.setPen(Qt::black);
    p.setBackgroundMode(Qt::TransparentMode);
    PaintChart(p, PaperChartStyle(page.width()), QRect(QPoint(0, 0), page),
               PaperChartFrame(page.width(), page.height()), rowCount, curveKind, input);
    p.restore();
}

void PrintTableAndChart(QPainter& p, QSize page, int rowCount, int curveKind,
                        const ChartInput& input, const TableHeadings& headings,
                        const QString& heading) {
    p.save();
    PreparePage(p);
    const int pw = page.width();
    const int ph = page.height();
    p.setFont(PrinterFont(8));
    p.setPen(Qt::black);
    p.setBackgroundMode(Qt::TransparentMode);
    const int lineStep = static_cast<int>(1.2 * p.fontMetrics().height());

    const ChartFrame f = PaperChartFrame(pw, ph);
    const int tableTop = f.Top + ph / 2;
    const int column2 = f.Left + pw / 4;
    PaintPrintedChart(p, page, rowCount, curveKind, input);
    if (!heading.isEmpty()) DrawTextTopLeft(p, f.Left, f.Top / 4, heading);

    if (input.SimulationMode == 2) {
        DrawTextTopLeft(p, f.Left, tableTop, Tr(QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek")));
        DrawTextTopLeft(p, column2, tableTop,
                        Tr(QT_TRANSLATE_NOOP("kinetra", "Średnia droga swobodna [jednostka]")));
    } else if (input.SimulationMode == 5 || input.SimulationMode == 7) {
        const QString quantity = FromCore(headings.Label103.Shown());
        const QString multiplier = FromCore(headings.Label104.Shown());
        const QString exponent = FromCore(headings.Label73.Shown());
        DrawTextTopLeft(p, f.Left, tableTop,
                        FromCore(headings.Label102.Shown() + ' ' + headings.Label105.Shown()));
        DrawTextTopLeft(p, column2, tableTop, quantity + QLatin1Char(' ') + multiplier);
        const int raise = p.fontMetrics().height() / 2;
        DrawTextTopLeft(p, column2 + TextWidth(p, quantity + QStringLiteral("  ") + multiplier),
                        tableTop - raise, exponent);
        DrawTextTopLeft(p,
                        column2 + TextWidth(p, quantity + QLatin1Char(' ') + multiplier +
                                                   QLatin1Char(' ') + exponent),
                        tableTop, FromCore(headings.Label74.Shown()));
    }

    const int count = ClampRowCount(rowCount);
    int q = 1;
    for (int i = 1; i <= count; ++i) {
        const TableRow& row = input.Rows[i];
        if (!IsFilled(row)) continue;
        const int y = tableTop + q * lineStep;
        DrawTextTopLeft(p, f.Left, y,
                        Str(FormatGeneral(row.X, GeneralFormat::G15, DecimalSeparator())));
        DrawTextTopLeft(p, column2, y,
                        Str(FormatGeneral(row.Y, GeneralFormat::G15, DecimalSeparator())));
        ++q;
    }
    p.restore();
}

std::optional<PageJob> SimulationScreenJob(const SimulationState& s, const ScreenPrintInput& in) {
    const auto copyPage = [&in](const QString& title) {
        return PageJob{title,
                       [surface = in.Surface, size = in.SurfaceSize](QPainter& p, QSize page) {
                           PrintScreenCopy(p, page, surface, size);
                       }};
    };
    switch (s.SimulationMode) {
        case 1:
        case 2: {
            const auto state = std::make_shared<const SimulationState>(s);
            const bool diffusion = s.SimulationMode == 1;
            return PageJob{Tr(diffusion ? kDiffusionJobTitle : kFreePathJobTitle),
                           [state, diffusion, vmax = in.Vmax](QPainter& p, QSize page) {
                               if (diffusion) {
                                   PrintDiffusionPage(p, page, *state, vmax);
                               } else {
                                   PrintFreePathPage(p, page, *state, vmax);
                               }
                           }};
        }
        case 3:
            return copyPage(Tr(kDiffusionJobTitle));
        case 4:
            return copyPage(Tr(kWallCollisionsJobTitle));
        case 6:
            return copyPage(Tr(kHeatTransportJobTitle));
        case 7:
            return copyPage(Tr(kPressureJobTitle));
        default:
            return std::nullopt;
    }
}

PageJob TableAndChartJob(int rowCount, int curveKind, const ChartInput& input,
                         const TableHeadings& headings, const StudyTitle& title) {
    const QString study = title.Study.trimmed();
    QString heading = study;
    if (!title.Date.isEmpty())
        heading += (heading.isEmpty() ? QString() : QStringLiteral(", ")) + title.Date;
    return PageJob{study.isEmpty() ? Tr(kDiffusionJobTitle) : Tr(kTableJobTitle) + study,
                   [rowCount, curveKind, input, headings, heading](QPainter& p, QSize page) {
                       PrintTableAndChart(p, page, rowCount, curveKind, input, headings, heading);
                   }};
}

QImage TonerLightCopy(const QImage& screen) {
    // Thresholds: the surfaces' grounds are black or deep blue, status texts RGB(250, 250, 250).
    constexpr int kDark = 60;
    constexpr int kLight = 200;
    QImage copy = screen.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < copy.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x) {
            const QRgb c = line[x];
            const int high = std::max({qRed(c), qGreen(c), qBlue(c)});
            const int low = std::min({qRed(c), qGreen(c), qBlue(c)});
            if (high < kDark) {
                line[x] = qRgb(255, 255, 255);
            } else if (low > kLight) {
                line[x] = qRgb(0, 0, 0);
            }
        }
    }
    return copy;
}
