#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// The table cells remove what they do not accept. So that nothing the pupil typed turns into a
// different number unnoticed, the cell says why (core/CellRules.h: CellHintFor) in a small note
// beside its row, for a few seconds.

// Shows the note beside the cell's row where it hides no cell of the panel (one note per panel,
// objectName "CellHint").
void ShowCellHint(QLineEdit* cell, const QString& hint);
