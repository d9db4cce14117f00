#pragma once

#include <QIODevice>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <string>

#include "core/ChartMath.h"
#include "measure/PrintPages.h"

// The measurements as files for a report or a spreadsheet: the chart as a picture or a PDF
// page, the bytes of a table's CSV (core/TableCsv.h), each written to any device, and a safe way
// of putting one into a file.

// Bytes as they are. False when the device did not take every one.
bool WriteBytes(const std::string& bytes, QIODevice& out);

// The chart of the printed table page (A4 at 300 dots per inch) in the page's upper part:
// an A5 landscape page, 2480 x 1748 pixels, the same pixels as on paper.
inline constexpr QSize kChartPageSize{2480, 3508};
inline constexpr QSize kChartPictureSize{2480, 1748};
inline constexpr int kChartDotsPerInch = 300;

// The chart as a picture on white, with its resolution recorded for printing.
QImage RenderChartImage(int rowCount, int kind, const ChartInput& input);

// A picture as PNG. False when the device did not take it.
bool WritePng(const QImage& picture, QIODevice& out);

// The chart as a one-page PDF document, A5 landscape, drawn as vectors.
bool WriteChartPdf(int rowCount, int kind, const ChartInput& input, QIODevice& out);

// Writes a file through a temporary file that takes the name only when everything was written,
// so that a failed save leaves a file of that name as it was. `write` makes the contents; the
// file is opened first, so that nothing is made for a file that cannot be written. The reason
// of a failure is the system's (no permission, no room left, ...); it is empty when `write`
// itself failed.
struct SaveResult {
    bool Ok = false;
    QString Reason;
};
SaveResult SaveFile(const QString& path, const std::function<bool(QIODevice&)>& write);
