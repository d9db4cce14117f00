#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

#include "engine/Canvas.h"
#include "engine/SimulationState.h"

// FNV-1a over bytes, 64 bits: a fingerprint of a state or of a list of drawing calls that any
// change of a single bit moves.
class Fnv1a {
  public:
    void Bytes(const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t n = 0; n < size; ++n) {
            hash_ ^= p[n];
            hash_ *= 0x100000001b3ull;
        }
    }
    void Int(int64_t v) { Bytes(&v, sizeof v); }
    void Real(double v) {
        int64_t bits = 0;  // std::bit_cast is missing from the browser build's library
        std::memcpy(&bits, &v, sizeof bits);
        Int(bits);
    }
    void Text(const std::string& text) {
        Int(static_cast<int64_t>(text.size()));
        Bytes(text.data(), text.size());
    }
    uint64_t Value() const { return hash_; }

  private:
    uint64_t hash_ = 0xcbf29ce484222325ull;
};

// A canvas that folds every call, with its arguments and in order, into one hash; text widths
// are those of RecordingCanvas (7 px a character at 12 points), or those `measure` gives for a
// text at a size.
class HashingCanvas final : public Canvas {
  public:
    Fnv1a hash;
    int64_t calls = 0;
    std::function<int(const std::string&, int)> measure;

    void FillSurface(uint16_t colour) override { Call('S', {colour}); }
    void FillRect(int l, int t, int r, int b, uint16_t colour) override {
        Call('F', {l, t, r, b, colour});
    }
    void DrawSprite(SpriteSet set, int index, int x, int y) override {
        Call('D', {static_cast<int>(set), index, x, y});
    }
    void SurfaceTextOut(int x, int y, int size, const std::string& text) override {
        fontSize_ = size;
        Call('T', {x, y, size});
        hash.Text(text);
    }
    int TextWidth(const std::string& text) override {
        const int width =
            measure ? measure(text, fontSize_) : static_cast<int>(text.size()) * 7 * fontSize_ / 12;
        Call('W', {width});
        hash.Text(text);
        return width;
    }
    void SetFontSize(int size) override {
        fontSize_ = size;
        Call('Z', {size});
    }
    void SetPenColour(Rgb colour) override { Call('P', {static_cast<int64_t>(colour)}); }
    void MoveTo(int x, int y) override { Call('M', {x, y}); }
    void LineTo(int x, int y) override { Call('L', {x, y}); }
    void ReleaseText() override { Call('R', {}); }
    void Present() override { Call('!', {}); }

  private:
    void Call(char op, std::initializer_list<int64_t> args) {
        ++calls;
        hash.Int(op);
        for (int64_t a : args)
            hash.Int(a);
    }
    int fontSize_ = 12;
};

// Every field of the record, doubles by their bits.
inline uint64_t StateHash(const SimulationState& s) {
    Fnv1a h;
    auto array = [&h](const auto& a) { h.Bytes(a.Data(), sizeof a); };
    for (int64_t v :
         {int64_t{s.VesselLeft}, int64_t{s.VesselTop}, int64_t{s.VesselWidth},
          int64_t{s.VesselHeight}, s.ClockNow, s.ClockStart, s.PausedTotal, s.PauseStart})
        h.Int(v);
    array(s.VelX);
    array(s.VelY);
    array(s.PosX);
    array(s.PosY);
    array(s.Kind);
    for (int64_t v : {int64_t{s.ParticleCount}, int64_t{s.SecondCount}})
        h.Int(v);
    array(s.WallHits);
    for (int64_t v : {int64_t{s.ParticleSize}, int64_t{s.InitOk}, int64_t{s.SimulationMode}})
        h.Int(v);
    h.Real(s.MeanSpeed);
    h.Real(s.StepDivisor);
    for (int k = 1; k <= kPathCapacity; ++k) {
        h.Int(s.PathPoints[k].x);
        h.Int(s.PathPoints[k].y);
    }
    h.Int(s.PathCount);
    for (int k = 1; k <= kTableRowCount; ++k) {
        h.Real(s.TableRows[k].X);
        h.Real(s.TableRows[k].Y);
    }
    for (double v : {s.GasTemperature, s.GasMass, s.ThermoHeight})
        h.Real(v);
    h.Int(s.SideCount);
    h.Int(s.PartitionCount);
    h.Real(s.Pressure);
    h.Int(s.ChartKind);
    h.Text(s.ChartXCaption);
    return h.Value();
}
