#pragma once

#include <span>
#include <string_view>

// The translations built into the program, one table per file translations/kinetra_<code>.ts,
// made when the program is built (TranslationTable.cmake). The Polish source is the key.
struct TranslationEntry {
    std::string_view Source;
    std::string_view Translation;
};

struct TranslationTable {
    std::string_view Code;
    std::span<const TranslationEntry> Entries;
};

std::span<const TranslationTable> TranslationTables();
