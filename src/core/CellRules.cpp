#include "core/CellRules.h"

#include <algorithm>

#include "core/Numbers.h"
#include "core/Utf8.h"

namespace {

bool Accepted(char32_t c, char32_t separator) {
    return (c >= U'0' && c <= U'9') || c == separator;
}

// The number of separators and whether the text starts with one; a byte of a multibyte
// character is never an ASCII separator.
std::size_t Count(std::string_view text, char separator) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), separator));
}

}  // namespace

std::string ValidateCellText(std::string_view text, char separator) {
    std::u32string characters = CodePoints(text);
    const std::u32string whole = characters;
    const auto sep = static_cast<char32_t>(separator);
    bool bad = text == "0";
    for (const char32_t c : whole) {
        if (!Accepted(c, sep)) bad = true;
    }
    if (bad && !characters.empty()) characters.pop_back();
    std::string result = Utf8(characters);
    if (text.starts_with(separator)) result = std::string("0") + separator;
    if (Count(text, separator) > 1) result.clear();
    return result;
}

std::string SettleCellText(std::string_view text, char separator) {
    // One pass of the check settles the separator rules: a second one empties the cell, a
    // leading one makes it "0,", and both results pass.
    if (Count(text, separator) > 1 || text.starts_with(separator)) {
        return ValidateCellText(text, separator);
    }
    // Otherwise the tail goes until the text holds digits and at most one separator only, and a
    // lone "0" goes too. Every accepted character is one byte.
    std::size_t good = 0;
    while (good < text.size() &&
           Accepted(static_cast<unsigned char>(text[good]), static_cast<char32_t>(separator))) {
        ++good;
    }
    std::string settled(text.substr(0, good));
    if (settled == "0") settled.clear();
    return settled;
}

std::string NormalisedCellText(std::string_view text, char separator) {
    const char other = separator == ',' ? '.' : ',';
    std::string result(text);
    std::replace(result.begin(), result.end(), other, separator);
    if (CodePoints(result).size() > 1 && result.front() == separator) {
        result.insert(result.begin(), '0');
    }
    return result;
}

const char* CellHintFor(std::string_view text, char separator) {
    const bool comma = separator == ',';
    if (Count(text, separator) > 1) {
        return comma ? QT_TRANSLATE_NOOP("kinetra", "Tylko jeden przecinek")
                     : QT_TRANSLATE_NOOP("kinetra", "Tylko jedna kropka dziesiętna");
    }
    const auto sep = static_cast<char32_t>(separator);
    for (const char32_t c : CodePoints(text)) {
        if (!Accepted(c, sep)) {
            return comma ? QT_TRANSLATE_NOOP("kinetra", "Tylko cyfry i przecinek")
                         : QT_TRANSLATE_NOOP("kinetra", "Tylko cyfry i kropka");
        }
    }
    return nullptr;
}

double CellValue(std::string_view text) {
    if (text.empty()) return -1.0;
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    if (number.back() == '.') number.pop_back();
    if (number.empty()) return -1.0;
    return ReadDecimal(number).value_or(-1.0);
}

TableRowArray GatherTable(const std::vector<std::string>& cellTexts) {
    TableRowArray rows;
    for (int k = 1; k <= 2 * kTableRowCount; ++k) {
        const auto index = static_cast<std::size_t>(k - 1);
        const double value = index < cellTexts.size() ? CellValue(cellTexts[index]) : -1.0;
        TableRow& row = rows[(k + 1) / 2];
        (k % 2 == 1 ? row.X : row.Y) = value;
    }
    return rows;
}

bool FirstRowsReady(const std::vector<std::string>& cellTexts) {
    if (cellTexts.size() < 4) return false;
    for (std::size_t k = 0; k < 4; ++k) {
        if (cellTexts[k].empty()) return false;
    }
    return cellTexts[0] != cellTexts[2];
}

bool AnyCellTyped(const std::vector<std::string>& cellTexts) {
    for (const std::string& text : cellTexts) {
        if (!text.empty()) return true;
    }
    return false;
}
