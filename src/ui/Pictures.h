#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// Every picture of the program's windows, drawn by code (the panel's miniature is the panel).
// Sizes are logical pixels; the pixmaps carry the application's device pixel ratio, so they stay
// sharp when the screen is scaled.
// Functions that take a control's name return a null pixmap for a name they do not know.

namespace pictures {
inline constexpr QSize kGlyphSize{25, 25};
inline constexpr QSize kBannerSize{712, 56};
inline constexpr QSize kVesselSize{183, 183};     // Image13, Image14
inline constexpr QSize kFreePathSize{193, 154};   // Image34
inline constexpr QSize kKeyButtonSize{40, 33};    // tool buttons in the key guide
inline constexpr QSize kPanelMiniSize{257, 201};  // the initial-conditions panel in the key guide
}  // namespace pictures

// Glyph of a tool button, transparent: "BitBtn7" restart, "BitBtn6" pause, "BitBtn18" parameters,
// "BitBtn19" print, "BitBtn1" back to the menu.
QPixmap ToolGlyph(const QString& buttonName);

// Glyph of the pause button while the run is paused: the play sign.
QPixmap ResumeGlyph();

// Glyph of the Units dialog's "Wyjście" button.
QPixmap ExitGlyph();

// The title banner Image1: the product title in chrome capitals on a transparent ground.
QPixmap TitleBanner();

// Glyph of a main-menu button: "BitBtn11", "BitBtn8", "BitBtn9", "BitBtn12", "BitBtn16",
// "BitBtn17", "BitBtn26", "BitBtn10", "BitBtn4", "BitBtn2".
QPixmap MenuGlyph(const QString& buttonName);

// Round icon of a topic panel: "Panel3", "Panel4", "Panel6", "Panel7", "Panel9", "Panel10".
QPixmap TopicIcon(const QString& panelName);

// Image13: a vessel with yellow particles in its left half and red ones in its right half.
QPixmap UnmixedVesselPicture();
// Image14: the same vessel after the two substances have mixed.
QPixmap MixedVesselPicture();
// Image34: red particles on green, one yellow particle with its black zig-zag path.
QPixmap FreePathPicture();

// Glyph of the exercise panes' run buttons ("Uruchom", "Uruchom symulację"): a green arrow.
QPixmap RunGlyph();

// A tool button as the key guide shows it: raised face with the button's glyph.
QPixmap KeyButtonPicture(const QString& buttonName);
// A miniature of the initial-conditions panel with its start values: the real panel in the
// current language.
QPixmap InitialConditionsPicture();
// Marks a label that shows the miniature: a change of language draws it again.
inline constexpr char kPanelPictureProperty[] = "kinetraPanelPicture";
