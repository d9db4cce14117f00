// The desktop's two charts of the same rows, for the page's test to set its own beside:
// kinetra_chartpictures <folder> <language> <mode> <kind> <x caption> <x1> <y1> ... writes
// screen.png (the study table's paint box, 318 x 225, as on screen) and paper.png (the chart
// as "Zapisz wykres" saves it). -1 is an empty cell.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "measure/DependencyChart.h"
#include "measure/Export.h"
#include "measure/Language.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 6) {
        std::fprintf(stderr,
                     "usage: kinetra_chartpictures <folder> <language> <mode> <kind> "
                     "<x caption> <x1> <y1> ...\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    SetCurrentLanguage(LanguageNamed(argv[2]).value_or(Language::Polish));
    ChartInput input;
    input.SimulationMode = std::atoi(argv[3]);
    const int kind = std::atoi(argv[4]);
    input.ChartXCaption = argv[5];
    for (int i = 1; i <= kTableRowCount; ++i)
        input.Rows[i] = {-1.0, -1.0};
    for (int k = 6; k < argc && (k - 6) / 2 < kTableRowCount; ++k) {
        TableRow& row = input.Rows[(k - 6) / 2 + 1];
        ((k - 6) % 2 == 0 ? row.X : row.Y) = std::strtod(argv[k], nullptr);
    }

    QImage screen(318, 225, QImage::Format_RGB32);
    {
        QPainter p(&screen);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(11);  // the paint box's font
        p.setFont(font);
        DrawDependencyChart(p, screen.size(), kTableRowCount, kind, input);
    }
    const bool saved = screen.save(folder.filePath(QStringLiteral("screen.png"))) &&
                       RenderChartImage(kTableRowCount, kind, input)
                           .save(folder.filePath(QStringLiteral("paper.png")));
    return saved ? 0 : 1;
}
