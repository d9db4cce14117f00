#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/CellRules.h"

// The measurements as a CSV file for a spreadsheet, and the column headings in plain text.

// A caption of the table panel's headings; a hidden one counts as an empty text.
struct HeadingCaption {
    std::string Text;
    bool Visible = true;
    std::string Shown() const { return Visible ? Text : std::string(); }
};

// The column headings of the dependency table, by the names of their labels: the x column in
// two lines (Label102, Label105), the y column's quantity (Label103), multiplier (Label104),
// raised exponent (Label73) and unit (Label74).
struct TableHeadings {
    HeadingCaption Label102, Label105, Label103, Label104, Label73, Label74;
};

// A heading shown in several labels, as one line: the non-empty parts, each trimmed, joined by
// one blank.
std::string OneLineHeading(const std::vector<std::string>& parts);

// The dependency table's y heading in plain text: the quantity, the power of ten while it is
// shown ("Ciśnienie x 10^-26 [jedn.]") and the unit.
std::string StudyYHeading(const TableHeadings& headings);

// A number as a spreadsheet reads it whatever its language: a decimal point, no exponent, the
// fewest digits that read back as the same value.
std::string CsvNumber(double value);

// One field of a CSV line, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);

// A table as it goes into a file: one heading per column and the rows that are filled.
struct TableFile {
    std::string XHeading;
    std::string YHeading;
    TableRowArray Rows;
    int RowCount = kTableRowCount;
};

// RFC 4180 in UTF-8 without a byte order mark: a header line and one line per filled row among
// 1..RowCount, in row order; lines end with CR LF.
std::string TableCsv(const TableFile& table);
