#pragma once

#include "ui/FormControls.h"

class QWidget;

// The builders of the window's panels over the surface, each a child of `stage`, hidden where
// the window starts without it. They set object names, fonts and places; the window connects
// the handlers. Called in this order, as the stacking and the focus chain follow the order of
// creation: tool buttons, (the main menu,) Panel2, Panel8, the table panel, then the tables.
ToolButtons BuildToolButtons(QWidget* stage);
InitialConditionsPanel BuildInitialConditionsPanel(QWidget* stage);
ExperimentControls BuildExperimentPanel(QWidget* stage);
// Button2 and the empty Panel11.
StudyTablePanel BuildTablePanel(QWidget* stage);
// The free-path table and its chart, in the menu's FreePathTableArea.
FreePathTable BuildFreePathTable(QWidget* area);
// Fills Panel11 with the dependency table, its chart, instructions and buttons.
void BuildStudyPanel(StudyTablePanel& table);
