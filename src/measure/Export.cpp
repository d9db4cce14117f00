#include "measure/Export.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

QString OneLineHeading(const QStringList& parts) {
    QStringList words;
    for (const QString& part : parts) {
        const QString trimmed = part.simplified();
        if (!trimmed.isEmpty()) words << trimmed;
    }
    return words.join(QLatin1Char(' '));
}

QString StudyYHeading(const TableHeadings& h) {
    QStringList parts{h.Label103.Shown()};
    const QString multiplier = h.Label104.Shown().simplified();
    const QString exponent = h.Label73.Shown().simplified();
    // The raised exponent cannot be raised in plain text; a caret says it is one.
    if (!multiplier.isEmpty() || !exponent.isEmpty()) {
        parts << (exponent.isEmpty() ? multiplier : multiplier + QLatin1Char('^') + exponent);
    }
    parts << h.Label74.Shown();
    return OneLineHeading(parts);
}

QString CsvNumber(double value) {
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString CsvField(const QString& text) {
    static const QString kSpecial = QStringLiteral(",\"\r\n");
    bool quote = false;
    for (const QChar c : text)
        quote = quote || kSpecial.contains(c);
    if (!quote) return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

bool WriteTableCsv(const TableFile& table, QIODevice& out) {
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = CsvField(table.XHeading) + QLatin1Char(',') + CsvField(table.YHeading) + lineEnd;
    const int count = ClampRowCount(table.RowCount);
    for (int i = 1; i <= count; ++i) {
        const TableRow& row = table.Rows[i];
        if (!IsFilled(row)) continue;
        text += CsvNumber(row.X) + QLatin1Char(',') + CsvNumber(row.Y) + lineEnd;
    }
    const QByteArray bytes = text.toUtf8();
    return out.write(bytes) == bytes.size();
}

QImage RenderChartImage(int rowCount, int kind, const ChartInput& input) {
    QImage image(kChartPictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    // Point sizes follow the picture's resolution, as they follow the printer's.
    const int dotsPerMetre = qRound(kChartDotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    PaintPrintedChart(painter, kChartPageSize, rowCount, kind, input);
    return image;
}

bool WritePng(const QImage& picture, QIODevice& out) {
    return picture.save(&out, "PNG");
}

bool WriteChartPdf(int rowCount, int kind, const ChartInput& input, QIODevice& out) {
    QPdfWriter writer(&out);
    writer.setCreator(QStringLiteral("KINETRA"));
    writer.setResolution(kChartDotsPerInch);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    PaintPrintedChart(painter, kChartPageSize, rowCount, kind, input);
    return painter.end();
}

SaveResult SaveFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString()};
    // Made whole in memory first, then written until the system takes it all or says why not:
    // a full disk first takes part of a write without a word, and refuses the rest.
    QBuffer made;
    made.open(QIODevice::WriteOnly);
    if (!write(made)) {
        file.cancelWriting();
        return {false, {}};
    }
    const QByteArray& bytes = made.data();
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 taken = file.write(bytes.constData() + done, bytes.size() - done);
        if (taken <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return {false, reason};
        }
        done += taken;
    }
    if (!file.commit()) return {false, file.errorString()};
    return {true, {}};
}
