#include "display/Sprites.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

QRgb Rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

void Fill(QPainter& p, int x, int y, int w, int h, QRgb colour) {
    p.fillRect(x, y, w, h, QColor::fromRgb(colour));
}

QImage Blank(int w, int h, QRgb fill) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QRgb Mix(QRgb a, QRgb b, double t) {
    auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return qRgb(lerp(qRed(a), qRed(b)), lerp(qGreen(a), qGreen(b)), lerp(qBlue(a), qBlue(b)));
}

// A disc of edge n on a white key: pixels whose centre lies within n/2 of the disc's centre.
// The highlight is a crescent toward the upper right, between 0.4 and 0.65 of the radius.
// For n = 7 this gives  ##...## / #..oo.# / ....oo. / .....o. / ....... / #.....# / ##...##.
QImage Disc(int n, QRgb body, QRgb highlight, bool shaded) {
    QImage image = Blank(n, n, kWhite);
    const double r = n / 2.0;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const double dx = x + 0.5 - r;
            const double dy = y + 0.5 - r;
            const double d = std::hypot(dx, dy);
            if (d > r) continue;
            QRgb colour = body;
            const bool upperRight = dx >= -1e-9 && dy <= 1e-9;
            if (upperRight && d >= 0.4 * r - 1e-9 && d <= 0.65 * r + 1e-9) colour = highlight;
            if (shaded && upperRight && colour == body) {
                // Large discs fade from the crescent toward the body.
                const double gap = d < 0.4 * r ? 0.4 * r - d : d - 0.65 * r;
                const double t = std::clamp(gap / (0.3 * r), 0.0, 1.0);
                colour = Mix(highlight, body, 0.35 + 0.65 * t);
            }
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

// A 3 x 3 cross on its key colour.
QImage Cross(QRgb key, QRgb colour) {
    QImage image = Blank(3, 3, key);
    for (int i = 0; i < 3; ++i) {
        image.setPixel(1, i, colour);
        image.setPixel(i, 1, colour);
    }
    return image;
}

QImage Square2(QRgb colour, QRgb topRight) {
    QImage image = Blank(2, 2, colour);
    image.setPixel(1, 0, topRight);
    return image;
}

Sprite Make(QImage picture, std::optional<QRgb> key) {
    Sprite s;
    s.picture = picture.convertToFormat(QImage::Format_RGB32);
    s.key = key;
    s.transparent = QImage(s.picture.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < s.picture.height(); ++y) {
        int runStart = -1;
        for (int x = 0; x <= s.picture.width(); ++x) {
            bool opaque = false;
            if (x < s.picture.width()) {
                const QRgb c = s.picture.pixel(x, y) | 0xFF000000u;
                opaque = !key || c != (*key | 0xFF000000u);
                s.transparent.setPixel(x, y, opaque ? c : 0u);
            }
            if (opaque && runStart < 0) runStart = x;
            if (!opaque && runStart >= 0) {
                s.runs.push_back({y, runStart, x - runStart});
                runStart = -1;
            }
        }
    }
    return s;
}

// Glass, as the instrument pictures draw it: a pale blue wall around a lighter channel.
constexpr QRgb kGlassEdge = 0xFF7FA9C9u;
constexpr QRgb kGlass = 0xFFBFDCEFu;
constexpr QRgb kChannel = 0xFFE6F2FAu;
constexpr QRgb kLiquidLight = 0xFF1B9EC1u;  // RGB(27, 158, 193)
constexpr QRgb kLiquidDark = 0xFF0385A7u;   // RGB(3, 133, 167)

void Tube(QPainter& p, int left, int top, int width, int bottom) {
    Fill(p, left, top, width, bottom - top, kGlassEdge);
    Fill(p, left + 1, top + 1, width - 2, bottom - top - 1, kGlass);
    Fill(p, left + 3, top + 2, width - 6, bottom - top - 2, kChannel);
}

QImage Thermometer() {
    QImage image = Blank(20, 397, kWhite);
    QPainter p(&image);
    Tube(p, 3, 0, 14, 372);  // channel x 6..13, the column's width
    // Scale marks on the right every 20 pixels up from the column's foot (row 361).
    for (int y = 361 - 20; y > 4; y -= 20)
        Fill(p, 15, y, 4, 1, Rgb(60, 90, 120));
    // The bulb, full of liquid.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor::fromRgb(kGlassEdge), 1));
    p.setBrush(QColor::fromRgb(kLiquidDark));
    p.drawEllipse(QRect(0, 374, 19, 19));
    p.setBrush(QColor::fromRgb(kLiquidLight));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(3, 377, 13, 13));
    Fill(p, 6, 362, 8, 16, kLiquidLight);
    Fill(p, 12, 380, 2, 3, Rgb(170, 225, 240));  // light on the glass
    return image;
}

QImage Clamp() {
    QImage image = Blank(30, 12, kWhite);
    QPainter p(&image);
    Fill(p, 0, 2, 30, 8, Rgb(96, 96, 96));
    Fill(p, 1, 3, 28, 6, Rgb(160, 160, 160));
    Fill(p, 1, 3, 28, 1, Rgb(200, 200, 200));
    for (int cx : {5, 24}) {
        Fill(p, cx - 3, 0, 6, 12, Rgb(80, 80, 80));
        Fill(p, cx - 2, 1, 4, 10, Rgb(176, 176, 176));
        Fill(p, cx - 1, 4, 2, 4, Rgb(200, 0, 0));
    }
    return image;
}

QImage LiquidRow() {
    QImage image = Blank(8, 1, kLiquidLight);
    image.setPixel(0, 0, kLiquidDark);
    image.setPixel(1, 0, kLiquidDark);
    image.setPixel(7, 0, kLiquidDark);
    return image;
}

// U-tube: left arm channel x 14..21, right arm channel x 34..41, columns standing on row 380;
// the inlet comes in from the left at rows 31..36.
QImage Manometer() {
    QImage image = Blank(43, 395, kWhite);
    QPainter p(&image);
    Tube(p, 11, 26, 14, 386);  // left arm, closed at the top by the inlet bend
    Tube(p, 31, 4, 12, 386);   // right arm, open at the top
    Fill(p, 31, 4, 12, 1, kGlassEdge);
    // Bottom bend holding the liquid that joins the arms.
    Fill(p, 11, 381, 32, 14, kGlassEdge);
    Fill(p, 12, 382, 30, 12, kGlass);
    Fill(p, 14, 381, 28, 11, kLiquidLight);
    Fill(p, 14, 391, 28, 1, kLiquidDark);
    // Dark-red inlet bend from the pipe into the left arm's top.
    const QRgb red1 = Rgb(128, 0, 64);
    const QRgb red2 = Rgb(162, 34, 98);
    Fill(p, 0, 31, 22, 6, red2);
    Fill(p, 0, 31, 22, 1, red1);
    Fill(p, 0, 36, 14, 1, red1);
    Fill(p, 14, 31, 8, 18, red2);
    Fill(p, 21, 31, 1, 18, red1);
    // Scale marks between the arms every 20 pixels from the foot.
    for (int y = 380 - 20; y > 50; y -= 20)
        Fill(p, 26, y, 4, 1, Rgb(60, 90, 120));
    return image;
}

QImage PipePiece() {
    QImage image = Blank(1, 6, 0);
    for (int y = 0; y < 6; ++y) {
        image.setPixel(0, y, Mix(Rgb(128, 0, 64), Rgb(162, 34, 98), y / 5.0));
    }
    return image;
}

std::vector<Sprite> BuildParticles() {
    std::vector<Sprite> list;
    auto disc = [&](int n, QRgb body, QRgb light, bool shaded = false) {
        list.push_back(Make(Disc(n, body, light, shaded), kWhite));
    };
    list.push_back(Make(Blank(1, 1, Rgb(255, 255, 128)), std::nullopt));                      // 0
    list.push_back(Make(Square2(Rgb(0, 255, 255), kWhite), std::nullopt));                    // 1
    list.push_back(Make(Cross(Rgb(128, 128, 128), Rgb(192, 192, 192)), Rgb(128, 128, 128)));  // 2
    disc(5, Rgb(0, 0, 255), Rgb(0, 255, 255));                                                // 3
    disc(7, Rgb(0, 128, 0), Rgb(0, 255, 0));                                                  // 4
    disc(9, Rgb(0, 128, 255), Rgb(0, 255, 255));                                              // 5
    disc(11, Rgb(128, 0, 128), Rgb(255, 0, 255));                                             // 6
    disc(15, Rgb(128, 0, 0), Rgb(255, 174, 174));                                             // 7
    disc(20, Rgb(128, 0, 128), Rgb(230, 160, 240), true);                                     // 8
    list.push_back(Make(Blank(1, 1, Rgb(0, 0, 0)), std::nullopt));                            // 9
    list.push_back(Make(Square2(Rgb(255, 0, 255), Rgb(255, 174, 174)), std::nullopt));        // 10
    list.push_back(Make(Cross(Rgb(255, 255, 0), Rgb(255, 255, 128)), Rgb(255, 255, 0)));      // 11
    disc(5, Rgb(255, 0, 128), Rgb(255, 174, 174));                                            // 12
    disc(7, Rgb(0, 128, 255), Rgb(128, 255, 255));                                            // 13
    disc(9, Rgb(128, 0, 128), Rgb(255, 0, 255));                                              // 14
    disc(11, Rgb(0, 128, 0), Rgb(0, 255, 0));                                                 // 15
    disc(15, Rgb(128, 128, 0), Rgb(255, 255, 128));                                           // 16
    disc(20, Rgb(0, 0, 128), Rgb(150, 170, 255), true);                                       // 17
    disc(7, Rgb(128, 128, 128), Rgb(192, 192, 192));                                          // 18
    return list;
}

std::vector<Sprite> BuildInstruments() {
    std::vector<Sprite> list;
    list.push_back(Make(Thermometer(), kWhite));
    list.push_back(Make(Clamp(), kWhite));
    list.push_back(Make(LiquidRow(), std::nullopt));
    list.push_back(Make(Manometer(), kWhite));
    list.push_back(Make(PipePiece(), std::nullopt));
    return list;
}

}  // namespace

const std::vector<Sprite>& SpriteList(SpriteSet set) {
    static const std::vector<Sprite> particles = BuildParticles();
    static const std::vector<Sprite> instruments = BuildInstruments();
    return set == SpriteSet::DXImageList1 ? particles : instruments;
}

QImage PrintParticlePicture(int kind) {
    QImage cell = Blank(20, 20, kWhite);
    const auto& list = SpriteList(SpriteSet::DXImageList1);
    if (kind < 0 || kind > 17) return cell;
    QPainter p(&cell);
    p.drawImage(0, 0, list[static_cast<std::size_t>(kind)].picture);
    return cell;
}
