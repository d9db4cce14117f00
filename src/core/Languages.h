#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The languages the program speaks. Polish is the source of every text; every other language is
// a file translations/kinetra_<code>.ts, built into the program as a table.

// A language, known by its code: "pl", "en".
struct Language {
    std::string_view Code = "pl";

    static const Language Polish;
    static const Language English;
    friend bool operator==(Language a, Language b) { return a.Code == b.Code; }
};
inline constexpr Language Language::Polish{"pl"};
inline constexpr Language Language::English{"en"};

struct LanguageInfo {
    Language Id;
    std::string_view OwnName;  // how the language names itself: "Polski", "English"
    char Decimal = ',';        // its decimal separator
};

// Polish first, then every language with a translation built in, in the order of their codes.
std::span<const LanguageInfo> Languages();

// What the program knows of a language; a language it has no translation of is Polish.
const LanguageInfo& InfoOf(Language language);

// The language's decimal separator: the comma in Polish, the point in English.
inline char DecimalSeparatorOf(Language language) {
    return InfoOf(language).Decimal;
}

// The language with this code, as the command line names it ("pl", "en"); nothing when the
// program does not speak it.
std::optional<Language> LanguageNamed(std::string_view code);

// The language a locale name asks for ("pl_PL.UTF-8", "en_GB", "de"): the locale's language
// where the program speaks it, English for any other; an empty, C or POSIX locale keeps Polish.
Language LanguageOfLocale(std::string_view localeName);

// The language of the system locale, as LC_ALL, LC_MESSAGES and LANG give it: the first of them
// that is set decides, as in the C library.
Language SystemLanguage();

// A Polish source text in the language: its translation, or the text itself in Polish and where
// the language's file has none.
std::string Translate(Language language, std::string_view polishSource);
