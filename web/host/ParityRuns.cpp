// The desktop's side of the browser's parity test: every parity run played as the window plays
// it, with the desktop's own text widths, and for each tick the fingerprint of the state, of
// the tick's drawing calls and whether it asked for a pause, printed as JSON.
//
//   kinetra_parity [--pictures <folder>] [run names...]    (all runs when none is named)
//
// With a folder, the desktop's picture of each run's last frame is written there as
// <run>.png, the run's slashes made dashes.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "CallHash.h"
#include "ParityScenarios.h"
#include "display/Surface.h"
#include "engine/Clock.h"
#include "ui/texts/PolishTexts.h"

namespace {

void Play(const ParityScenario& run, bool first, const QString& pictures) {
    ManualClock clock(kParityStart);
    auto sim = std::make_unique<Simulation>(clock);
    HashingCanvas canvas;
    canvas.measure = [](const std::string& text, int size) {
        return QFontMetrics(Surface::SurfaceFont(size))
            .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    };
    const bool started = StartParityScenario(*sim, run);
    std::printf(
        "%s\n  {\"name\": \"%s\", \"started\": %s, \"ticks\": [\n    [\"%016llx\", \"\", 0]",
        first ? "" : ",", run.name.c_str(), started ? "true" : "false",
        static_cast<unsigned long long>(StateHash(sim->S)));
    for (int tick = 1; tick <= run.ticks; ++tick) {
        ActBeforeTick(*sim, run, tick);
        clock.Set(kParityStart + kParityTick * tick);
        canvas.hash = Fnv1a();
        const FrameResult result = Advance(*sim);
        if (Render(*sim, PolishSurfaceTexts(), canvas)) canvas.Present();
        std::printf(",\n    [\"%016llx\", \"%016llx\", %d]",
                    static_cast<unsigned long long>(StateHash(sim->S)),
                    static_cast<unsigned long long>(canvas.hash.Value()),
                    result.PauseRequested ? 1 : 0);
    }
    std::printf("\n  ]}");
    if (pictures.isEmpty()) return;
    Surface surface;
    if (Render(*sim, PolishSurfaceTexts(), surface)) surface.Present();
    const QString name =
        QString::fromStdString(run.name).replace(QLatin1Char('/'), QLatin1Char('-'));
    if (!surface.Front().save(pictures + QLatin1Char('/') + name + QStringLiteral(".png"))) {
        std::fprintf(stderr, "cannot write the picture of %s\n", run.name.c_str());
        std::exit(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList names = app.arguments().mid(1);
    QString pictures;
    if (names.size() >= 2 && names[0] == QStringLiteral("--pictures")) {
        pictures = names[1];
        names = names.mid(2);
    }
    std::printf("[");
    bool first = true;
    for (const ParityScenario& run : ParityScenarios()) {
        if (!names.isEmpty() && !names.contains(QString::fromStdString(run.name))) continue;
        Play(run, first, pictures);
        first = false;
    }
    std::printf("\n]\n");
    return 0;
}
