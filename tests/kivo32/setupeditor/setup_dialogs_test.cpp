// The model list with its help box and the two CT-size dialogs, driven as the user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "kivo32/setupeditor/get_sut_type_dlg.h"
#include "kivo32/setupeditor/setupeditor_ids.h"
#include "kivo32/setupeditor/sut_ct_size_ambrix_dlg.h"
#include "kivo32/setupeditor/sut_ct_size_dlg.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/resource_texts.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::FindControlAs;

class SetupDialogsTest : public testing::Test {
protected:
    void SetUp() override {
        testsupport::EnsureQtApplication();
        SetProgramTexts(platform::EnglishTexts());
        CGetSUTTypeDlg::SetLastChosenModel(-1);
    }
    void TearDown() override { EXPECT_EQ(broker_.UnusedAnswers(), 0u); }

    testsupport::ScriptedUiBroker broker_;
};

TEST_F(SetupDialogsTest, TheModelListOffersTheModelsInOrderAndRemembersTheChoice) {
    CGetSUTTypeDlg first;
    testsupport::OnNextModal([&](QWidget*) {
        auto* list = FindControlAs<QComboBox>(&first, IDC_SUT_TYPE_LIST);
        ASSERT_NE(list, nullptr);
        std::vector<int> codes;
        for (int i = 0; i < list->count(); ++i) {
            codes.push_back(list->itemData(i).toInt());
        }
        EXPECT_EQ(codes, (std::vector<int>{14, 13, 2, 6, 3, 4, 5, 7, 8, 9, 10}));
        EXPECT_EQ(list->itemText(2), "Quarven  (4 Channel)");
        EXPECT_EQ(list->currentIndex(), 0);
        list->setCurrentIndex(7);
        first.accept();
    });
    ASSERT_EQ(first.DoModal(), IDOK);
    EXPECT_EQ(first.GetModelCode(), 7);
    EXPECT_EQ(CGetSUTTypeDlg::GetLastChosenModel(), 7);

    CGetSUTTypeDlg second;
    testsupport::OnNextModal([&](QWidget*) {
        EXPECT_EQ(FindControlAs<QComboBox>(&second, IDC_SUT_TYPE_LIST)->currentText(), "Brelan 4 mA");
        FindControlAs<QComboBox>(&second, IDC_SUT_TYPE_LIST)->setCurrentIndex(1);
        second.reject();
    });
    EXPECT_EQ(second.DoModal(), IDCANCEL);
    EXPECT_EQ(CGetSUTTypeDlg::GetLastChosenModel(), 7);
}

TEST_F(SetupDialogsTest, TheHelpButtonShowsTheHelpBoxWithTheInformationIcon) {
    CGetSUTTypeDlg dialog;
    bool helpShown = false;
    testsupport::OnNextModal([&](QWidget*) {
        testsupport::OnNextModal([&](QWidget* help) {
            helpShown = help != &dialog;
            auto* icon = FindControlAs<QLabel>(help, IDC_SUT_TYPE_HELP_ICON);
            ASSERT_NE(icon, nullptr);
            EXPECT_FALSE(icon->pixmap().isNull());
            FindControlAs<QPushButton>(help, IDOK)->click();
            testsupport::OnNextModal([&](QWidget*) { dialog.reject(); });
        });
        FindControlAs<QPushButton>(&dialog, IDC_SUT_TYPE_HELP)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(helpShown);
}

TEST_F(SetupDialogsTest, TheCTSizeTakesOnlyAPositiveNumber) {
    CSUTCTSizeDlg dialog;
    testsupport::OnNextModal([&](QWidget*) {
        auto* edit = FindControlAs<QLineEdit>(&dialog, IDC_CT_SIZE);
        EXPECT_EQ(edit->text(), "100.00");
        for (const char* refused : {"0", "-5", "abc", "", "1e999", "12 A"}) {
            broker_.AnswerMessageBox(IDOK);
            edit->setText(refused);
            dialog.accept();
            EXPECT_TRUE(dialog.isVisible()) << refused;
        }
        edit->setText(" 250.5 ");
        dialog.accept();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetCTSizeText(), " 250.5 ");
    EXPECT_DOUBLE_EQ(dialog.GetCTSize(), 250.5);
    for (const auto& asked : broker_.Asked()) {
        EXPECT_EQ(asked.text, "Please enter a CT size greater than 0.");
    }

    CSUTCTSizeDlg defaults;
    testsupport::OnNextModal([&](QWidget*) { defaults.accept(); });
    ASSERT_EQ(defaults.DoModal(), IDOK);
    EXPECT_EQ(defaults.GetCTSizeText(), "100.00");
    EXPECT_DOUBLE_EQ(defaults.GetCTSize(), 100.0);
}

// Keys go where the user's keys would: to the control with the focus.
void TypeInto(QWidget* dialog, const QString& typed) {
    QWidget* target = dialog->focusWidget();
    ASSERT_NE(target, nullptr);
    for (QChar character : typed) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(target, &press);
    }
}

TEST_F(SetupDialogsTest, TypingIntoTheCTSizeReplacesTheDefault) {
    CSUTCTSizeDlg dialog;
    testsupport::OnNextModal([&](QWidget*) {
        auto* edit = FindControlAs<QLineEdit>(&dialog, IDC_CT_SIZE);
        EXPECT_TRUE(testsupport::ProcessEventsUntil([&] { return dialog.focusWidget() == edit; }));
        EXPECT_EQ(edit->selectedText(), "100.00");
        TypeInto(&dialog, "250");
        dialog.accept();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetCTSizeText(), "250");
}

TEST_F(SetupDialogsTest, TheCTKindDialogReturnsItsDefaultsOrTheFixedKind) {
    CSUTCTSizeAmbrixDlg atOnce;
    testsupport::OnNextModal([&](QWidget*) {
        EXPECT_TRUE(FindControlAs<QRadioButton>(&atOnce, IDC_CT_KIND_SIZED)->isChecked());
        EXPECT_EQ(FindControlAs<QLineEdit>(&atOnce, IDC_CT_FACTOR)->text(), "1.10");
        // No CT chooser yet: the catalogue stays closed.
        EXPECT_FALSE(FindControlAs<QPushButton>(&atOnce, IDC_CT_CATALOGUE)->isEnabled());
        atOnce.accept();
    });
    ASSERT_EQ(atOnce.DoModal(), IDOK);
    EXPECT_EQ(atOnce.GetKind(), CSUTCTSizeAmbrixDlg::kKindSized);
    EXPECT_DOUBLE_EQ(atOnce.GetCTSize(), 100.0);
    EXPECT_DOUBLE_EQ(atOnce.GetFactor(), 1.1);

    CSUTCTSizeAmbrixDlg fixed;
    testsupport::OnNextModal([&](QWidget*) {
        FindControlAs<QRadioButton>(&fixed, IDC_CT_KIND_FIXED)->click();
        EXPECT_EQ(FindControlAs<QLineEdit>(&fixed, IDC_CT_AMBRIX_SIZE)->text(), "5000.0");
        for (int id : {IDC_CT_SIZE_LABEL, IDC_CT_AMBRIX_SIZE, IDC_CT_FACTOR_LABEL, IDC_CT_FACTOR}) {
            EXPECT_FALSE(platform::FindControl(&fixed, id)->isEnabled()) << id;
        }
        FindControlAs<QRadioButton>(&fixed, IDC_CT_KIND_SIZED)->click();
        EXPECT_EQ(FindControlAs<QLineEdit>(&fixed, IDC_CT_AMBRIX_SIZE)->text(), "100.0");
        EXPECT_TRUE(platform::FindControl(&fixed, IDC_CT_FACTOR)->isEnabled());
        FindControlAs<QRadioButton>(&fixed, IDC_CT_KIND_FIXED)->click();
        fixed.accept();
    });
    ASSERT_EQ(fixed.DoModal(), IDOK);
    EXPECT_EQ(fixed.GetKind(), CSUTCTSizeAmbrixDlg::kKindFixed);
    EXPECT_DOUBLE_EQ(fixed.GetCTSize(), 5000.0);
}

TEST_F(SetupDialogsTest, TheCTKindDialogRefusesBadNumbersAndKeepsShowingItsKind) {
    CSUTCTSizeAmbrixDlg dialog;
    testsupport::OnNextModal([&](QWidget*) {
        auto* size = FindControlAs<QLineEdit>(&dialog, IDC_CT_AMBRIX_SIZE);
        auto* factor = FindControlAs<QLineEdit>(&dialog, IDC_CT_FACTOR);
        broker_.AnswerMessageBox(IDOK);
        size->setText("-100");
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        broker_.AnswerMessageBox(IDOK);
        size->setText("200");
        factor->setText("x");
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        // A refused OK leaves the fixed kind chosen and shown.
        FindControlAs<QRadioButton>(&dialog, IDC_CT_KIND_FIXED)->click();
        broker_.AnswerMessageBox(IDOK);
        size->setText("0");
        dialog.accept();
        EXPECT_TRUE(FindControlAs<QRadioButton>(&dialog, IDC_CT_KIND_FIXED)->isChecked());
        EXPECT_FALSE(FindControlAs<QRadioButton>(&dialog, IDC_CT_KIND_SIZED)->isChecked());
        dialog.reject();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].text, "Please enter a CT size greater than 0.");
    EXPECT_EQ(asked[1].text, "Please enter a number.");
}

TEST_F(SetupDialogsTest, ACatalogueCTTakesTheSizedKindOnlyForItsOutputTypeMV) {
    std::optional<CTChoice> answer;
    CSUTCTSizeAmbrixDlg dialog(nullptr, [&](QWidget*) { return answer; });
    testsupport::OnNextModal([&](QWidget*) {
        auto* catalogue = FindControlAs<QPushButton>(&dialog, IDC_CT_CATALOGUE);
        ASSERT_TRUE(catalogue->isEnabled());
        answer = CTChoice{"RC-3000", "ROCOIL", "3000", "1"};
        catalogue->click();
        EXPECT_TRUE(FindControlAs<QRadioButton>(&dialog, IDC_CT_KIND_FIXED)->isChecked());
        EXPECT_EQ(FindControlAs<QLineEdit>(&dialog, IDC_CT_AMBRIX_SIZE)->text(), "5000.0");

        answer = CTChoice{"MV-200", "MV", "200", "1.05"};
        catalogue->click();
        EXPECT_TRUE(FindControlAs<QRadioButton>(&dialog, IDC_CT_KIND_SIZED)->isChecked());
        EXPECT_TRUE(FindControlAs<QLineEdit>(&dialog, IDC_CT_AMBRIX_SIZE)->isEnabled());

        // Nothing chosen changes nothing.
        answer.reset();
        catalogue->click();
        dialog.accept();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetKind(), CSUTCTSizeAmbrixDlg::kKindSized);
    EXPECT_DOUBLE_EQ(dialog.GetCTSize(), 200.0);
    EXPECT_DOUBLE_EQ(dialog.GetFactor(), 1.05);
}

}  // namespace
