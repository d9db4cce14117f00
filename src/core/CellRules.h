#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/TextId.h"
#include "engine/SimulationState.h"

// The measurement cells: what a cell keeps of a text, the number it holds, and the table's rows
// gathered from its 34 cells. Texts are UTF-8; the rules look at characters, not bytes.

using TableRowArray = Array1<TableRow, kTableRowCount>;

// The text a measurement cell keeps after a change: a bad character typed at the end is
// dropped (the change handler repeats this until the text is stable), a lone "0" is dropped,
// a leading comma becomes "0," and a second comma empties the cell. The English cells use the
// point in the comma's place.
std::string ValidateCellText(std::string_view text, char separator = ',');

// The text a cell ends with once ValidateCellText, applied again after every change, changes it
// no more. Worked out in one pass: a long pasted text would otherwise lose its tail one
// character, one change and one level of nesting at a time.
std::string SettleCellText(std::string_view text, char separator = ',');

// The text as the pupil meant it, before the validator sees it: the other separator (a point
// in a Polish cell, how many keyboards and spreadsheets write it; a comma in an English one) is
// the language's, and a number pasted with its leading separator (",5") keeps its digits, as it
// does when typed.
std::string NormalisedCellText(std::string_view text, char separator = ',');

// Why the validator rejects a character of the text, as the note's Polish source, or nullptr
// when it rejects none. A lone "0" it drops is no rejection: the separator typed next brings it
// back ("0,"), and before another digit it meant nothing, so typing "0,06" shows no note.
const char* CellHintFor(std::string_view text, char separator = ',');

// The number a validated cell holds, with the comma or the point as decimal separator; -1.0
// when empty.
double CellValue(std::string_view text);

// The rows from the 34 cell texts of a table, in cell order: cell k goes to row (k + 1) div 2,
// X when k is odd and Y when k is even.
TableRowArray GatherTable(const std::vector<std::string>& cellTexts);

// A row counts as filled when neither of its values is -1.0.
inline bool IsFilled(const TableRow& row) {
    return row.X != -1.0 && row.Y != -1.0;
}

// The dependency table's chart and print-out need rows 1 and 2 complete and two different X
// texts in them (5 and 05 differ as texts and pass). cellTexts are the table's 34 cells.
bool FirstRowsReady(const std::vector<std::string>& cellTexts);

// Whether the pupil has typed anything into the table's cells: what leaving the program loses.
bool AnyCellTyped(const std::vector<std::string>& cellTexts);

// Shown when they are not.
inline constexpr const char* kFillTableMessage =
    QT_TRANSLATE_NOOP("kinetra", "Proszę wypełnić tabelę pomiarów");
