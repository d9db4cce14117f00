// The table as CSV bytes, the numbers in them, and the headings in one line.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/CellRules.h"
#include "core/Numbers.h"
#include "core/TableCsv.h"

namespace {

TableRowArray EmptyRows() {
    TableRowArray rows;
    rows.Fill({-1.0, -1.0});
    return rows;
}

TableHeadings PressureHeadings() {
    return {{"Liczba"}, {"cząsteczek N"}, {"Ciśnienie"}, {"x 10 "}, {"-26"}, {"[jedn.]"}};
}

}  // namespace

TEST(TableCsv, TheFilledRowsInOrderUnderQuotedHeadings) {
    TableFile table;
    // Headings a translation might give: a comma, quotes and a line break need quoting.
    table.XHeading = "Liczba cząsteczek, N";
    table.YHeading = "Ciśnienie \"p\"\nx 10^-26 [jedn.]";
    table.Rows = EmptyRows();
    table.Rows[1] = {100, 0.1 + 0.2};
    table.Rows[2] = {-1, 5};  // half-filled rows are left out
    table.Rows[3] = {200, -1};
    table.Rows[4] = {1e6, 0.000001};
    table.Rows[6] = {123456.789, 1.0 / 3};
    table.Rows[17] = {0, 12.5};
    EXPECT_EQ(TableCsv(table),
              "\"Liczba cząsteczek, N\",\"Ciśnienie \"\"p\"\"\nx 10^-26 [jedn.]\"\r\n"
              "100,0.30000000000000004\r\n"
              "1000000,0.000001\r\n"
              "123456.789,0.3333333333333333\r\n"
              "0,12.5\r\n");
    // Only the rows asked for; an empty table gives its headings alone.
    table.RowCount = 5;
    EXPECT_EQ(TableCsv(table).find("123456"), std::string::npos);
    table.Rows = EmptyRows();
    table.XHeading = " s [jedn.] ";
    table.YHeading = "a\rb";
    EXPECT_EQ(TableCsv(table), " s [jedn.] ,\"a\rb\"\r\n");
}

TEST(TableCsv, NumbersHaveAPointNoExponentAndReadBackExactly) {
    EXPECT_EQ(CsvNumber(12.5), "12.5");
    EXPECT_EQ(CsvNumber(1e21), "1000000000000000000000");
    EXPECT_EQ(CsvNumber(2.5e-7), "0.00000025");
    EXPECT_EQ(CsvNumber(0), "0");
    EXPECT_EQ(CsvNumber(-0.0), "0");
    EXPECT_EQ(CsvNumber(5e-324), "0." + std::string(323, '0') + "5");
    // At a power of two the shortest digits need not be the rounded ones.
    EXPECT_EQ(CsvNumber(std::ldexp(1.0, 60)), "1152921504606847000");
    EXPECT_EQ(CsvNumber(std::ldexp(1.0, -1074)), CsvNumber(5e-324));
    // Whatever the pupil can type into a cell comes back as the same number, in the same
    // digits where they are not more than a double holds.
    std::mt19937 rng(15);
    std::uniform_int_distribution<int> digit(0, 9), length(1, 15), comma(0, 15);
    for (int n = 0; n < 5000; ++n) {
        std::string text(1, static_cast<char>('1' + digit(rng) % 9));
        const int digits = length(rng);
        const int at = comma(rng);
        for (int i = 1; i < digits; ++i) {
            if (i == at) text += ',';
            text += static_cast<char>('0' + digit(rng));
        }
        const double value = CellValue(text);
        const std::string written = CsvNumber(value);
        EXPECT_EQ(written.find_first_of(",e"), std::string::npos) << written;
        EXPECT_EQ(ReadDecimal(written), value) << text;
        if (text.find(',') == std::string::npos || text.back() != '0') {
            std::string pointed = text;
            std::replace(pointed.begin(), pointed.end(), ',', '.');
            EXPECT_EQ(written, pointed);
        }
    }
}

TEST(TableCsv, HeadingsInOneLine) {
    EXPECT_EQ(StudyYHeading(PressureHeadings()), "Ciśnienie x 10^-26 [jedn.]");
    TableHeadings temperature = PressureHeadings();
    temperature.Label103.Text = "Temperatura";
    temperature.Label104.Visible = false;
    temperature.Label73.Visible = false;
    EXPECT_EQ(StudyYHeading(temperature), "Temperatura [jedn.]");
    EXPECT_EQ(OneLineHeading({"Średnia droga swobodna ", "s [jedn.]"}),
              "Średnia droga swobodna s [jedn.]");
    EXPECT_EQ(OneLineHeading({"", "  Liczba\n cząsteczek\u00a0\u3000"}), "Liczba cząsteczek");
}
