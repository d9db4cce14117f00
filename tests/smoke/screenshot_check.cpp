// Checks a screenshot of the running program: screenshot_check <scene> <png>.
#include <QImage>
#include <cstdio>
#include <cstring>

namespace {

constexpr QRgb Show565(unsigned v) {
    return qRgb(static_cast<int>(((v >> 11) & 31u) * 255u / 31u),
                static_cast<int>(((v >> 5) & 63u) * 255u / 63u),
                static_cast<int>((v & 31u) * 255u / 31u));
}

int failures = 0;

void Check(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok  " : "FAIL", what);
    if (!ok) ++failures;
}

int Count(const QImage& img, QRect area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((img.pixel(x, y) | 0xFF000000u) == (colour | 0xFF000000u)) ++n;
        }
    }
    return n;
}

// The diffusion illustration at the start values: vessel 600 x 600 at (70, 70), size 15.
void CheckDiffusion(const QImage& img) {
    for (int e = 0; e < 8; ++e) {
        const int left = 70 + 600 * e / 8;
        const QRect stripe(left + 2, 72, 600 / 8 - 4, 596);
        char what[64];
        std::snprintf(what, sizeof what, "stripe %d shows colour %d", e + 1, 11112 + 2 * e);
        Check(Count(img, stripe, Show565(11112u + 2u * e)) > 2000, what);
    }
    const int wall = Count(img, QRect(65, 65, 610, 5), Show565(1111)) +
                     Count(img, QRect(65, 670, 610, 5), Show565(1111));
    Check(wall > 5000, "the blue wall surrounds the vessel");
    const int first = Count(img, QRect(70, 70, 600, 600), qRgb(128, 0, 0));
    const int second = Count(img, QRect(70, 70, 600, 600), qRgb(128, 128, 0));
    Check(first > 1000, "particles of the first substance are drawn");
    Check(second > 1000, "particles of the second substance are drawn");
    const int text = Count(img, QRect(750, 120, 270, 120), qRgb(250, 250, 250));
    Check(text > 300, "the status text is written beside the vessel");
    const int title = Count(img, QRect(790, 20, 150, 30), qRgb(250, 250, 250));
    Check(title > 100, "the title DYFUZJA is written");
    const int tools = 200 * 33 - Count(img, QRect(752, 64, 200, 33), qRgb(0, 0, 0));
    Check(tools > 200 * 33 / 2, "the tool buttons stand over the running simulation");
}

int NotBlack(const QImage& img, QRect area) {
    return area.width() * area.height() - Count(img, area, qRgb(0, 0, 0));
}

// The experiment panel's face colour.
constexpr QRgb kPanelFace = qRgb(212, 208, 200);

// The pressure experiment at the track bars' start values: 100 particles in a 400-pixel square
// at (170, 170), the U-tube manometer with its pipe, the experiment panel over the text.
void CheckPressure(const QImage& img) {
    const int wall = Count(img, QRect(165, 165, 410, 5), Show565(1110)) +
                     Count(img, QRect(165, 570, 410, 5), Show565(1110));
    Check(wall > 3000, "the wall surrounds the square vessel");
    Check(Count(img, QRect(170, 170, 400, 400), Show565(110)) > 400 * 400 * 8 / 10,
          "the vessel's inside is dark blue");
    Check(Count(img, QRect(170, 170, 400, 400), qRgb(0, 0, 255)) > 500,
          "the blue particles are drawn");
    Check(Count(img, QRect(170, 170, 400, 400), qRgb(100, 100, 150)) > 200,
          "the particles carry their velocity lines");
    Check(NotBlack(img, QRect(730, 250, 43, 395)) > 43 * 395 / 2, "the manometer stands there");
    Check(NotBlack(img, QRect(580, 281, 140, 6)) == 140 * 6, "a pipe joins vessel and manometer");
    Check(Count(img, QRect(784, 128, 201, 209), kPanelFace) > 201 * 209 / 2,
          "the experiment panel is shown");
    Check(Count(img, QRect(790, 400, 220, 100), qRgb(250, 250, 250)) > 500,
          "the count, speeds, time and pressure are written");
    Check(Count(img, QRect(770, 35, 200, 25), qRgb(250, 250, 250)) > 100, "the title is written");
}

// The heat transport: the wide vessel with the green hot gas, the grey partition and the blue
// cold gas, a thermometer at each side, the text block at the top left, no experiment panel.
void CheckHeat(const QImage& img) {
    const int wall = Count(img, QRect(75, 295, 880, 5), Show565(110)) +
                     Count(img, QRect(75, 600, 880, 5), Show565(110));
    Check(wall > 7000, "the wall surrounds the vessel");
    Check(Count(img, QRect(80, 300, 870, 300), Show565(100)) > 870 * 300 * 6 / 10,
          "the vessel's inside is almost black");
    Check(Count(img, QRect(80, 300, 420, 300), qRgb(0, 128, 0)) > 3000,
          "the hot gas fills the left half");
    Check(Count(img, QRect(530, 300, 420, 300), qRgb(0, 128, 255)) > 3000,
          "the cold gas fills the right half");
    Check(Count(img, QRect(480, 300, 70, 300), qRgb(128, 128, 128)) > 3000,
          "the partition stands in the middle");
    Check(NotBlack(img, QRect(30, 250, 20, 397)) > 20 * 397 / 2, "the left thermometer stands");
    Check(NotBlack(img, QRect(980, 250, 20, 397)) > 20 * 397 / 2, "the right thermometer stands");
    // Below the gas model's small switch, where the experiment panel would stand.
    Check(Count(img, QRect(784, 150, 201, 187), kPanelFace) == 0, "the experiment panel is hidden");
    Check(Count(img, QRect(784, 110, 200, 34), kPanelFace) > 2000, "the gas model's switch shows");
    Check(Count(img, QRect(30, 20, 450, 140), qRgb(250, 250, 250)) > 1500,
          "the counts, time and temperatures are written");
}

// The main menu at start: the steel-blue panel with the title banner and ten menu buttons, and
// nothing of the simulation over it.
void CheckMenu(const QImage& img) {
    const QRgb steel = qRgb(17, 99, 142);
    Check(Count(img, QRect(300, 150, 660, 540), steel) > 300000,
          "the menu panel's right part is plain steel blue");
    Check(Count(img, QRect(176, 56, 712, 56), steel) < 712 * 56 * 9 / 10,
          "the title banner is drawn");
    int buttons = 0;
    for (int k = 0; k < 10; ++k) {
        const QRect face(30, 8 + 144 + 40 * k + 4, 60, 25);
        if (Count(img, face, steel) == 0) ++buttons;
    }
    Check(buttons == 10, "ten menu buttons stand at the left");
    Check(Count(img, QRect(752, 64, 200, 33), steel) == 200 * 33,
          "the menu covers the tool buttons");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshot_check <scene> <png>\n");
        return 2;
    }
    const QImage img =
        QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (img.isNull() || img.width() < 1024 || img.height() < 768) {
        std::fprintf(stderr, "cannot read a 1024 x 768 screenshot from %s\n", argv[2]);
        return 1;
    }
    if (std::strcmp(argv[1], "diffusion") == 0) {
        CheckDiffusion(img);
    } else if (std::strcmp(argv[1], "menu") == 0) {
        CheckMenu(img);
    } else if (std::strcmp(argv[1], "pressure") == 0) {
        CheckPressure(img);
    } else if (std::strcmp(argv[1], "heat") == 0) {
        CheckHeat(img);
    } else {
        std::fprintf(stderr, "unknown scene %s\n", argv[1]);
        return 2;
    }
    return failures == 0 ? 0 : 1;
}
