#pragma once

#include <QString>

#include "core/Languages.h"

// The language the window speaks, through Qt's translation machinery: the source texts are
// Polish, every other language is the translation built into the program from translations/.
// The choice is process-wide, like the one window.

Language CurrentLanguage();

// Installs the language's translation (and removes the one before), and puts Qt's own texts
// into the language. False, and the language kept, when the translation cannot be loaded.
bool SetCurrentLanguage(Language language);

// Qt's own texts (the file dialog's captions and its question before replacing a file, the
// standard buttons) and the default locale in the language, where the system has them.
void UseQtTexts(Language language);

// A Polish source text in the current language. In Polish it is the text itself.
QString Tr(const char* source);
QString Tr(const QString& source);

// The Polish source of a text on screen: the text itself unless it is a translation made by Tr.
QString SourceOf(const QString& shown);

// The decimal separator of the current language: the comma in Polish, the point in English.
char DecimalSeparator();
