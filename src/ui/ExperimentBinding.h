#pragma once

#include "ui/Binding.h"

class ModelChoice;

// The experiment panel: four track bars that change the gas of a running temperature or
// pressure experiment, the captions that show its count, mean speed, mass and side, and the
// three choices of the gas model.
class ExperimentBinding final : public Binding {
  public:
    explicit ExperimentBinding(TForm1& form);

    void Present(const Screen& screen, ScreenChanges& changes) override;

    void TrackBar1Change();
    void TrackBar2Change();
    void TrackBar3Change();
    void TrackBar4Change();
    void ModelChoiceChange(const ModelChoice* from);
};
