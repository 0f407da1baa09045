// The THD calculator and its help offscreen: the readings a meter gives, which take part, the order of
// the checks, Enter; the help's text, tips, help document and picture of the power triangle.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "kivo32/controls/picture_dlg.h"
#include "kivo32/controls/picture_resources.h"
#include "kivo32/harmonics/harmonics_ids.h"
#include "kivo32/harmonics/thd_calculator.h"
#include "kivo32/harmonics/thd_help_dlg.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/resource_texts.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class THDHelpDlgTest : public testsupport::QtTest {
protected:
    THDHelpDlgTest() {
        SetProgramTexts(platform::EnglishTexts());
        SetPictureResourceFolder(KIVO_SOURCE_DIR "/resources/pictures");
    }
    ~THDHelpDlgTest() override { SetPictureResourceFolder({}); }

    static void Click(QWidget* dialog, int id) { platform::FindControlAs<QPushButton>(dialog, id)->click(); }
};

TEST_F(THDHelpDlgTest, ShowsItsTextAndTipsAndOpensTheHelpAndThePicture) {
    int helpOpened = 0;
    CTHDHelpDlg help(nullptr, [&helpOpened] { ++helpOpened; });
    testsupport::OnNextModal([&](QWidget* dialog) {
        EXPECT_EQ(platform::FindControlAs<QLabel>(dialog, IDC_THD_HELP_TEXT)->text(),
                  platform::ToQString(LoadText(IDS_THD_HELP_TEXT)));
        const std::pair<int, unsigned> tips[] = {{IDC_THD_HELP_DOCUMENT, IDS_THD_HELP_TIP_DOCUMENT},
                                                 {IDC_THD_HELP_PICTURE, IDS_THD_HELP_TIP_PICTURE},
                                                 {IDOK, IDS_THD_HELP_TIP_OK}};
        for (const auto& [id, text] : tips) {
            EXPECT_EQ(platform::FindControl(dialog, id)->toolTip(), platform::ToQString(LoadText(text)))
                << id;
        }
        Click(dialog, IDC_THD_HELP_DOCUMENT);
        EXPECT_EQ(helpOpened, 1);

        QString pictureTitle;
        QSize pictureSize;
        testsupport::OnNextModal([&](QWidget* picture) {
            pictureTitle = picture->windowTitle();
            pictureSize = static_cast<CPictureDlg*>(picture)->Picture().PictureSize();
            Click(picture, IDOK);
        });
        Click(dialog, IDC_THD_HELP_PICTURE);
        EXPECT_EQ(pictureTitle, platform::ToQString(CPictureDlg::TitleOf(CTHDHelpDlg::kPictureId)));
        EXPECT_FALSE(pictureSize.isEmpty());  // the picture of the power triangle is there
        Click(dialog, IDOK);
    });
    EXPECT_EQ(help.DoModal(), IDOK);
}

TEST(THDCalculatorRulesTest, AMetersReadingsGiveTheirTHD) {
    struct Case {
        const char* name;
        THDReadingTexts texts;
        const char* result;
        unsigned status;
        std::array<bool, kTHDReadings> used;
    };
    const Case cases[] = {
        {"PF gives kVAR",
         {"480", "100", "40", "", "0.8"},
         "0.00%",
         IDS_THD_VALID_DISTORTED,
         {true, true, true, false, true}},
        {"kVA equal to S1",
         {"240", "250", "48", "36", ""},
         "0.00%",
         IDS_THD_VALID,
         {true, true, true, true, false}},
        {"kVA above S1",
         {"240", "300", "48", "36", ""},
         "66.33%",
         IDS_THD_VALID_DISTORTED,
         {true, true, true, true, false}},
        {"kVAR wins over PF",
         {"240", "300", "48", "36", "0.1"},
         "66.33%",
         IDS_THD_VALID_DISTORTED,
         {true, true, true, true, false}},
        {"no kW and no kVAR",
         {"240", "300", "", "", ""},
         "",
         IDS_THD_NOT_VALID,
         {true, true, false, false, false}},
        {"no volts", {"", "300", "48", "36", ""}, "", IDS_THD_NOT_VALID, {false, true, true, true, false}},
        {"volts of 0", {"0", "300", "48", "36", ""}, "", IDS_THD_NOT_VALID, {true, true, true, true, false}},
        {"a word is no reading",
         {"abc", "300", "48", "36", ""},
         "",
         IDS_THD_NOT_VALID,
         {false, true, true, true, false}},
        {"a power factor above 1",
         {"240", "300", "48", "", "1.5"},
         "",
         IDS_THD_NOT_VALID,
         {true, true, true, false, true}},
    };
    for (const Case& c : cases) {
        const THDCalculation calculation = CalculateFromReadings(c.texts);
        EXPECT_EQ(calculation.result, c.result) << c.name;
        EXPECT_EQ(calculation.valid, std::string(c.result) != "") << c.name;
        EXPECT_EQ(calculation.statusId, c.status) << c.name;
        EXPECT_EQ(calculation.used, c.used) << c.name;
    }
}

TEST(THDCalculatorRulesTest, TheFirstMissingReadingIsNamed) {
    struct Case {
        THDReadingTexts texts;
        unsigned status;
    };
    const Case cases[] = {
        {{"", "", "", "", ""}, IDS_THD_ENTER_VOLTS},
        {{"240", "", "", "", ""}, IDS_THD_ENTER_AMPS},
        {{"240", "x", "48", "", ""}, IDS_THD_ENTER_AMPS},
        {{"240", "300", "", "36", ""}, IDS_THD_ENTER_KW},
        {{"240", "300", "48", "", ""}, IDS_THD_ENTER_KVAR_OR_PF},
        {{"240", "300", "48", "", "0.9"}, 0},
        {{"240", "300", "48", "36", ""}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FirstMissingReading(c.texts), c.status)
            << c.texts[0] << "," << c.texts[1] << "," << c.texts[2];
    }
}

class THDCalculatorTest : public testsupport::QtTest {
protected:
    THDCalculatorTest() { SetProgramTexts(platform::EnglishTexts()); }

    static QLineEdit* Edit(QWidget* dialog, int id) { return platform::FindControlAs<QLineEdit>(dialog, id); }
    static bool Ticked(QWidget* dialog, int id) {
        return platform::FindControlAs<QCheckBox>(dialog, id)->isChecked();
    }
    static QString Text(QWidget* dialog, int id) {
        return platform::FindControlAs<QLabel>(dialog, id)->text();
    }
    static QString Status(unsigned id) { return platform::ToQString(LoadText(id)); }
};

TEST_F(THDCalculatorTest, EnterChecksEachReadingAndKVARWinsOverThePowerFactor) {
    CTHDCalculator calculator(false);
    testsupport::OnNextModal([&](QWidget* dialog) {
        // It opens calculated: nothing given is not valid.
        EXPECT_EQ(Text(dialog, IDC_THD_STATUS), Status(IDS_THD_NOT_VALID));
        EXPECT_FALSE(Ticked(dialog, IDC_THD_RESULT_VALID));

        const std::pair<int, const char*> typed[] = {
            {IDC_THD_VOLTS, "240"}, {IDC_THD_AMPS, "300"}, {IDC_THD_KW, "48"}, {IDC_THD_POWER_FACTOR, "0.8"}};
        const unsigned afterEnter[] = {IDS_THD_ENTER_AMPS, IDS_THD_ENTER_KW, IDS_THD_ENTER_KVAR_OR_PF,
                                       IDS_THD_VALID_DISTORTED};
        for (std::size_t i = 0; i < std::size(typed); ++i) {
            QLineEdit* edit = Edit(dialog, typed[i].first);
            edit->setFocus();
            QApplication::processEvents();
            edit->setText(typed[i].second);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(edit, &enter);
            QApplication::processEvents();
            EXPECT_TRUE(dialog->isVisible()) << i;  // Enter moves on, it does not close
            EXPECT_FALSE(edit->hasFocus()) << i;
            EXPECT_EQ(Text(dialog, IDC_THD_STATUS), Status(afterEnter[i])) << i;
        }
        EXPECT_TRUE(Ticked(dialog, IDC_THD_POWER_FACTOR_USED));
        EXPECT_FALSE(Ticked(dialog, IDC_THD_KVAR_USED));
        // kW 48 at PF 0.8 gives 36 kVAR: S1 60 against kVA 72.
        EXPECT_EQ(Text(dialog, IDC_THD_RESULT), "66.33%");

        Edit(dialog, IDC_THD_KVAR)->setFocus();
        QApplication::processEvents();
        Edit(dialog, IDC_THD_KVAR)->setText("64");
        Edit(dialog, IDC_THD_VOLTS)->setFocus();  // leaving the reading checks it
        QApplication::processEvents();
        EXPECT_TRUE(Ticked(dialog, IDC_THD_KVAR_USED));
        EXPECT_FALSE(Ticked(dialog, IDC_THD_POWER_FACTOR_USED));
        EXPECT_EQ(Text(dialog, IDC_THD_RESULT), "0.00%");  // S1 80 above kVA 72
        EXPECT_TRUE(Ticked(dialog, IDC_THD_RESULT_VALID));
        platform::FindControlAs<QPushButton>(dialog, IDOK)->click();
    });
    EXPECT_EQ(calculator.DoModal(), IDCANCEL);  // OK ends it as Cancel does
}

}  // namespace
