#include "core/Languages.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <vector>

#include "core/TranslationTable.h"

namespace {

// How each language names itself, and its decimal separator: a file added to translations/
// needs its line here and nothing else.
constexpr LanguageInfo kKnown[] = {
    {Language::Polish, "Polski", ','},
    {Language::English, "English", '.'},
    {Language{"uk"}, "Українська", ','},
};

struct Built {
    std::vector<LanguageInfo> Languages;
    std::vector<std::unordered_map<std::string_view, std::string_view>> Texts;  // after Polish
};

const Built& Catalogue() {
    static const Built built = [] {
        Built b;
        b.Languages.push_back(kKnown[0]);
        b.Texts.emplace_back();
        std::vector<TranslationTable> tables(TranslationTables().begin(),
                                             TranslationTables().end());
        std::sort(tables.begin(), tables.end(),
                  [](const auto& x, const auto& y) { return x.Code < y.Code; });
        for (const TranslationTable& table : tables) {
            // A file without its line still speaks: named by its code, with the comma.
            LanguageInfo info{Language{table.Code}, table.Code, ','};
            for (const LanguageInfo& known : kKnown) {
                if (known.Id.Code == table.Code) info = known;
            }
            b.Languages.push_back(info);
            auto& texts = b.Texts.emplace_back();
            for (const TranslationEntry& e : table.Entries)
                texts.emplace(e.Source, e.Translation);
        }
        return b;
    }();
    return built;
}

std::size_t IndexOf(Language language) {
    const auto& languages = Catalogue().Languages;
    for (std::size_t i = 0; i < languages.size(); ++i) {
        if (languages[i].Id == language) return i;
    }
    return 0;
}

std::string_view Trimmed(std::string_view text) {
    const auto space = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::span<const LanguageInfo> Languages() {
    return Catalogue().Languages;
}

const LanguageInfo& InfoOf(Language language) {
    return Catalogue().Languages[IndexOf(language)];
}

std::optional<Language> LanguageNamed(std::string_view code) {
    for (const LanguageInfo& info : Languages()) {
        if (info.Id.Code == code) return info.Id;
    }
    return std::nullopt;
}

Language LanguageOfLocale(std::string_view localeName) {
    const std::string_view name = Trimmed(localeName);
    if (name.empty() || name == "C" || name.starts_with("C.") || name == "POSIX") {
        return Language::Polish;
    }
    // "pl_PL.UTF-8@euro": the language is the part before the territory, the code set and the
    // modifier.
    const std::string_view code = name.substr(0, name.find_first_of("_.@"));
    return LanguageNamed(code).value_or(Language::English);
}

Language SystemLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return LanguageOfLocale(value);
    }
    return Language::Polish;
}

std::string Translate(Language language, std::string_view polishSource) {
    const auto& texts = Catalogue().Texts[IndexOf(language)];
    const auto found = texts.find(polishSource);
    return std::string(found == texts.end() ? polishSource : found->second);
}
