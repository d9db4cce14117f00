#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

#include "core/ChartMath.h"
#include "core/TableCsv.h"
#include "engine/SimulationState.h"

// The printed pages. Each routine draws one page on a painter of any paged device (a printer,
// a PDF file, an image) in device pixels; page is the printable area in those pixels. Text is
// bold Arial at point sizes, so the device's resolution gives it its size on paper.

// Job titles.
inline const QString kDiffusionJobTitle = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra", "Wydruk ekranu symulacji Dyfuzja - ilustracja procesu"));
inline const QString kHeatTransportJobTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wydruk ekranu symulacji Transport ciepła"));
inline const QString kPressureJobTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wydruk ekranu symulacji Pojęcie ciśnienia"));
inline const QString kFreePathJobTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wydruk ekranu symulacji Droga swobodna"));
inline const QString kWallCollisionsJobTitle = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra", "Wydruk ekranu symulacji Zderzenia ze ściankami naczynia"));
// A table's page: this, then the study's title.
inline const QString kTableJobTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wydruk tabeli pomiarów - "));

// One page to print: its job title and how to draw it on a page of the given size.
struct PageJob {
    QString Title;
    std::function<void(QPainter&, QSize)> Draw;
};

// The surface picture, half a page wide, centred, a tenth of the page down, in the surface's
// proportions. surfaceSize is the part of the picture to copy (the drawing surface's size).
void PrintScreenCopy(QPainter& painter, QSize page, const QImage& surface, QSize surfaceSize);

// The screen picture for paper that spares the toner: its dark ground white, its near-white
// text black, every other colour as it is.
QImage TonerLightCopy(const QImage& screen);

// The vessel of modes 1 and 2 redrawn half a page wide. Its top-left corner keeps its surface
// coordinates, taken as device pixels, and the vessel is enlarged from there.
struct PrintedVessel {
    int Left = 0;
    int Top = 0;
    double Scale = 0.0;  // page width / (2 x vessel width)
    int Width = 0;
    int Height = 0;
    QPoint Map(double x, double y) const;  // a surface point inside the vessel to the page
};
PrintedVessel PrintedVesselFor(const SimulationState& s, int pageWidth);

// Mode 1: wall, eight grey slices, the particles from their print pictures and the status
// lines with the elapsed time in milliseconds. vmax is the maximum speed of the panel.
void PrintDiffusionPage(QPainter& painter, QSize page, const SimulationState& s, int vmax);

// Mode 2: as mode 1 with one grey interior, the tracked particle's path, its mean free path,
// the particle size and its number of collisions.
void PrintFreePathPage(QPainter& painter, QSize page, const SimulationState& s, int vmax);

// The chart of that page alone, in the upper half of a page of the given size, as it prints:
// bold Arial of 8 points, no background.
void PaintPrintedChart(QPainter& painter, QSize page, int rowCount, int curveKind,
                       const ChartInput& input);

// The chart in the upper half of the page (as on screen, with longer arrows, larger points and
// no background) and below it the list of the filled rows with column headings by mode. A
// heading, when given, stands above the chart (the study and the date).
void PrintTableAndChart(QPainter& painter, QSize page, int rowCount, int curveKind,
                        const ChartInput& input, const TableHeadings& headings,
                        const QString& heading = {});

// What "Drukuj" needs besides the state: the maximum speed of the panel and the surface
// picture with its size (modes 3, 4, 6 and 7 print a copy of it).
struct ScreenPrintInput {
    int Vmax = 0;
    QImage Surface;
    QSize SurfaceSize{1024, 768};
};

// The page "Drukuj" prints in the current mode, or none (mode 5, no mode). The job keeps its
// own copy of the state, so it draws the same page however often it is run.
std::optional<PageJob> SimulationScreenJob(const SimulationState& s, const ScreenPrintInput& in);

// The page of "Drukuj tabelę i wykres", from the rows the table holds now. With a study, the
// job is named after it and the page carries it with the date over the chart.
struct StudyTitle {
    QString Study;
    QString Date;
};
PageJob TableAndChartJob(int rowCount, int curveKind, const ChartInput& input,
                         const TableHeadings& headings, const StudyTitle& title = {});
