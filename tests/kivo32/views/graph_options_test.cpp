// The graph options dialog: filled from the attributes, applied after OK, nothing after Cancel.
#include "kivo32/views/graph_options.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>

#include "kivo32/views/views_ids.h"
#include "platform/ui/control_id.h"
#include "platform/ui/resource_texts.h"
#include "platform/base/program_texts.h"
#include "shared/common/user_data_folder.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class GraphOptionsTest : public testsupport::QtTest {
protected:
    GraphOptionsTest() {
        SetProgramTexts(platform::EnglishTexts());
        std::filesystem::create_directories(UserDataFolder());
        std::filesystem::remove(UserDataFolder() / CGraphObjectAttributes::kFileName);
        attributes.LoadGOAttributes(true, true, true, true);
        attributes.useDefaultAttributes = 0;
        attributes.borderType = 1;
        attributes.SaveGOAttributes();
    }
    ~GraphOptionsTest() override { std::filesystem::remove(UserDataFolder() / CGraphObjectAttributes::kFileName); }

    testsupport::ScriptedUiBroker boxes{IDOK};
    CGraphObjectAttributes attributes{"KIVO 15"};
    std::string exportType = "1";
    std::string exportSize = "2";
};

TEST_F(GraphOptionsTest, OkAppliesTheChoiceAndTheExportSettings) {
    testsupport::OnNextModal([](QWidget* dialog) {
        auto* annotation = platform::FindControlAs<QLineEdit>(dialog, IDC_GRAPH_OPTIONS_ANNOTATION);
        EXPECT_EQ(annotation->text(), "TARV Instruments KIVO 15");
        EXPECT_TRUE(platform::FindControlAs<QAbstractButton>(dialog, IDC_GRAPH_OPTIONS_OWN_ATTRIBUTES)->isChecked());
        EXPECT_EQ(platform::FindControlAs<QLineEdit>(dialog, IDC_GRAPH_OPTIONS_EXPORT_SIZE)->text(), "2");
        annotation->setText("Plant room");
        platform::FindControlAs<QAbstractButton>(dialog, IDC_GRAPH_OPTIONS_DATA_CURSOR)->click();
        platform::FindControlAs<QAbstractButton>(dialog, IDC_GRAPH_OPTIONS_DEFAULT_ATTRIBUTES)->click();
        platform::FindControlAs<QLineEdit>(dialog, IDC_GRAPH_OPTIONS_EXPORT_TYPE)->setText("3");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_TRUE(RunGraphOptions(attributes, exportType, exportSize, nullptr));
    EXPECT_EQ(attributes.annotation, "Plant room");
    EXPECT_EQ(attributes.showDataCursor, 1);
    EXPECT_EQ(attributes.useDefaultAttributes, 1);
    EXPECT_EQ(attributes.borderType, 3);
    EXPECT_EQ(exportType, "3");
}

TEST_F(GraphOptionsTest, CancelChangesNothing) {
    testsupport::OnNextModal([](QWidget* dialog) {
        platform::FindControlAs<QAbstractButton>(dialog, IDC_GRAPH_OPTIONS_DEFAULT_ATTRIBUTES)->click();
        QMetaObject::invokeMethod(dialog, "reject");
    });
    EXPECT_FALSE(RunGraphOptions(attributes, exportType, exportSize, nullptr));
    EXPECT_EQ(attributes.useDefaultAttributes, 0);
    EXPECT_EQ(attributes.borderType, 1);
}

}  // namespace
