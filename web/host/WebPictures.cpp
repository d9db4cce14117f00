// Writes the desktop's pictures around the simulations for the browser edition, drawn by the
// desktop's own code (src/ui/Pictures.cpp): the banner, the menu's and the tools' glyphs, the
// topics' icons and the exercise pages' pictures, as one picture with the place of each.
//
//   kinetra_webpictures <output folder>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "ui/Pictures.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kinetra_webpictures <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    std::vector<std::pair<QString, QImage>> pictures;
    const auto add = [&](const QString& name, const QPixmap& pixmap) {
        pictures.emplace_back(name, pixmap.toImage().convertToFormat(QImage::Format_ARGB32));
    };
    add(QStringLiteral("banner"), TitleBanner());
    for (const char* name : {"BitBtn11", "BitBtn8", "BitBtn9", "BitBtn12", "BitBtn16", "BitBtn17",
                             "BitBtn26", "BitBtn10", "BitBtn4", "BitBtn2"})
        add(QStringLiteral("menu-") + name, MenuGlyph(QLatin1String(name)));
    for (const char* name : {"Panel3", "Panel4", "Panel6", "Panel7", "Panel9", "Panel10"})
        add(QStringLiteral("topic-") + name, TopicIcon(QLatin1String(name)));
    for (const char* name :
         {"BitBtn7", "BitBtn6", "BitBtn18", "BitBtn19", "BitBtn1", "SavePicture"})
        add(QStringLiteral("tool-") + name, ToolGlyph(QLatin1String(name)));
    add(QStringLiteral("resume"), ResumeGlyph());
    add(QStringLiteral("run"), RunGlyph());
    add(QStringLiteral("unmixed"), UnmixedVesselPicture());
    add(QStringLiteral("mixed"), MixedVesselPicture());
    add(QStringLiteral("free-path"), FreePathPicture());

    // One column, each picture at its own device-independent size.
    int width = 0;
    int height = 0;
    for (auto& [name, image] : pictures) {
        image.setDevicePixelRatio(1.0);
        width = std::max(width, image.width());
        height += image.height() + 1;
    }
    QImage atlas(width, height, QImage::Format_ARGB32);
    atlas.fill(Qt::transparent);
    QPainter painter(&atlas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    QString places = QStringLiteral("{");
    int y = 0;
    for (const auto& [name, image] : pictures) {
        painter.drawImage(0, y, image);
        places += QStringLiteral("%1\"%2\":[0,%3,%4,%5]")
                      .arg(places.size() > 1 ? "," : "")
                      .arg(name)
                      .arg(y)
                      .arg(image.width())
                      .arg(image.height());
        y += image.height() + 1;
    }
    painter.end();
    places += QStringLiteral("}\n");
    if (!atlas.save(folder + QStringLiteral("/pictures.png"))) return 1;
    QFile file(folder + QStringLiteral("/pictures.json"));
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(places.toUtf8());
    return 0;
}
