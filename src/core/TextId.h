#pragma once

// Marks a Polish source text for translation. The Polish text is the id by which every
// front-end looks up its translation. Spelled exactly as Qt spells it, so that Qt's lupdate
// finds the texts in plain C++ and a file that also includes Qt sees one and the same macro.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
