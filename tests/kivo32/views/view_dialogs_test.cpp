// The save dialog of a download (its options and numbered names) and the question of an extracted
// range, driven as the user would.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <fstream>

#include "kivo32/views/data_file_save_dlg.h"
#include "kivo32/views/extracted_range_save_dlg.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/resource_texts.h"
#include "platform/ui/ui_ids.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::FindControlAs;

class ViewDialogsTest : public testing::Test {
protected:
    void SetUp() override {
        testsupport::EnsureQtApplication();
        SetProgramTexts(platform::EnglishTexts());
    }

    testsupport::TempFolder folder_;
};

TEST_F(ViewDialogsTest, TheSaveDialogOffersTheNextNumberedNameOrTheFileChosenInTheList) {
    for (const char* name : {"Logger7-01.kivo", "Logger7-02.kivo", "existing.kivo"}) {
        std::ofstream(folder_ / name) << "x";
    }
    CDataFileSaveDlg dialog(folder_ / "proposed.kivo", OFN_EXPLORER);
    dialog.SetOptions(0, 1);
    dialog.SetOfferedBaseName("Logger7");
    testsupport::OnNextModal([&](QWidget*) {
        auto* existing = FindControlAs<QCheckBox>(&dialog, IDC_SAVE_OPTION_EXISTING);
        auto* csv = FindControlAs<QCheckBox>(&dialog, IDC_SAVE_OPTION_CSV);
        ASSERT_TRUE(existing != nullptr && csv != nullptr);
        EXPECT_TRUE(existing->isVisible());
        EXPECT_FALSE(existing->isChecked());
        EXPECT_TRUE(csv->isChecked());
        EXPECT_EQ(dialog.GetFileNameText(), "proposed.kivo");

        // Nothing chosen in the list yet: an empty name to choose one.
        existing->click();
        EXPECT_EQ(dialog.GetFileNameText(), "");
        EXPECT_EQ(dialog.windowTitle(), "Choose the Data File to Add To");
        // The file the user picks in the list, once the list has read the folder.
        auto* list = dialog.findChild<QListView*>("listView");
        ASSERT_NE(list, nullptr);
        QModelIndex picked;
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] {
            picked = list->model()->index(0, 0, list->rootIndex());
            for (int row = 0; picked.isValid() && picked.data().toString() != "existing.kivo"; ++row) {
                picked = list->model()->index(row + 1, 0, list->rootIndex());
            }
            return picked.isValid();
        }));
        list->setCurrentIndex(picked);
        existing->click();
        existing->click();
        EXPECT_EQ(dialog.GetFileNameText(), "existing.kivo");

        existing->click();
        EXPECT_EQ(dialog.GetFileNameText(), "Logger7-03.kivo");
        EXPECT_EQ(dialog.windowTitle(), "Save the Downloaded Data");
        csv->click();
        dialog.accept();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), folder_ / "Logger7-03.kivo");
    EXPECT_EQ(dialog.GetAddToExisting(), 0);
    EXPECT_EQ(dialog.GetAlsoCsv(), 0);
}

TEST_F(ViewDialogsTest, TheSaveDialogKeepsTheOptionsAsAcceptedAndHidesThemWithoutTheExplorerFlag) {
    CDataFileSaveDlg dialog(folder_ / "new.kivo", OFN_EXPLORER);
    dialog.SetOptions(1, 0);
    testsupport::OnNextModal([&](QWidget*) { dialog.accept(); });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetAddToExisting(), 1);
    EXPECT_EQ(dialog.GetAlsoCsv(), 0);

    CDataFileSaveDlg plain(folder_ / "new.kivo", 0);
    testsupport::OnNextModal([&](QWidget*) {
        EXPECT_FALSE(FindControlAs<QCheckBox>(&plain, IDC_SAVE_OPTION_EXISTING)->isVisible());
        plain.reject();
    });
    EXPECT_EQ(plain.DoModal(), IDCANCEL);
}

TEST_F(ViewDialogsTest, TheExtractedRangeQuestionReturnsTheChoiceOnOk) {
    struct Case {
        int radio;  // 0 none clicked
        bool ok;
        int result;
        int choice;
    };
    for (const Case& c : {Case{0, true, IDOK, CExtractedRangeSaveDlg::kChoiceSave},
                          Case{2, true, IDOK, CExtractedRangeSaveDlg::kChoiceClose},
                          Case{2, false, IDCANCEL, CExtractedRangeSaveDlg::kChoiceSave}}) {
        CExtractedRangeSaveDlg dialog("site.kivo");
        testsupport::OnNextModal([&](QWidget*) {
            if (c.radio != 0) {
                dialog.findChildren<QRadioButton*>().at(c.radio - 1)->click();
            }
            c.ok ? dialog.accept() : dialog.reject();
        });
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_EQ(dialog.GetChoice(), c.choice);
    }
}

}  // namespace
