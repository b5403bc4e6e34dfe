#include "analysis/UnusedRows.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zephra {
namespace {

// One row of boxes as stored; "" is an empty box.
struct Row {
    const char* volume;
    const char* minutes;
    const char* seconds;
};

// Rows 1.. hold `rows`; every later row is empty. A full row is "10.0, 1, 00".
TData DataOf(const std::vector<Row>& rows) {
    TData data{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        data.V[i].assign(rows[i].volume);
        data.T[i].M.assign(rows[i].minutes);
        data.T[i].Sc.assign(rows[i].seconds);
    }
    return data;
}

std::vector<Row> FullRows(int count) {
    return std::vector<Row>(static_cast<std::size_t>(count), Row{"10.0", "1", "00"});
}

std::vector<Row> With(std::vector<Row> rows, int number, Row row) {
    if (rows.size() < static_cast<std::size_t>(number)) {
        rows.resize(static_cast<std::size_t>(number), Row{"", "", ""});
    }
    rows[static_cast<std::size_t>(number - 1)] = row;
    return rows;
}

TEST(UnusedRowsTest, NamesTheRowsAfterTheFirstIncompleteOneAndWhy) {
    struct Case {
        const char* name;
        std::vector<Row> rows;
        std::optional<std::string> warning;
    };
    const Case cases[] = {
        {"no data", {}, std::nullopt},
        {"every row counted", FullRows(36), std::nullopt},
        {"data end with an empty row", FullRows(12), std::nullopt},
        {"empty volume in row 6", With(FullRows(12), 6, {"", "", ""}),
         "Rows 7 to 12 are not used: row 6 has no volume."},
        {"empty seconds in the last row", With(FullRows(12), 12, {"10.0", "1", ""}),
         "Row 12 is not used: it has no seconds."},
        {"empty minutes with rows after", With(FullRows(14), 12, {"10.0", "", "05"}),
         "Rows 13 to 14 are not used: row 12 has no minutes."},
        {"empty volume with a time in row 6", With(FullRows(12), 6, {"", "1", "30"}),
         "Rows 7 to 12 are not used: row 6 has no volume."},
        {"one stray row after a gap", With(FullRows(5), 9, {"", "", "30"}),
         "Row 9 is not used: row 6 has no volume."},
        {"only a time in row 1", With({}, 1, {"", "0", "15"}),
         "Row 1 is not used: it has no volume."},
        {"row 36 after a gap", With(FullRows(3), 36, {"50.0", "9", "00"}),
         "Row 36 is not used: row 4 has no volume."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UnusedRowsWarning(DataOf(c.rows)), c.warning);
    }
}

} // namespace
} // namespace zephra
