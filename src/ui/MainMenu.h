#pragma once

#include <QRect>

#include "ui/FormControls.h"

class QWidget;

// Builds the main menu `Panel1` as a child of `stage`, at (8, 8), with everything it holds: the
// title banner, the ten menu buttons, the six topic panels (hidden) with their icons, texts,
// exercise links and exercise panes (hidden). No signal is connected here; the window connects
// its own handlers to the controls returned.
//
// Kinds of the named controls: panels are QFrame, panes are QScrollArea (their content is the
// scroll area's widget()), memos are read-only QPlainTextEdit, buttons are QPushButton, exercise
// links are ClickLabel, pictures and titles are QLabel, options are QCheckBox.
MainMenuControls BuildMainMenu(QWidget* stage);

// The free-path pane `ScrollBox3` keeps an empty container, objectName "FreePathTableArea", for
// the measurement table and its chart. Its top-left corner lies at (0, kAreaTop) of the pane's
// content, and the places below are in the container's own coordinates. The pane's button
// `BitBtn29` and the options box `Panel5` already stand inside it, below the chart's buttons.
namespace free_path_area {
inline constexpr int kAreaTop = 320;
inline constexpr int kAreaHeight = 462;

// Table rows r = 1 .. 17 stand at 364 + 24 (r - 1) in the pane.
constexpr int RowTop(int r) {
    return 364 + 24 * (r - 1) - kAreaTop;
}
inline constexpr int kRowNumberX = 14;  // the row number's label, right-aligned before the cells
inline constexpr int kLeftCellX = 40;
inline constexpr int kLeftCellWidth = 73;
inline constexpr int kRightCellX = 120;
inline constexpr int kRightCellWidth = 169;
inline constexpr int kCellHeight = 21;
// Two-line column headings and chart title: first line at kHeadingY, second at kHeadingY + 16.
inline constexpr int kHeadingY = 8;
inline constexpr int kChartTitleX = 312;
inline constexpr QRect kChart{312, 44, 318, 225};        // the paint box `wykr`
inline constexpr QRect kDrawButton{312, 277, 155, 30};   // "Rysuj wykres"
inline constexpr QRect kPrintButton{475, 277, 155, 30};  // "Drukuj tabelę i wykres"
// Already placed here: "Uruchom symulację" and the options box.
inline constexpr QRect kRunButton{312, 315, 318, 30};
inline constexpr QRect kOptions{312, 353, 318, 97};
}  // namespace free_path_area
