// The browser's text widths are the desktop's: on every text of every translation file, at
// every size the surface writes, and on the pressure line with its numbers, where the engine
// places the exponent by the width.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QXmlStreamReader>
#include <random>

#include "TextMetrics.h"
#include "display/Surface.h"
#include "engine/NumberFormat.h"
#include "ui/texts/PolishTexts.h"

namespace {

QStringList AllTexts() {
    QStringList texts;
    const QDir folder(QStringLiteral(KINETRA_TRANSLATIONS));
    for (const QString& name : folder.entryList({QStringLiteral("*.ts")})) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("source") || xml.name() == QLatin1String("translation"))
                texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return texts;
}

int DesktopWidth(const QString& text, int points) {
    return QFontMetrics(Surface::SurfaceFont(points)).horizontalAdvance(text);
}

int TableWidth(const QString& text, int points) {
    return SurfaceTextWidth(text.toUtf8().toStdString(), points);
}

}  // namespace

TEST(TextMetrics, EveryTextAtEverySurfaceSizeIsAsWideAsOnTheDesktop) {
    const QStringList texts = AllTexts();
    ASSERT_GT(texts.size(), 500);
    int checked = 0;
    for (const QString& text : texts) {
        if (text.contains(QLatin1Char('\n'))) continue;  // the surface writes single lines
        for (const int points : {10, 12, 13, 20, 8, 16, 27}) {
            ASSERT_EQ(TableWidth(text, points), DesktopWidth(text, points))
                << qPrintable(text) << " at " << points;
            ++checked;
        }
    }
    EXPECT_GT(checked, 3000);
    for (int points = 1; points <= 150; ++points)
        ASSERT_EQ(SurfaceTextAscent(points), QFontMetrics(Surface::SurfaceFont(points)).ascent());
}

// The line whose width places the raised exponent and the unit, in both languages' separators.
TEST(TextMetrics, ThePressureLineWithAnyValue) {
    const SurfaceTexts& t = PolishSurfaceTexts();
    std::mt19937_64 random(3);
    for (int n = 0; n < 4000; ++n) {
        const double value = std::ldexp(static_cast<double>(random() >> 11) * 0x1p-53,
                                        static_cast<int>(random() % 80) - 40);
        for (const char separator : {',', '.'}) {
            const std::string line = t.Pressure +
                                     FormatGeneral(value, GeneralFormat::G5, separator) +
                                     t.PressureTimesTen;
            for (const std::string& text : {line, line + t.PressureExponent + " "}) {
                ASSERT_EQ(SurfaceTextWidth(text, 12),
                          DesktopWidth(QString::fromStdString(text), 12))
                    << text;
            }
        }
    }
}
