// The core's shown texts: English without a catalog, the catalog's words with
// one, and placeholders a translation may move.

#include "document/TextCatalog.h"
#include "document/Report.h"

#include <gtest/gtest.h>

#include <map>

using namespace zephra;

namespace {

// A catalog that knows a few texts of one context.
class SmallCatalog : public TextCatalog {
public:
    std::string Translate(const char* context, const char* english) const override {
        const auto found = words.find({context, english});
        return found == words.end() ? english : found->second;
    }
    std::map<std::pair<std::string, std::string>, std::string> words;
};

class TextCatalogTest : public ::testing::Test {
protected:
    void TearDown() override { UseTextCatalog(nullptr); }
};

TEST_F(TextCatalogTest, GivesEnglishWithoutACatalog) {
    EXPECT_EQ(CoreText("ReportPanel", "pressure"), "pressure");
}

TEST_F(TextCatalogTest, GivesTheCatalogsWordsAndEnglishForTheRest) {
    SmallCatalog catalog;
    catalog.words[{"ReportPanel", "pressure"}] = "pression";
    UseTextCatalog(&catalog);
    EXPECT_EQ(CoreText("ReportPanel", "pressure"), "pression");
    EXPECT_EQ(CoreText("Graph", "pressure"), "pressure");
    EXPECT_EQ(CoreText("ReportPanel", "area"), "area");
}

TEST_F(TextCatalogTest, FillsInPlaceholdersWhereverTheTextPutsThem) {
    const struct {
        const char* text;
        std::initializer_list<std::string> values;
        const char* expected;
    } cases[] = {
        {"Page %1 of %2", {"1", "3"}, "Page 1 of 3"}, {"%2 : page %1", {"1", "3"}, "3 : page 1"},
        {"100 % of %1", {"J0"}, "100 % of J0"},       {"%3 stays", {"a"}, "%3 stays"},
        {"ends with %", {}, "ends with %"},           {"%1%1", {"x"}, "xx"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilledIn(c.text, c.values), c.expected) << c.text;
}

TEST_F(TextCatalogTest, PanelLabelsKeepTheirColumnsWhenShorter) {
    SmallCatalog catalog;
    catalog.words[{"ReportPanel", "pressure"}] = "Druck";
    catalog.words[{"ReportPanel", "Wine:"}] = "Vin :";
    UseTextCatalog(&catalog);
    const ReportLines lines = FillLines(TWineRec{});
    EXPECT_EQ(lines.Table[4].substr(0, 29), "                      Druck: ");
    EXPECT_EQ(lines.Summary[1].substr(0, 7), " Vin : ");
}

} // namespace
