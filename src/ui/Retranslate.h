#pragma once

#include "engine/SurfaceTexts.h"

class QWidget;

// The surface texts in the current language, with its decimal separator.
const SurfaceTexts& CurrentSurfaceTexts();

// A memo or label whose text is several source texts in a row names them in this property (a
// QStringList); each is translated on its own.
inline constexpr char kTextPartsProperty[] = "kinetraTextParts";
// The same for a control's accessible description.
inline constexpr char kDescriptionPartsProperty[] = "kinetraDescriptionParts";

// Puts every caption, memo, hint and window title under root (root included, dialogs owned by
// it too) into the current language, in place: geometry, contents of the edits and the state
// of every control stay as they are. A label whose new caption no longer fits grows to the
// right; a memo whose text no longer fits gets its scroll bar.
void RetranslateTree(QWidget* root);
