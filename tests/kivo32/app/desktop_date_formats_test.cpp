// The desktop's regional formats reach the program's date texts, in each date order, and follow a change
// of the locale while the program runs.
#include "kivo32/app/desktop_date_formats.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

#include "shared/common/date_time_text.h"
#include "shared/common/program_date_formats.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class DesktopDateFormatsTest : public testing::Test {
protected:
    void SetUp() override { testsupport::EnsureQtApplication(); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(DesktopDateFormatsTest, TheLocalesFormatsGiveTheDateOrderSeparatorsAndATimeWithSeconds) {
    struct Case {
        const char* locale;
        int order;
        const char* date;  // the 5th of March 2024 as the program prints it
        const char* time;  // with seconds, without the time zone
    };
    for (const Case& test : {Case{"en_US", kDateOrderMDY, "03/05/24", "h:mm:ss tt"},
                             Case{"de_DE", kDateOrderDMY, "05.03.24", "HH:mm:ss"},
                             Case{"sv_SE", kDateOrderYMD, "24-03-05", "HH:mm:ss"}}) {
        SCOPED_TRACE(test.locale);
        QLocale::setDefault(QLocale(test.locale));
        CDesktopDateFormats formats;
        EXPECT_EQ(GetProgramDateOrder(), test.order);
        EXPECT_EQ(FormatDateText(2024, 3, 5, true), test.date);
        const CRegionalFormats regional = RegionalFormatsOf(QLocale(test.locale));
        EXPECT_EQ(regional.timeFormat, test.time);
        EXPECT_EQ(regional.timeSeparator, ":");
    }
    EXPECT_EQ(RegionalFormatsOf(QLocale("de_DE")).dateSeparator, ".");
}

TEST_F(DesktopDateFormatsTest, AShortDateWithoutUsableOrderAndSeparatorGivesWayToDayMonthFourDigitYear) {
    // The C locale (LANG unset) names the month and parts the fields with blanks: "d MMM yyyy".
    QLocale::setDefault(QLocale::c());
    CDesktopDateFormats formats;
    const CRegionalFormats regional = RegionalFormatsOf(QLocale::c());
    EXPECT_EQ(regional.shortDateFormat, "dd/MM/yyyy");
    EXPECT_EQ(regional.dateSeparator, "/");
    EXPECT_EQ(GetProgramDateOrder(), kDateOrderDMY);
    EXPECT_EQ(FormatDateText(2000, 5, 25, false), "25/05/2000");
    // Pictures the helpers follow are kept as the desktop gives them.
    for (const char* locale : {"en_US", "de_DE", "sv_SE", "fr_FR"}) {
        EXPECT_EQ(QString::fromStdString(RegionalFormatsOf(QLocale(locale)).shortDateFormat),
                  QLocale(locale).dateFormat(QLocale::ShortFormat))
            << locale;
    }
}

TEST_F(DesktopDateFormatsTest, AChangeOfTheLocaleWhileRunningIsFollowed) {
    QLocale::setDefault(QLocale("en_US"));
    {
        CDesktopDateFormats formats;
        EXPECT_EQ(FormatDateText(2024, 3, 5, true), "03/05/24");
        QLocale::setDefault(QLocale("de_DE"));
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
        EXPECT_EQ(FormatDateText(2024, 3, 5, true), "05.03.24");
    }
    EXPECT_EQ(GetProgramShortDateFormat(), "MM/dd/yy") << "the defaults again once the program ends";
}

}  // namespace
