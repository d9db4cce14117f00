#include "engine/StatusText.h"

#include "engine/Canvas.h"
#include "engine/NumberFormat.h"

void DrawVesselWall(const SimulationState& s, Canvas& canvas, uint16_t colour) {
    canvas.FillSurface(0);
    canvas.FillRect(s.VesselLeft - 5, s.VesselTop - 5, s.VesselLeft + s.VesselWidth + 5,
                    s.VesselTop + s.VesselHeight + 5, colour);
}

std::string TimeLine(const SimulationState& s) {
    return "Czas  =   " + FormatInt(ElapsedSeconds(s)) + " s";
}

void WriteGasStatus(Simulation& sim, Canvas& canvas, int top, GasStatusLines lines,
                    const char* speedUnit) {
    const SimulationState& s = sim.S;
    int y = top;
    auto line = [&](const std::string& text) {
        canvas.SurfaceTextOut(750, y, 12, text);
        y += 20;
    };
    if (lines == GasStatusLines::WithSubstances) {
        line("Liczba cząsteczek N1 = " + FormatInt(s.ParticleCount - s.SecondCount));
        line("Liczba cząsteczek N2 =  " + FormatInt(s.SecondCount));
    }
    line("Liczba cząsteczek N   =  " + FormatInt(s.ParticleCount));
    line("Vmax   =  " + FormatInt(sim.C.SpinEdit4) + " jednostek");
    line("Vśr    =  " + FormatGeneral(s.MeanSpeed, GeneralFormat::G3) + speedUnit);
    line(TimeLine(s));
}
