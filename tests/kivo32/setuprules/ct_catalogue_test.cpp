// The CT catalogue: heading skipped, empty lines give no row, missing fields are empty, Windows line
// ends are taken.
#include <gtest/gtest.h>

#include <sstream>

#include "kivo32/setuprules/ct_catalogue.h"

namespace {

std::vector<CTCatalogueRow> Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseCTCatalogue(in);
}

TEST(CTCatalogueTest, RowsFieldsAndPictures) {
    EXPECT_TRUE(Parse("Name,Output,Rated,Second,Picture\n").empty());
    EXPECT_TRUE(Parse("").empty());
    const std::vector<CTCatalogueRow> rows = Parse(
        "Name,Output,Rated,Second,Picture\r\n"
        "Clamp 600,MV,600,0.85,\r\n"
        "\r\n"
        "Coil 3000,RC,3000,0,coil.png\r\n"
        "Short\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "Clamp 600");
    EXPECT_EQ(rows[0].outputKind, "MV");
    EXPECT_EQ(rows[0].ratedValue, "600");
    EXPECT_EQ(rows[0].secondValue, "0.85");
    EXPECT_EQ(rows[0].picture, "");
    // The row after an empty line keeps its own picture.
    EXPECT_EQ(rows[1].name, "Coil 3000");
    EXPECT_EQ(rows[1].picture, "coil.png");
    EXPECT_EQ(rows[2].name, "Short");
    EXPECT_EQ(rows[2].outputKind, "");
    EXPECT_EQ(rows[2].picture, "");
}

}  // namespace
