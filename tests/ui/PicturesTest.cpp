// The pictures drawn by code: their sizes, and that each shows what it is meant to show.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QSet>

#include "ui/Pictures.h"

namespace {

QImage Pixels(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

QSize LogicalSize(const QPixmap& pixmap) {
    return pixmap.deviceIndependentSize().toSize();
}

bool Yellow(QRgb c) {
    return qAlpha(c) > 200 && qRed(c) > 190 && qGreen(c) > 150 && qBlue(c) < 110;
}
bool Red(QRgb c) {
    return qAlpha(c) > 200 && qRed(c) > 140 && qGreen(c) < 70 && qBlue(c) < 70;
}
bool Black(QRgb c) {
    return qAlpha(c) > 200 && qRed(c) < 50 && qGreen(c) < 50 && qBlue(c) < 50;
}

// Counts the pixels of an area that pass a test.
template <typename Test>
int Count(const QImage& image, QRect area, Test test) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y))) ++n;
    return n;
}

int Opaque(const QImage& image) {
    return Count(image, image.rect(), [](QRgb c) { return qAlpha(c) > 128; });
}

const char* const kToolButtons[] = {"BitBtn7", "BitBtn6", "BitBtn18", "BitBtn19", "BitBtn1"};
const char* const kMenuButtons[] = {"BitBtn11", "BitBtn8",  "BitBtn9",  "BitBtn12", "BitBtn16",
                                    "BitBtn17", "BitBtn26", "BitBtn10", "BitBtn4",  "BitBtn2"};
const char* const kTopics[] = {"Panel3", "Panel4", "Panel6", "Panel7", "Panel9", "Panel10"};

TEST(PicturesTest, GlyphsAreDrawnTransparentAndDistinct) {
    std::vector<std::pair<QString, QPixmap>> glyphs;
    for (const char* name : kToolButtons)
        glyphs.emplace_back(QStringLiteral("tool ") + name, ToolGlyph(QLatin1String(name)));
    for (const char* name : kMenuButtons)
        glyphs.emplace_back(QStringLiteral("menu ") + name, MenuGlyph(QLatin1String(name)));
    glyphs.emplace_back(QStringLiteral("exit"), ExitGlyph());
    QSet<QByteArray> seen;
    for (const auto& [name, glyph] : glyphs) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_FALSE(glyph.isNull());
        EXPECT_EQ(LogicalSize(glyph), QSize(25, 25));
        const QImage image = Pixels(glyph);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);  // the button face shows around the picture
        EXPECT_GT(Opaque(image), 60);             // and the picture is not a speck
        seen.insert(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    // Exit glyphs may repeat one picture (tool button, menu button and dialog); the rest differ.
    EXPECT_EQ(seen.size(), static_cast<int>(glyphs.size()) - 2);
    EXPECT_EQ(Pixels(ExitGlyph()), Pixels(ToolGlyph(QStringLiteral("BitBtn1"))));
}

TEST(PicturesTest, UnknownNamesGiveNoPicture) {
    EXPECT_TRUE(ToolGlyph(QStringLiteral("BitBtn3")).isNull());
    EXPECT_TRUE(MenuGlyph(QStringLiteral("BitBtn7")).isNull());
    EXPECT_TRUE(TopicIcon(QStringLiteral("Panel1")).isNull());
    EXPECT_TRUE(KeyButtonPicture(QStringLiteral("BitBtn2")).isNull());
}

TEST(PicturesTest, TopicIconsAreRound) {
    for (const char* name : kTopics) {
        SCOPED_TRACE(name);
        const QPixmap icon = TopicIcon(QLatin1String(name));
        ASSERT_EQ(LogicalSize(icon), QSize(25, 25));
        const QImage image = Pixels(icon);
        for (QPoint corner : {QPoint(0, 0), QPoint(24, 0), QPoint(0, 24), QPoint(24, 24),
                              QPoint(2, 2), QPoint(22, 22)})
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
        for (QPoint inside : {QPoint(12, 12), QPoint(12, 2), QPoint(2, 12), QPoint(22, 12)})
            EXPECT_EQ(qAlpha(image.pixel(inside)), 255);
    }
    // The scattered dots are yellow and red; each topic has an icon of its own, the
    // temperature a thermometer with its red column up the middle.
    const QImage dots = Pixels(TopicIcon(QStringLiteral("Panel3")));
    EXPECT_GT(Count(dots, dots.rect(), Yellow), 4);
    EXPECT_GT(Count(dots, dots.rect(), Red), 4);
    QSet<QByteArray> icons;
    for (const char* name : kTopics) {
        const QImage image = Pixels(TopicIcon(QLatin1String(name)));
        icons.insert(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(icons.size(), static_cast<int>(std::size(kTopics)));
    const QImage thermometer = Pixels(TopicIcon(QStringLiteral("Panel7")));
    EXPECT_GT(Count(thermometer, QRect(11, 8, 3, 10), Red), 15);
}

TEST(PicturesTest, BannerIsChromeLettersOnATransparentGround) {
    const QPixmap banner = TitleBanner();
    ASSERT_EQ(LogicalSize(banner), QSize(712, 56));
    const QImage image = Pixels(banner);
    for (QPoint corner : {QPoint(0, 0), QPoint(711, 0), QPoint(0, 55), QPoint(711, 55)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
    const int letters = Opaque(image);
    EXPECT_GT(letters, 712 * 56 / 10);
    EXPECT_LT(letters, 712 * 56 / 2);
    // Chrome: bright highlights and a dark horizon inside the letters.
    const int bright =
        Count(image, image.rect(), [](QRgb c) { return qAlpha(c) == 255 && qGray(c) > 220; });
    const int dark =
        Count(image, image.rect(), [](QRgb c) { return qAlpha(c) == 255 && qGray(c) < 70; });
    EXPECT_GT(bright, 300);
    EXPECT_GT(dark, 300);
    // The title is centred: as much ink left of the middle as right of it, within a tenth.
    const int left = Count(image, QRect(0, 0, 356, 56), [](QRgb c) { return qAlpha(c) > 128; });
    EXPECT_NEAR(left, letters - left, letters / 10);
}

TEST(PicturesTest, UnmixedVesselHasYellowLeftAndRedRight) {
    const QPixmap picture = UnmixedVesselPicture();
    ASSERT_EQ(LogicalSize(picture), QSize(183, 183));
    const QImage image = Pixels(picture);
    EXPECT_EQ(Count(image, image.rect(), [](QRgb c) { return qAlpha(c) < 255; }), 0);
    const QRect left(0, 0, 91, 183);
    const QRect right(92, 0, 91, 183);
    EXPECT_GT(Count(image, left, Yellow), 600);
    EXPECT_EQ(Count(image, right, Yellow), 0);
    EXPECT_GT(Count(image, right, Red), 600);
    EXPECT_EQ(Count(image, left, Red), 0);
}

TEST(PicturesTest, MixedVesselHasBothSubstancesOnBothSides) {
    const QImage image = Pixels(MixedVesselPicture());
    ASSERT_EQ(image.size(), QSize(183, 183));
    const QRect left(0, 0, 91, 183);
    const QRect right(92, 0, 91, 183);
    for (const QRect& half : {left, right}) {
        EXPECT_GT(Count(image, half, Yellow), 200);
        EXPECT_GT(Count(image, half, Red), 200);
    }
    // The same amount of each substance as before mixing, roughly.
    const QImage before = Pixels(UnmixedVesselPicture());
    EXPECT_NEAR(Count(image, image.rect(), Yellow), Count(before, before.rect(), Yellow), 250);
    EXPECT_NEAR(Count(image, image.rect(), Red), Count(before, before.rect(), Red), 250);
}

TEST(PicturesTest, FreePathPictureShowsOneYellowParticleAndItsPath) {
    const QPixmap picture = FreePathPicture();
    ASSERT_EQ(LogicalSize(picture), QSize(193, 154));
    const QImage image = Pixels(picture);
    const int green = Count(image, image.rect(), [](QRgb c) {
        return qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 20;
    });
    EXPECT_GT(green, 193 * 154 / 2);  // the ground
    EXPECT_GT(Count(image, image.rect(), Red), 800);
    EXPECT_GT(Count(image, image.rect(), Black), 250);  // the zig-zag path
    // A single yellow particle: its yellow pixels all lie within one particle's width.
    QRect yellow;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Yellow(image.pixel(x, y))) yellow |= QRect(x, y, 1, 1);
    ASSERT_FALSE(yellow.isEmpty());
    EXPECT_LE(yellow.width(), 10);
    EXPECT_LE(yellow.height(), 10);
}

TEST(PicturesTest, KeyButtonPicturesShowTheToolGlyphOnARaisedFace) {
    for (const char* name : kToolButtons) {
        SCOPED_TRACE(name);
        const QPixmap picture = KeyButtonPicture(QLatin1String(name));
        ASSERT_EQ(LogicalSize(picture), QSize(40, 33));
        const QImage image = Pixels(picture);
        EXPECT_EQ(Opaque(image), 40 * 33);
        EXPECT_EQ(QColor(image.pixel(1, 0)), QColor(Qt::white));  // lit top edge
        EXPECT_LT(qGray(image.pixel(39, 20)), 100);               // shaded right edge
        // The glyph sits in the middle.
        const QImage glyph = Pixels(ToolGlyph(QLatin1String(name)));
        const QRgb centre = glyph.pixel(12, 12);
        if (qAlpha(centre) == 255) {
            EXPECT_EQ(image.pixel(7 + 12, 4 + 12), centre);
        }
        EXPECT_NE(Count(image, QRect(7, 4, 25, 25),
                        [](QRgb c) { return QColor(c) != QColor(212, 208, 200); }),
                  0);
    }
}

TEST(PicturesTest, InitialConditionsMiniatureShowsThePanelLayout) {
    const QPixmap picture = InitialConditionsPicture();
    ASSERT_EQ(LogicalSize(picture), QSize(257, 201));
    const QImage image = Pixels(picture);
    EXPECT_EQ(Opaque(image), 257 * 201);
    // The Start button runs across the foot of the panel (176 to 192 at half size), with its
    // caption in the middle.
    EXPECT_GT(Count(image, QRect(118, 180, 22, 8), [](QRgb c) { return qGray(c) < 120; }), 3);
    // White spin boxes at the right, at (180, 56) for the particle count, beside the text.
    EXPECT_EQ(QColor(image.pixel(200, 59)), QColor(Qt::white));
    // The particle of size 20 in the sizes' group is drawn in colour.
    EXPECT_GT(
        Count(image, QRect(22, 150, 14, 14), [](QRgb c) { return QColor(c).saturation() > 100; }),
        10);
}

}  // namespace
