// The languages the program has, how one is chosen, and the texts in each.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/Languages.h"

TEST(Languages, PolishFirstThenEveryTranslationWithItsOwnNameAndSeparator) {
    const auto languages = Languages();
    ASSERT_GE(languages.size(), 2u);
    EXPECT_EQ(languages[0].Id, Language::Polish);
    EXPECT_EQ(languages[0].OwnName, "Polski");
    EXPECT_EQ(DecimalSeparatorOf(Language::Polish), ',');
    EXPECT_EQ(InfoOf(Language::English).OwnName, "English");
    EXPECT_EQ(DecimalSeparatorOf(Language::English), '.');
    // A translation file needs its line of the language's own name.
    for (const LanguageInfo& info : languages) {
        EXPECT_NE(info.OwnName, info.Id.Code) << info.Id.Code;
        EXPECT_EQ(LanguageNamed(info.Id.Code), info.Id);
    }
}

TEST(Languages, TextsComeFromTheTranslationsAndStayPolishWithout) {
    EXPECT_EQ(Translate(Language::English, "Dyfuzja"), "Diffusion");
    EXPECT_EQ(Translate(Language::English, "Proszę wypełnić tabelę pomiarów"),
              "Please fill in the table of measurements");
    EXPECT_EQ(Translate(Language::Polish, "Dyfuzja"), "Dyfuzja");
    EXPECT_EQ(Translate(Language::English, "dd.MM.yyyy"), "dd/MM/yyyy");  // the printed date
    EXPECT_EQ(Translate(Language::English, "nie ma takiego tekstu"), "nie ma takiego tekstu");
    EXPECT_EQ(Translate(Language::English, ""), "");
}

TEST(LanguageChoice, PolishLocalesAndNoLocaleKeepPolishOthersTheirOwnOrEnglish) {
    for (const char* polish : {"pl_PL.UTF-8", "pl_PL", "pl", "", " C ", "C.UTF-8", "POSIX"})
        EXPECT_EQ(LanguageOfLocale(polish), Language::Polish) << polish;
    for (const char* other : {"en_GB.UTF-8", "en_US", "de_DE.UTF-8", "fr", "sr_RS@latin"})
        EXPECT_EQ(LanguageOfLocale(other), Language::English) << other;
    EXPECT_EQ(LanguageNamed("pl"), Language::Polish);
    EXPECT_EQ(LanguageNamed("en"), Language::English);
    EXPECT_FALSE(LanguageNamed("de").has_value());
    EXPECT_FALSE(LanguageNamed("").has_value());
}

TEST(LanguageChoice, TheSystemLocaleDecidesByTheFirstVariableSet) {
    unsetenv("LC_ALL");
    setenv("LC_MESSAGES", "de_DE.UTF-8", 1);
    setenv("LANG", "pl_PL.UTF-8", 1);
    EXPECT_EQ(SystemLanguage(), Language::English);
    setenv("LC_ALL", "pl_PL.UTF-8", 1);
    EXPECT_EQ(SystemLanguage(), Language::Polish);
    setenv("LC_ALL", "", 1);  // set but empty counts as not set
    EXPECT_EQ(SystemLanguage(), Language::English);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        unsetenv(name);
    EXPECT_EQ(SystemLanguage(), Language::Polish);
}
