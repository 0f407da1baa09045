// The logger clock dialog offscreen: typing, the date order of the desktop, the spins, the clock that
// runs on a test clock and carries into the date, and the checks of OK.
#include "kivo32/tools/set_time_dlg.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "kivo32/tools/setting_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "shared/common/program_date_formats.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/manual_ui_clock.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class SetTimeDlgTest : public testsupport::QtTest {
protected:
    void TearDown() override { SetProgramFormatSource({}); }

    static QLineEdit* Field(QWidget* window, int id) {
        return platform::FindControlAs<QLineEdit>(window, id);
    }
    static QString Shown(QWidget* window) {
        QStringList texts;
        for (const int id :
             {IDC_TIME_MONTH, IDC_TIME_DAY, IDC_TIME_YEAR, IDC_TIME_HOUR, IDC_TIME_MINUTE, IDC_TIME_SECOND}) {
            texts << Field(window, id)->text();
        }
        return texts.join(' ');
    }
    // Key by key, as the user types into the field.
    static void TypeKeys(QLineEdit* edit, const QString& keys) {
        for (const QChar key : keys) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + key.digitValue(), Qt::NoModifier, QString(key));
            QCoreApplication::sendEvent(edit, &press);
        }
    }
    static void Click(QWidget* window, int id) {
        platform::FindControlAs<QAbstractButton>(window, id)->click();
    }

    testsupport::ManualUiClock clock_;
};

TEST_F(SetTimeDlgTest, TypingAboveAFieldsMaximumKeepsTheFirstDigit) {
    CSetTimeDlg dialog(26, 5, 14, 13, 20, 30, "Logger 7", "NX4.212");
    testsupport::OnNextModal([](QWidget* window) {
        for (const int id : {IDC_TIME_HOUR, IDC_TIME_DAY, IDC_TIME_MONTH}) {
            Field(window, id)->selectAll();
        }
        TypeKeys(Field(window, IDC_TIME_HOUR), "45");
        TypeKeys(Field(window, IDC_TIME_DAY), "39");
        TypeKeys(Field(window, IDC_TIME_MONTH), "1a2");
        EXPECT_EQ(Field(window, IDC_TIME_HOUR)->text(), "4");
        EXPECT_EQ(Field(window, IDC_TIME_DAY)->text(), "3");
        EXPECT_EQ(Field(window, IDC_TIME_MONTH)->text(), "12");
        // The hour's spin goes on from what was typed.
        platform::FindControlAs<QScrollBar>(window, IDC_TIME_TIME_SPIN)
            ->triggerAction(QAbstractSlider::SliderSingleStepSub);
        EXPECT_EQ(Field(window, IDC_TIME_HOUR)->text(), "05");
        Click(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.hour, 5);
    EXPECT_EQ(dialog.day, 3);
    EXPECT_EQ(dialog.month, 12);
}

TEST_F(SetTimeDlgTest, TheDateFieldsStandInTheDesktopsOrder) {
    struct Case {
        const char* format;
        std::array<int, 3> leftToRight;
        const char* label;
    };
    for (const Case& c :
         {Case{"MM/dd/yy", {IDC_TIME_MONTH, IDC_TIME_DAY, IDC_TIME_YEAR}, "Date (mm/dd/yy):"},
          Case{"dd.MM.yyyy", {IDC_TIME_DAY, IDC_TIME_MONTH, IDC_TIME_YEAR}, "Date (dd/mm/yy):"},
          Case{"yyyy-MM-dd", {IDC_TIME_YEAR, IDC_TIME_MONTH, IDC_TIME_DAY}, "Date (yy/mm/dd):"}}) {
        SetProgramFormatSource([&c] { return CRegionalFormats{"", c.format, "", ""}; });
        CSetTimeDlg dialog(26, 5, 14, 13, 20, 30, "", "");
        testsupport::OnNextModal([&c](QWidget* window) {
            EXPECT_EQ(platform::FindControlAs<QLabel>(window, IDC_TIME_DATE_LABEL)->text(), c.label);
            const auto left = [window](int id) { return Field(window, id)->mapTo(window, QPoint()).x(); };
            EXPECT_LT(left(c.leftToRight[0]), left(c.leftToRight[1])) << c.format;
            EXPECT_LT(left(c.leftToRight[1]), left(c.leftToRight[2])) << c.format;
            // The tab key walks them in the same order, then on to the time.
            EXPECT_EQ(Field(window, c.leftToRight[0])->nextInFocusChain(), Field(window, c.leftToRight[1]));
            EXPECT_EQ(Field(window, c.leftToRight[2])->nextInFocusChain(), Field(window, IDC_TIME_HOUR));
            Click(window, IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }
}

TEST_F(SetTimeDlgTest, TheClockRunsPastMidnightIntoTheNextDayAndYear) {
    CSetTimeDlg dialog(26, 12, 31, 23, 59, 58, "Logger 7", "NX4.212");
    testsupport::OnNextModal([this](QWidget* window) {
        EXPECT_EQ(Shown(window), "12 31 26 23 59 58");
        clock_.Advance(1000);
        EXPECT_EQ(Shown(window), "12 31 26 23 59 59");
        clock_.Advance(1000);
        EXPECT_EQ(Shown(window), "01 01 27 00 00 00");
        clock_.Advance(61000);
        EXPECT_EQ(Shown(window), "01 01 27 00 01 01");
        Click(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ((std::array{dialog.year, dialog.month, dialog.day, dialog.hour, dialog.minute, dialog.second}),
              (std::array{27, 1, 1, 0, 1, 1}));
}

TEST_F(SetTimeDlgTest, TheClockStandsStillWhileTheUserEditsTheTimeAndRunsOnFromTheEdit) {
    CSetTimeDlg dialog(26, 5, 14, 10, 20, 30, "", "");
    testsupport::OnNextModal([this](QWidget* window) {
        for (const int id : {IDC_TIME_SECOND, IDC_TIME_MINUTE, IDC_TIME_HOUR}) {
            Field(window, id)->setFocus();
            const QString before = Shown(window);
            clock_.Advance(3000);
            EXPECT_EQ(Shown(window), before) << id;
        }
        QLineEdit* minute = Field(window, IDC_TIME_MINUTE);
        minute->setFocus();
        minute->selectAll();
        TypeKeys(minute, "45");
        clock_.Advance(2000);
        EXPECT_EQ(Shown(window), "05 14 26 10 45 30");
        platform::FindControl(window, IDOK)->setFocus();
        clock_.Advance(1000);
        EXPECT_EQ(Shown(window), "05 14 26 10 45 31");
        Click(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.minute, 45);
}

TEST_F(SetTimeDlgTest, AFieldTakingTheFocusGetsItsSpinWithItsRange) {
    struct Case {
        int field;
        int spin;
        int minimum, maximum;
    };
    CSetTimeDlg dialog(26, 5, 14, 10, 20, 30, "", "");
    testsupport::OnNextModal([](QWidget* window) {
        for (const Case& c :
             {Case{IDC_TIME_DAY, IDC_TIME_DATE_SPIN, 1, 31}, Case{IDC_TIME_MONTH, IDC_TIME_DATE_SPIN, 1, 12},
              Case{IDC_TIME_YEAR, IDC_TIME_DATE_SPIN, 0, 99}, Case{IDC_TIME_HOUR, IDC_TIME_TIME_SPIN, 0, 23},
              Case{IDC_TIME_MINUTE, IDC_TIME_TIME_SPIN, 0, 59},
              Case{IDC_TIME_SECOND, IDC_TIME_TIME_SPIN, 0, 59}}) {
            QLineEdit* field = Field(window, c.field);
            QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
            QCoreApplication::sendEvent(field, &focusIn);
            auto* spin = platform::FindControlAs<QScrollBar>(window, c.spin);
            // The upper arrow counts up to the field's maximum, the lower down to its minimum.
            const int before = field->text().toInt();
            const bool up = before < c.maximum;
            spin->triggerAction(up ? QAbstractSlider::SliderSingleStepSub
                                   : QAbstractSlider::SliderSingleStepAdd);
            EXPECT_EQ(field->text().toInt(), up ? before + 1 : before - 1) << c.field;
            for (int step = 0; step < 100; ++step) {
                spin->triggerAction(QAbstractSlider::SliderSingleStepSub);
            }
            EXPECT_EQ(field->text().toInt(), c.maximum) << c.field;
            for (int step = 0; step < 100; ++step) {
                spin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            }
            EXPECT_EQ(field->text().toInt(), c.minimum) << c.field;
            EXPECT_EQ(field->text().size(), 2) << c.field;
        }
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(SetTimeDlgTest, OkRefusesADayOutOfRangeAndKeepsTheDialogOpen) {
    testsupport::ScriptedUiBroker broker;
    broker.AnswerMessageBox(IDOK);
    CSetTimeDlg dialog(26, 5, 14, 10, 20, 30, "", "");
    testsupport::OnNextModal([](QWidget* window) {
        Field(window, IDC_TIME_DAY)->setText("00");
        Click(window, IDOK);
        EXPECT_TRUE(window->isVisible());
        Field(window, IDC_TIME_DAY)->setText("15");
        Click(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(broker.Asked().size(), 1u);
    EXPECT_EQ(dialog.day, 15);
}

}  // namespace
