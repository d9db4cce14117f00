// The projector view: what is thin on the picture drawn again thicker, over the mode's frame.
#include <cmath>

#include "engine/Canvas.h"
#include "engine/Modes.h"
#include "engine/Placement.h"

namespace {

constexpr int kSmallestShown = 4;  // particles under this size are hard to see from the back
constexpr int kShownSize = 5;      // drawn as the 5-pixel disc of their colour
// Kinds 0..8 are the first substance's sizes, 9..17 the second's, in the order of the size
// buttons; the 5-pixel disc is the fourth of each.
constexpr int kKindsPerSubstance = 9;
constexpr int kFivePixelChoice = 4;

bool PanelMode(int mode) {
    return mode >= kModeDiffusion && mode <= kModeWallCollisions;
}

}  // namespace

void RenderLargeView(const SimulationState& s, Canvas& canvas) {
    if (!PanelMode(s.SimulationMode)) return;
    const int size = s.ParticleSize;
    if (size < kSmallestShown) {
        // The larger disc keeps the small one's centre.
        const double shift = (kShownSize - size) / 2.0;
        for (int i = 1; i <= s.ParticleCount; ++i) {
            const int kind = s.Kind[i];
            if (kind >= 2 * kKindsPerSubstance) continue;
            const int substance = kind / kKindsPerSubstance;
            const int large = substance * kKindsPerSubstance + kFivePixelChoice - 1;
            canvas.DrawSprite(SpriteSet::DXImageList1, large,
                              static_cast<int>(std::floor(s.PosX[i] - shift)),
                              static_cast<int>(std::floor(s.PosY[i] - shift)));
        }
    }
    if (s.SimulationMode == kModeFreePath) {
        // A brush three pixels across: the track once more one pixel to each side.
        DrawPath(s, canvas, -1, 0);
        DrawPath(s, canvas, 1, 0);
        DrawPath(s, canvas, 0, -1);
        DrawPath(s, canvas, 0, 1);
    }
}
