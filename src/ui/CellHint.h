#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// The table cells remove what they do not accept. So that nothing the pupil typed turns into a
// different number unnoticed, the cell says why in a small note just below it, for a few
// seconds.

// Why the cell validator will change text, or an empty string when it lets it stand.
QString CellHintFor(const QString& text, QChar separator = QLatin1Char(','));

// Shows the note under the cell (one note per panel, objectName "CellHint").
void ShowCellHint(QLineEdit* cell, const QString& hint);

// The text as the pupil meant it, before the validator sees it: a point (how many keyboards and
// spreadsheets write the decimal separator) is the comma, and a number pasted with its leading
// comma (",5") keeps its digits, as it does when typed. With the point as the separator (the
// English cells) it is the other way round: a comma is the point.
QString NormalisedCellText(const QString& text, QChar separator = QLatin1Char(','));
