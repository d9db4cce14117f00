#pragma once

#include <QWidget>

#include "engine/Simulation.h"

class QCheckBox;
class QRadioButton;

// The teacher's choice of gas model (the program's own, or hard discs with exact collisions)
// and of the speed histogram beside the vessel. It stands on the initial-conditions panel and
// under the experiment panel; the window keeps the two showing the same choice.
class ModelChoice : public QWidget {
    Q_OBJECT
  public:
    // compact: two lines for the narrow experiment panel, else one line.
    ModelChoice(QWidget* parent, const QString& name, bool compact);

    // Shows a choice without reporting it as a change.
    void Show(GasModel model, bool histogram);
    GasModel Model() const;
    bool Histogram() const;

    QRadioButton* Described = nullptr;
    QRadioButton* Exact = nullptr;
    QCheckBox* ShowHistogram = nullptr;

  signals:
    void Changed();
};

// A panel of the stage's classic look under the experiment panel that holds a compact choice
// and is shown and hidden with that panel.
ModelChoice* AddModelChoiceUnder(QWidget* stage, QWidget* panel);

// The same choice, without the histogram, for the heat-transport screen, shown while that run
// is on the screen.
ModelChoice* AddHeatModelChoice(QWidget* stage);
