#include "engine/PanelGas.h"

#include "engine/Placement.h"

void InitPanelGas(Simulation& sim, Mode mode, SubstanceRule rule) {
    SimulationState& s = sim.S;
    const Controls& c = sim.C;
    s.StepDivisor = 20.0;
    if (rule == SubstanceRule::BySide) s.SecondCount = 0;
    if (rule == SubstanceRule::TrackedFirst) s.SecondCount = 1;
    s.SimulationMode = mode;
    s.InitOk = 1;

    SetVesselCentred(s, c.VesselWidth, c.VesselHeight);
    sim.Rng.Randomize();
    s.ParticleCount = c.Particles;
    s.ParticleSize = static_cast<uint8_t>(ParticleSizeOfChoice(c.SizeChoice));

    const auto first = static_cast<uint8_t>(c.SizeChoice - 1);
    const auto second = static_cast<uint8_t>(c.SizeChoice + 8);
    const int centreX = s.VesselLeft + s.VesselWidth / 2;
    const bool placed = PlaceGas(sim, c.MaxSpeed, [&](int i) {
        s.Kind[i] = first;
        switch (rule) {
            case SubstanceRule::BySide:
                if (s.PosX[i] < centreX) {
                    s.Kind[i] = second;
                    if (i <= s.ParticleCount) ++s.SecondCount;
                }
                break;
            case SubstanceRule::TrackedFirst:
                s.Kind[1] = second;
                break;
            case SubstanceRule::Single:
                break;
        }
        s.WallHits.Fill(0);
    });
    if (!placed) s.InitOk = 0;

    // Both substances are always present: without any on the left, particle 1 switches over.
    if (placed && rule == SubstanceRule::BySide && s.SecondCount == 0) {
        s.SecondCount = 1;
        s.Kind[1] = second;
    }

    ResetRunClock(sim);
    s.MeanSpeed = MeanSpeedOf(s, 1, s.ParticleCount);
}
