#include "core/TableCsv.h"

#include <algorithm>

#include "core/Numbers.h"
#include "core/Utf8.h"

std::string OneLineHeading(const std::vector<std::string>& parts) {
    std::string line;
    for (const std::string& part : parts) {
        const std::string trimmed = Simplified(part);
        if (trimmed.empty()) continue;
        if (!line.empty()) line += ' ';
        line += trimmed;
    }
    return line;
}

std::string StudyYHeading(const TableHeadings& h) {
    std::vector<std::string> parts{h.Label103.Shown()};
    const std::string multiplier = Simplified(h.Label104.Shown());
    const std::string exponent = Simplified(h.Label73.Shown());
    // The raised exponent cannot be raised in plain text; a caret says it is one.
    if (!multiplier.empty() || !exponent.empty()) {
        parts.push_back(exponent.empty() ? multiplier : multiplier + '^' + exponent);
    }
    parts.push_back(h.Label74.Shown());
    return OneLineHeading(parts);
}

std::string CsvNumber(double value) {
    return ShortestDecimal(value);
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + '"';
}

std::string TableCsv(const TableFile& table) {
    const std::string lineEnd = "\r\n";
    std::string text = CsvField(table.XHeading) + ',' + CsvField(table.YHeading) + lineEnd;
    const int count = std::clamp(table.RowCount, 0, kTableRowCount);
    for (int i = 1; i <= count; ++i) {
        const TableRow& row = table.Rows[i];
        if (!IsFilled(row)) continue;
        text += CsvNumber(row.X) + ',' + CsvNumber(row.Y) + lineEnd;
    }
    return text;
}
