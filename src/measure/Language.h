#pragma once

#include <QString>
#include <optional>

// The language the program speaks. Polish is the source of every text; English comes from the
// translation built into the program. The choice is process-wide, like the one window.
enum class Language { Polish, English };

Language CurrentLanguage();

// Installs the English translation or removes it, and puts Qt's own texts into the language.
// False (and Polish kept) when the translation cannot be loaded.
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

// "pl" or "en"; nothing for anything else.
std::optional<Language> LanguageNamed(const QString& name);

// The language a locale name asks for ("pl_PL.UTF-8", "en_GB", "de"): Polish for Polish
// locales, English for any other language; an empty, C or POSIX locale keeps Polish.
Language LanguageOfLocale(const QString& localeName);

// The language of the system locale, as LC_ALL, LC_MESSAGES and LANG give it.
Language SystemLanguage();
