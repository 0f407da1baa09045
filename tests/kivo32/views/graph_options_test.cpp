// The graph options dialog shows the picture export's stored numbers by name and gives back the number
// of the name chosen; a number without a name is kept.
#include "kivo32/views/graph_options.h"

#include <gtest/gtest.h>

#include <QAbstractButton>

#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::FindControlAs;

class GraphOptionsTest : public testsupport::QtTest {};

TEST_F(GraphOptionsTest, TheExportSettingsAreChosenByNameAndStoredByNumber) {
    const struct {
        std::string storedType, storedSize;
        unsigned shownType, shownSize;
        int chosenType, chosenSize;
        std::string newType, newSize;
    } cases[] = {
        // The settings' defaults.
        {"2", "3", IDS_EXPORT_TYPE_JPEG, IDS_EXPORT_SIZE_LARGE, 3, 0, "3", "0"},
        {"0", "1", IDS_EXPORT_TYPE_METAFILE, IDS_EXPORT_SIZE_SMALL, 1, 2, "1", "2"},
    };
    for (const auto& c : cases) {
        CGraphOptions dialog;
        dialog.exportType = c.storedType;
        dialog.exportSize = c.storedSize;
        testsupport::OnNextModal([&](QWidget* window) {
            auto* type = FindControlAs<QComboBox>(window, IDC_GRAPH_OPTIONS_EXPORT_TYPE);
            auto* size = FindControlAs<QComboBox>(window, IDC_GRAPH_OPTIONS_EXPORT_SIZE);
            EXPECT_EQ(platform::FromQString(type->currentText()), LoadText(c.shownType));
            EXPECT_EQ(platform::FromQString(size->currentText()), LoadText(c.shownSize));
            type->setCurrentIndex(c.chosenType);
            size->setCurrentIndex(c.chosenSize);
            FindControlAs<QAbstractButton>(window, IDOK)->click();
        });
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.exportType, c.newType);
        EXPECT_EQ(dialog.exportSize, c.newSize);
    }
}

TEST_F(GraphOptionsTest, AStoredNumberWithoutANameIsShownAndKept) {
    CGraphOptions dialog;
    dialog.exportType = "7";
    dialog.exportSize = "3";
    testsupport::OnNextModal([](QWidget* window) {
        EXPECT_EQ(FindControlAs<QComboBox>(window, IDC_GRAPH_OPTIONS_EXPORT_TYPE)->currentText(), "7");
        FindControlAs<QAbstractButton>(window, IDOK)->click();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.exportType, "7");
    EXPECT_EQ(dialog.exportSize, "3");
}

}  // namespace
