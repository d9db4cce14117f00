// The languages the program has, how one is chosen, and the texts in each.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <vector>

#include "core/Languages.h"
#include "core/TranslationTable.h"

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

// A translation is finished only with what the program fills in and lines up: the same
// placeholders, the same line breaks, the blanks at either end that part a caption from its
// number.
TEST(Languages, EveryTranslationKeepsItsSourcesPlaceholdersLinesAndEndBlanks) {
    const std::regex placeholder("%[1-9]");
    const auto placeholders = [&](std::string_view text) {
        std::vector<std::string> found;
        for (auto it = std::cregex_iterator(text.data(), text.data() + text.size(), placeholder);
             it != std::cregex_iterator(); ++it)
            found.push_back(it->str());
        std::sort(found.begin(), found.end());
        return found;
    };
    ASSERT_FALSE(TranslationTables().empty());
    for (const TranslationTable& table : TranslationTables()) {
        ASSERT_FALSE(table.Entries.empty()) << table.Code;
        for (const TranslationEntry& e : table.Entries) {
            const std::string_view s = e.Source, t = e.Translation;
            EXPECT_EQ(placeholders(s), placeholders(t)) << table.Code << ": " << s;
            EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), std::count(t.begin(), t.end(), '\n'))
                << table.Code << ": " << s;
            EXPECT_EQ(s.starts_with(' '), t.starts_with(' ')) << table.Code << ": " << s;
            EXPECT_EQ(s.ends_with(' '), t.ends_with(' ')) << table.Code << ": " << s;
        }
    }
}

TEST(LanguageChoice, PolishLocalesAndNoLocaleKeepPolishOthersTheirOwnOrEnglish) {
    for (const char* polish : {"pl_PL.UTF-8", "pl_PL", "pl", "", " C ", "C.UTF-8", "POSIX"})
        EXPECT_EQ(LanguageOfLocale(polish), Language::Polish) << polish;
    for (const char* other : {"en_GB.UTF-8", "en_US", "de_DE.UTF-8", "fr", "sr_RS@latin"})
        EXPECT_EQ(LanguageOfLocale(other), Language::English) << other;
    EXPECT_EQ(LanguageNamed("pl"), Language::Polish);
    EXPECT_EQ(LanguageNamed("en"), Language::English);
    EXPECT_EQ(LanguageOfLocale("uk_UA.UTF-8").Code, "uk");
    EXPECT_EQ(LanguageNamed("uk")->Code, "uk");
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
