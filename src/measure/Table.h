#pragma once

#include <QString>
#include <QStringList>

#include "engine/SimulationState.h"

// The text a measurement cell keeps after a change: a bad character typed at the end is
// dropped (the change handler repeats this until the text is stable), a lone "0" is dropped,
// a leading comma becomes "0," and a second comma empties the cell. The English cells use the
// point in the comma's place.
QString ValidateCellText(const QString& text, QChar separator = QLatin1Char(','));

// The text a cell ends with once ValidateCellText, applied again after every change, changes it
// no more. Worked out in one pass: a long pasted text would otherwise lose its tail one
// character, one change and one level of nesting at a time.
QString SettleCellText(const QString& text, QChar separator = QLatin1Char(','));

// The number a validated cell holds, with the comma or the point as decimal separator; -1.0
// when empty.
double CellValue(const QString& text);

// Converts the 34 cell texts of a table, in cell order, into TableRows: cell k goes to row
// (k + 1) div 2, X when k is odd and Y when k is even.
void GatherTable(const QStringList& cellTexts, SimulationState& s);

// The dependency table's chart and print-out need rows 1 and 2 complete and two different X
// texts in them (5 and 05 differ as texts and pass). cellTexts are the table's 34 cells.
bool FirstRowsReady(const QStringList& cellTexts);

// Shown when they are not.
inline const QString kFillTableMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Proszę wypełnić tabelę pomiarów"));
