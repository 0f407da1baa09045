// The control-id tables of every model: which cells hold which control, and the column lists.
#include <gtest/gtest.h>

#include "kivo32/setuprules/control_id_tables.h"

namespace {

TEST(ControlIdTablesTest, CellsOfModelSix) {
    const ControlIdTables tables = FillControlIdTables(6);
    EXPECT_EQ(tables.GetValueControlId(0, 5), 1088);
    EXPECT_EQ(tables.GetValueControlId(1, 5), 0);
    EXPECT_EQ(tables.GetValueControlId(1, 7), 1099);
    EXPECT_EQ(tables.GetCaptionId(1, 7), 2121);
    EXPECT_EQ(tables.GetValueControlId(6, 0), -1);
    EXPECT_EQ(tables.GetValueControlId(0, 19), -1);
}

TEST(ControlIdTablesTest, ModelsWithoutChannelPagesHaveOnlyZeroCells) {
    for (const int model : {0, 1, 11, 12}) {
        const ControlIdTables tables = FillControlIdTables(model);
        for (int channel = 0; channel < 6; ++channel) {
            for (int column = 0; column < kSetupColumns; ++column) {
                EXPECT_EQ(tables.GetValueControlId(channel, column), 0)
                    << model << " " << channel << " " << column;
                EXPECT_EQ(tables.GetCaptionId(channel, column), 0);
            }
        }
        EXPECT_TRUE(tables.hardwareColumns.empty());
        EXPECT_TRUE(tables.softwareColumns.empty());
    }
}

TEST(ControlIdTablesTest, ColumnListLengths) {
    struct Case {
        int model;
        std::size_t hardware;
        std::size_t software;
    };
    for (const Case& c :
         {Case{2, 12, 12}, Case{13, 13, 11}, Case{14, 13, 11}, Case{3, 8, 0}, Case{4, 4, 0}, Case{5, 6, 0},
          Case{6, 8, 0}, Case{7, 7, 0}, Case{8, 7, 0}, Case{9, 7, 0}, Case{10, 6, 0}}) {
        const ControlIdTables tables = FillControlIdTables(c.model);
        EXPECT_EQ(tables.hardwareColumns.size(), c.hardware) << c.model;
        EXPECT_EQ(tables.softwareColumns.size(), c.software) << c.model;
    }
}

// A column list names exactly the columns some row fills, and a filled control cell has its caption
// (software sum boxes excepted).
TEST(ControlIdTablesTest, ColumnListsMatchTheFilledCells) {
    for (int model = 0; model <= 14; ++model) {
        const ControlIdTables tables = FillControlIdTables(model);
        for (int channel = 0; channel < 6; ++channel) {
            const std::vector<int>& listed = tables.Columns(channel);
            for (int column = 0; column < kSetupColumns; ++column) {
                const int control = tables.GetValueControlId(channel, column);
                if (control != 0) {
                    EXPECT_NE(std::find(listed.begin(), listed.end(), column), listed.end()) << model;
                    const bool sumBox = channel >= 4 && column >= 1 && column <= 4;
                    EXPECT_EQ(tables.GetCaptionId(channel, column) != 0, !sumBox) << model << " " << column;
                }
            }
        }
    }
}

TEST(ControlIdTablesTest, SoftwareRowsOfTheQuarvenModels) {
    const ControlIdTables quarven = FillControlIdTables(2);
    EXPECT_EQ(quarven.GetValueControlId(4, 1), 2194);
    EXPECT_EQ(quarven.GetValueControlId(5, 4), 2201);
    EXPECT_EQ(quarven.GetValueControlId(5, 13), 1142);
    EXPECT_EQ(quarven.GetCaptionId(4, 15), 2174);
    EXPECT_EQ(quarven.GetValueControlId(4, 17), 1081);
    EXPECT_EQ(FillControlIdTables(13).GetValueControlId(4, 17), 0);
    EXPECT_EQ(FillControlIdTables(14).GetValueControlId(0, 8), 1916);
    EXPECT_EQ(FillControlIdTables(2).GetValueControlId(0, 8), 0);
}

}  // namespace
