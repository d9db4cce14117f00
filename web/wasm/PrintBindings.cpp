// The printed page of the diffusion and the free path, as the desktop prints it
// (src/measure/PrintPages.cpp): the vessel redrawn on white half a page wide, its particles,
// the tracked particle's path and the status lines in the language. The page draws it; this
// gives it the state's part it needs and the lines already written.
#include <emscripten/bind.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PrintBindings.h"
#include "WebSession.h"
#include "core/Languages.h"
#include "core/TextId.h"
#include "engine/Modes.h"
#include "engine/NumberFormat.h"

using namespace emscripten;

val VesselPageOf(const SimulationState& s, int vmax, const std::string& code) {
    if (s.SimulationMode != kModeDiffusion && s.SimulationMode != kModeFreePath) return val::null();
    const Language language = LanguageNamed(code).value_or(Language::Polish);
    const char sep = DecimalSeparatorOf(language);
    const auto tr = [language](const char* source) { return Translate(language, source); };

    val page = val::object();
    page.set("vesselLeft", s.VesselLeft);
    page.set("vesselTop", s.VesselTop);
    page.set("vesselWidth", s.VesselWidth);
    page.set("vesselHeight", s.VesselHeight);
    page.set("particleSize", s.ParticleSize);

    std::vector<double> particles;
    const int count = std::min<int>(s.ParticleCount, kParticleCapacity);
    for (int i = 1; i <= count; ++i)
        particles.insert(particles.end(), {s.PosX[i], s.PosY[i], static_cast<double>(s.Kind[i])});
    page.set("particles", val::array(particles));

    // The path as on screen: from the first collision to the particle's place now.
    std::vector<double> path;
    const int points = std::min(s.PathCount, kPathCapacity);
    const int h = s.ParticleSize / 2;
    if (s.SimulationMode == kModeFreePath && points > 1) {
        for (int k = 2; k <= points; ++k)
            path.insert(path.end(), {static_cast<double>(s.PathPoints[k].x + h),
                                     static_cast<double>(s.PathPoints[k].y + h)});
        const double half = s.ParticleSize / 2.0;
        path.insert(path.end(), {s.PosX[1] + half, s.PosY[1] + half});
    }
    page.set("path", val::array(path));

    const bool diffusion = s.SimulationMode == kModeDiffusion;
    page.set("heading", tr(diffusion ? QT_TRANSLATE_NOOP("kinetra", "DYFUZJA")
                                     : QT_TRANSLATE_NOOP("kinetra", "DROGA SWOBODNA")));
    const std::string units = tr(QT_TRANSLATE_NOOP("kinetra", " jednostek"));
    std::vector<std::string> lines{
        tr(QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek N1 = ")) +
            std::to_string(s.ParticleCount - s.SecondCount),
        tr(QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek N2 =  ")) +
            std::to_string(s.SecondCount),
        tr(QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek N   =  ")) +
            std::to_string(s.ParticleCount),
        tr(QT_TRANSLATE_NOOP("kinetra", "Vmax   =  ")) + std::to_string(vmax) + units,
        tr(QT_TRANSLATE_NOOP("kinetra", "Vśr    =  ")) +
            FormatGeneral(s.MeanSpeed, GeneralFormat::G3, sep) + units,
        tr(QT_TRANSLATE_NOOP("kinetra", "Czas  =   ")) +
            std::to_string(s.ClockNow - s.ClockStart - s.PausedTotal) +
            tr(QT_TRANSLATE_NOOP("kinetra", " ms")),
    };
    if (!diffusion) {
        const std::string unit = tr(QT_TRANSLATE_NOOP("kinetra", " jedn."));
        lines.push_back(tr(QT_TRANSLATE_NOOP("kinetra", "Śr. droga swob.  =   ")) +
                        FormatGeneral(MeanFreePath(s), GeneralFormat::G3, sep) + unit);
        lines.push_back(tr(QT_TRANSLATE_NOOP("kinetra", "Średnica cząsteczek =  ")) +
                        std::to_string(s.ParticleSize) + unit);
        lines.push_back(tr(QT_TRANSLATE_NOOP("kinetra", "Liczba zderzeń cząsteczki =  ")) +
                        std::to_string(s.PathCount - 1));
    }
    val list = val::array();
    for (const std::string& line : lines)
        list.call<void>("push", line);
    page.set("lines", list);
    return page;
}

namespace {

val VesselPage(const WebSession& session, int vmax, const std::string& code) {
    return VesselPageOf(session.Sim().S, vmax, code);
}

}  // namespace

EMSCRIPTEN_BINDINGS(print) {
    function("vesselPage", &VesselPage);
}
