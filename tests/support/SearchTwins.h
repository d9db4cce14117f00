#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "RecordingCanvas.h"
#include "engine/Clock.h"
#include "engine/Motion.h"
#include "engine/Simulation.h"

// Two simulations that must stay identical to the last bit: one finds contacts with the plain
// all-pairs loop, the other with the grid.

namespace twins {

inline bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every hook call of MoveAndCollide, with where particle i stood at that moment.
struct Event {
    char type;  // 'W' wall bounce, 'C' contact, 'D' after the clamp, where i is drawn
    int i;
    int other;  // the wall or the partner
    double x, y;
    bool operator==(const Event& e) const {
        return type == e.type && i == e.i && other == e.other && SameBits(x, e.x) &&
               SameBits(y, e.y);
    }
};

inline std::string Describe(const Event& e) {
    std::ostringstream out;
    out.precision(17);
    out << e.type << " i=" << e.i << " other=" << e.other << " at (" << e.x << ", " << e.y << ")";
    return out.str();
}

struct EventLog {
    const SimulationState* s;
    std::vector<Event>* out;
    void WallBounce(int i, Wall wall) { out->push_back({'W', i, wall, s->PosX[i], s->PosY[i]}); }
    void Contact(int i, int k) { out->push_back({'C', i, k, s->PosX[i], s->PosY[i]}); }
    void AfterClamp(int i) { out->push_back({'D', i, 0, s->PosX[i], s->PosY[i]}); }
};

template <class T, int N>
::testing::AssertionResult SameArray(const char* name, const Array1<T, N>& a,
                                     const Array1<T, N>& b) {
    if (std::memcmp(a.Data(), b.Data(), sizeof(T) * N) == 0) return ::testing::AssertionSuccess();
    for (int i = 1; i <= N; ++i) {
        if (std::memcmp(&a[i], &b[i], sizeof(T)) != 0) {
            std::ostringstream out;
            out.precision(17);
            out << name << "[" << i << "] differs";
            if constexpr (std::is_arithmetic_v<T>) out << ": " << +a[i] << " vs " << +b[i];
            return ::testing::AssertionFailure() << out.str();
        }
    }
    return ::testing::AssertionFailure() << name << " differs";
}

// Every field of the record, doubles compared by their bits.
inline ::testing::AssertionResult SameState(const SimulationState& a, const SimulationState& b) {
#define TWIN_FIELD(f)                              \
    if (std::memcmp(&a.f, &b.f, sizeof(a.f)) != 0) \
        return ::testing::AssertionFailure() << #f " differs: " << +a.f << " vs " << +b.f;
#define TWIN_ARRAY(f) \
    if (auto same = SameArray(#f, a.f, b.f); !same) return same;
    TWIN_FIELD(VesselLeft)
    TWIN_FIELD(VesselTop)
    TWIN_FIELD(VesselWidth)
    TWIN_FIELD(VesselHeight)
    TWIN_FIELD(ClockNow)
    TWIN_FIELD(ClockStart)
    TWIN_FIELD(PausedTotal)
    TWIN_FIELD(PauseStart)
    TWIN_ARRAY(VelX)
    TWIN_ARRAY(VelY)
    TWIN_ARRAY(PosX)
    TWIN_ARRAY(PosY)
    TWIN_ARRAY(Kind)
    TWIN_FIELD(ParticleCount)
    TWIN_FIELD(SecondCount)
    TWIN_ARRAY(WallHits)
    TWIN_FIELD(ParticleSize)
    TWIN_FIELD(InitOk)
    TWIN_FIELD(SimulationMode)
    TWIN_FIELD(MeanSpeed)
    TWIN_FIELD(StepDivisor)
    TWIN_FIELD(PathCount)
    if (!(a.PathPoints == b.PathPoints))
        return ::testing::AssertionFailure() << "PathPoints differ";
    if (!(a.TableRows == b.TableRows)) return ::testing::AssertionFailure() << "TableRows differ";
    TWIN_FIELD(GasTemperature)
    TWIN_FIELD(GasMass)
    TWIN_FIELD(ThermoHeight)
    TWIN_FIELD(SideCount)
    TWIN_FIELD(PartitionCount)
    TWIN_FIELD(Pressure)
    TWIN_FIELD(ChartKind)
    if (a.ChartXCaption != b.ChartXCaption)
        return ::testing::AssertionFailure() << "ChartXCaption differs";
#undef TWIN_FIELD
#undef TWIN_ARRAY
    return ::testing::AssertionSuccess();
}

// Everything a frame drew, in order.
inline ::testing::AssertionResult SameDrawing(const RecordingCanvas& a, const RecordingCanvas& b) {
    if (a.ops != b.ops) return ::testing::AssertionFailure() << "drawing operations differ";
    for (std::size_t n = 0; n < a.sprites.size(); ++n) {
        const auto& p = a.sprites[n];
        const auto& q = b.sprites[n];
        if (p.set != q.set || p.index != q.index || p.x != q.x || p.y != q.y)
            return ::testing::AssertionFailure() << "sprite " << n << " differs: (" << p.x << ", "
                                                 << p.y << ") vs (" << q.x << ", " << q.y << ")";
    }
    for (std::size_t n = 0; n < a.texts.size(); ++n) {
        if (a.texts[n].text != b.texts[n].text || a.texts[n].x != b.texts[n].x ||
            a.texts[n].y != b.texts[n].y)
            return ::testing::AssertionFailure()
                   << "text " << n << " differs: " << a.texts[n].text << " vs " << b.texts[n].text;
    }
    for (std::size_t n = 0; n < a.lines.size(); ++n) {
        const auto& p = a.lines[n];
        const auto& q = b.lines[n];
        if (p.x0 != q.x0 || p.y0 != q.y0 || p.x1 != q.x1 || p.y1 != q.y1 || p.colour != q.colour)
            return ::testing::AssertionFailure() << "line " << n << " differs";
    }
    for (std::size_t n = 0; n < a.fills.size(); ++n) {
        const auto& p = a.fills[n];
        const auto& q = b.fills[n];
        if (p.left != q.left || p.top != q.top || p.right != q.right || p.bottom != q.bottom ||
            p.colour != q.colour)
            return ::testing::AssertionFailure() << "fill " << n << " differs";
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult SameEvents(const std::vector<Event>& a,
                                             const std::vector<Event>& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t n = 0; n < common; ++n) {
        if (!(a[n] == b[n]))
            return ::testing::AssertionFailure() << "hook call " << n << ": plain "
                                                 << Describe(a[n]) << ", grid " << Describe(b[n]);
    }
    if (a.size() != b.size())
        return ::testing::AssertionFailure()
               << "plain made " << a.size() << " hook calls, grid " << b.size()
               << "; first extra: " << Describe(a.size() > b.size() ? a[common] : b[common]);
    return ::testing::AssertionSuccess();
}

// The pair itself. Both share one hand-driven clock; the grid twin starts as a copy of the
// plain one whenever Sync is called.
struct Twins {
    ManualClock clock{5'000'000};
    std::unique_ptr<Simulation> plain = std::make_unique<Simulation>(clock);
    std::unique_ptr<Simulation> grid = std::make_unique<Simulation>(clock);
    std::vector<Event> plainEvents, gridEvents;

    Twins() {
        plain->Search = ContactSearch::Plain;
        grid->Search = ContactSearch::Grid;
    }

    // Makes the grid twin a copy of the plain one (state, controls and generator).
    void Sync() {
        grid->S = plain->S;
        grid->C = plain->C;
        grid->Captions = plain->Captions;
        grid->Rng = plain->Rng;
    }

    // One pass of MoveAndCollide over all particles in both, compared hook by hook and
    // then array by array.
    ::testing::AssertionResult MoveAll() {
        plainEvents.clear();
        gridEvents.clear();
        RecordingCanvas plainCanvas, gridCanvas;
        EventLog plainLog{&plain->S, &plainEvents};
        EventLog gridLog{&grid->S, &gridEvents};
        MoveAllParticles(*plain, plainLog);
        MoveAllParticles(*grid, gridLog);
        DrawParticles(plain->S, plainCanvas);
        DrawParticles(grid->S, gridCanvas);
        if (auto same = SameEvents(plainEvents, gridEvents); !same) return same;
        if (auto same = SameDrawing(plainCanvas, gridCanvas); !same) return same;
        if (auto same = SameArray("PosX", plain->S.PosX, grid->S.PosX); !same) return same;
        if (auto same = SameArray("PosY", plain->S.PosY, grid->S.PosY); !same) return same;
        if (auto same = SameArray("VelX", plain->S.VelX, grid->S.VelX); !same) return same;
        if (auto same = SameArray("VelY", plain->S.VelY, grid->S.VelY); !same) return same;
        return ::testing::AssertionSuccess();
    }

    // Contacts of the last pass, as (i, k) pairs.
    std::vector<std::pair<int, int>> Contacts() const {
        std::vector<std::pair<int, int>> pairs;
        for (const Event& e : plainEvents) {
            if (e.type == 'C') pairs.emplace_back(e.i, e.other);
        }
        return pairs;
    }
};

}  // namespace twins
