#include "engine/StatusText.h"

#include "engine/Canvas.h"
#include "engine/NumberFormat.h"
#include "engine/SurfaceTexts.h"

void DrawVesselWall(const SimulationState& s, Canvas& canvas, uint16_t colour) {
    canvas.FillSurface(0);
    canvas.FillRect(s.VesselLeft - 5, s.VesselTop - 5, s.VesselLeft + s.VesselWidth + 5,
                    s.VesselTop + s.VesselHeight + 5, colour);
}

std::string TimeLine(const SimulationState& s, const SurfaceTexts& t) {
    return t.TimePrefix + FormatInt(ElapsedSeconds(s)) + t.SecondsUnit;
}

void WriteGasStatus(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                    Canvas& canvas, int top, GasStatusLines lines, SpeedUnit unit) {
    int y = top;
    auto line = [&](const std::string& text) {
        canvas.SurfaceTextOut(750, y, 12, text);
        y += 20;
    };
    if (lines == GasStatusLines::WithSubstances) {
        line(t.CountN1 + FormatInt(s.ParticleCount - s.SecondCount));
        line(t.CountN2 + FormatInt(s.SecondCount));
    }
    line(t.CountN + FormatInt(s.ParticleCount));
    line(t.VmaxLine + FormatInt(f.MaxSpeed) + t.Units);
    line(t.MeanSpeedLine + FormatGeneral(s.MeanSpeed, GeneralFormat::G3, t.Decimal) +
         (unit == SpeedUnit::Shown ? t.Units : std::string()));
    line(TimeLine(s, t));
}
