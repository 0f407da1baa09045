// Dialog data exchange: values and checks, the message by id, and the dialog kept open on bad input.
#include "platform/ui/data_exchange.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include "platform/base/message_box_flags.h"
#include "platform/ui/dialog.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::DataExchange;

class DataExchangeTest : public testing::Test {
protected:
    void SetUp() override { testsupport::EnsureQtApplication(); }
    testsupport::ScriptedUiBroker broker_;
};

// A dialog with a count of 1 to 10 and a name of at most 5 characters.
class CountDialog : public platform::Dialog {
public:
    CountDialog() : count_edit(new QLineEdit(this)), name_edit(new QLineEdit(this)) {}

    int count = 3;
    std::string name = "abc";
    QLineEdit* count_edit;
    QLineEdit* name_edit;

protected:
    void DoDataExchange(DataExchange& exchange) override {
        platform::ExchangeInt(exchange, count_edit, count);
        platform::ValidateRange(exchange, count, 1, 10);
        platform::ExchangeText(exchange, name_edit, name);
        platform::ValidateMaxChars(exchange, name, 5);
    }
};

TEST_F(DataExchangeTest, OkWithBadInputShowsTheMessageAndKeepsTheDialogOpenUntilTheInputIsRight) {
    CountDialog dialog;
    testsupport::OnNextModal([&](QWidget*) {
        EXPECT_EQ(dialog.count_edit->text(), "3");
        EXPECT_EQ(dialog.name_edit->text(), "abc");
        const std::vector<std::pair<QString, QString>> refused = {
            {"three", "ok"}, {"42", "ok"}, {"7", "toolong"}};
        for (const auto& [count, name] : refused) {
            broker_.AnswerMessageBox(IDOK);
            dialog.count_edit->setText(count);
            dialog.name_edit->setText(name);
            dialog.accept();
            EXPECT_TRUE(dialog.isVisible()) << count.toStdString();
        }
        dialog.name_edit->setText("fine");
        dialog.accept();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.count, 7);
    EXPECT_EQ(dialog.name, "fine");

    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].text, "Please enter a whole number.");
    EXPECT_EQ(asked[1].text, "Please enter a whole number between 1 and 10.");
    EXPECT_EQ(asked[2].text, "Please enter no more than 5 characters.");
}

TEST_F(DataExchangeTest, NumbersAreReadStrictly) {
    struct Case {
        const char* text;
        bool accepted;
        double value;
    };
    const std::vector<Case> integers = {
        {" 12 ", true, 12}, {"+3", true, 3},     {"-4", true, -4},          {"1.5", false, 0},
        {"", false, 0},     {"12abc", false, 0}, {"99999999999", false, 0},
    };
    const std::vector<Case> reals = {
        {"2.5", true, 2.5}, {" 1e3", true, 1000}, {"0", true, 0}, {"abc", false, 0}, {"2,5", false, 0},
    };
    QLineEdit edit;
    for (const Case& test : integers) {
        SCOPED_TRACE(test.text);
        if (!test.accepted) {
            broker_.AnswerMessageBox(IDOK);
        }
        int value = -1;
        edit.setText(test.text);
        DataExchange exchange(true);
        platform::ExchangeInt(exchange, &edit, value);
        EXPECT_EQ(!exchange.failed(), test.accepted);
        EXPECT_EQ(value, test.accepted ? static_cast<int>(test.value) : -1);
    }
    for (const Case& test : reals) {
        SCOPED_TRACE(test.text);
        if (!test.accepted) {
            broker_.AnswerMessageBox(IDOK);
        }
        double value = -1;
        edit.setText(test.text);
        DataExchange exchange(true);
        platform::ExchangeDouble(exchange, &edit, value);
        EXPECT_EQ(!exchange.failed(), test.accepted);
        EXPECT_EQ(value, test.accepted ? test.value : -1);
    }
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
}

TEST_F(DataExchangeTest, AFloatIsShownWithItsDecimalsAndReadBackStrictly) {
    QLineEdit edit;
    struct Shown {
        float value;
        int decimals;
        const char* text;
    };
    for (const Shown& test : {Shown{2.5f, 3, "2.500"}, Shown{-0.125f, 2, "-0.13"},
                              Shown{1234.5678f, 0, "1235"}, Shown{0.0f, 1, "0.0"}}) {
        float value = test.value;
        DataExchange exchange(false);
        platform::DDX_FloatDecimals(exchange, &edit, value, test.decimals);
        EXPECT_EQ(edit.text().toStdString(), test.text);
    }
    struct Read {
        QString text;
        bool accepted;
        float value;
    };
    for (const Read& test :
         {Read{" 7.25 ", true, 7.25f}, Read{"1e2", true, 100.0f}, Read{"7,25", false, -1.0f},
          Read{"", false, -1.0f}, Read{QString(70, u'1'), false, -1.0f} /* too large */,
          Read{"2" + QString(63, u' ') + "x", true, 2.0f}}) {
        SCOPED_TRACE(test.text.toStdString());
        if (!test.accepted) {
            broker_.AnswerMessageBox(IDOK);
        }
        float value = -1.0f;
        edit.setText(test.text);
        DataExchange exchange(true);
        platform::DDX_FloatDecimals(exchange, &edit, value, 2);
        EXPECT_EQ(!exchange.failed(), test.accepted);
        EXPECT_EQ(value, test.value);
    }
    const auto asked = broker_.Asked();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().text, "Please enter a number.");
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
}

}  // namespace
