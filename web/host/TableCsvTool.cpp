// The table's CSV bytes exactly as the desktop saves them (core/TableCsv.h), for the rows on the
// command line: kinetra_tablecsv <x heading> <y heading> <x1> <y1> <x2> <y2> ... where -1 is an
// empty cell. The browser's test compares its download with these bytes.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/TableCsv.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: kinetra_tablecsv <x heading> <y heading> <x1> <y1> ...\n");
        return 2;
    }
    TableFile table;
    table.XHeading = argv[1];
    table.YHeading = argv[2];
    for (int i = 1; i <= kTableRowCount; ++i)
        table.Rows[i] = {-1.0, -1.0};
    for (int k = 3; k < argc && (k - 3) / 2 < kTableRowCount; ++k) {
        const double v = std::strtod(argv[k], nullptr);
        TableRow& row = table.Rows[(k - 3) / 2 + 1];
        ((k - 3) % 2 == 0 ? row.X : row.Y) = v;
    }
    const std::string bytes = TableCsv(table);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return 0;
}
