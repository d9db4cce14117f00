#include "measure/Export.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

bool WriteBytes(const std::string& bytes, QIODevice& out) {
    return out.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
           static_cast<qint64>(bytes.size());
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
