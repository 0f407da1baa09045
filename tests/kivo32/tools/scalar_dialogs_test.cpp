// The scalar, calibration, logger-ID and I/O configuration windows offscreen, each answering its
// questions to the logger from a scripted logger: what they show, what they send, and the reads that
// fail or find no input.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <memory>

#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/tools/auto_cal_ids.h"
#include "kivo32/tools/scalar_calibration_dlgs.h"
#include "kivo32/tools/scalar_window_ids.h"
#include "kivo32/tools/set_logger_ids_dlg.h"
#include "kivo32/tools/set_scalars_dlg.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "shared/logger/logger_ids.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

// A logger that answers each question of a window with the next answer queued.
class ScriptedLogger {
public:
    LoggerWindowAsk Ask() {
        return [this](LoggerWindowQuestion question) {
            asked.push_back(question);
            LoggerWindowAnswer answer;
            if (!answers.empty()) {
                answer = answers.front();
                answers.pop_front();
            } else {
                ADD_FAILURE() << "a question without an answer";
            }
            question.replyTo->PostMessage(
                platform::Message(WM_LOGGER_WINDOW_ANSWER, 0, platform::MakePayload(std::move(answer))));
        };
    }
    std::deque<LoggerWindowAnswer> answers;
    std::vector<LoggerWindowQuestion> asked;
};

LoggerWindowAnswer Reference(float volts, float amps, bool done = true) {
    return {.done = done, .voltage = volts, .current = amps};
}
LoggerWindowAnswer Counts(std::string counts) {
    return {.done = true, .counts = std::move(counts)};
}

class ScalarDialogsTest : public testsupport::QtTest {
protected:
    static QString Text(QWidget* window, int id) {
        return platform::FindControlAs<QLineEdit>(window, id)->text();
    }
    std::vector<std::string> RangeMessages() const {
        std::vector<std::string> texts;
        for (const testsupport::AskedQuestion& asked : broker_.Asked()) {
            if (asked.kind == "MessageBox") {
                texts.push_back(asked.text);
            }
        }
        return texts;
    }
    static void Click(QWidget* window, int id) {
        platform::FindControlAs<QAbstractButton>(window, id)->click();
    }
    ScalarCalibrationFacts Facts(int typeCode) {
        return {.typeCode = typeCode,
                .loggerId = "Feeder 3",
                .firmware = "NX4.400",
                .a = 0.98F,
                .v = 0.5F,
                .r = 0.25F,
                .ask = logger_.Ask()};
    }

    testsupport::ScriptedUiBroker broker_;
    ScriptedLogger logger_;
};

TEST_F(ScalarDialogsTest, QuarvenCurrentAgainstItsReferenceCheckedCalibratedAndSent) {
    logger_.answers = {Reference(230.0F, 150.0F), Reference(230.0F, 150.0F), {.done = true}};
    broker_.AnswerMessageBox(IDOK);
    CCalAmpScalarDlg dialog(Facts(13), {});
    testsupport::OnNextModal([](QWidget* window) {
        EXPECT_EQ(Text(window, IDC_CAL_EXPECTED_INPUT), "0.5000");
        EXPECT_EQ(Text(window, IDC_CAL_AMP_SCALAR_VALUE), "0.98000002");
        Click(window, IDC_CAL_AMP_CHECK);
        EXPECT_EQ(Text(window, IDC_CAL_AMP_EXPECTED), "150.15");
        EXPECT_EQ(Text(window, IDC_CAL_AMP_MEASURED), "150.00");
        EXPECT_EQ(Text(window, IDC_CAL_ERROR), "-0.10");
        Click(window, IDC_CAL_AMP_CALIBRATE);
        EXPECT_EQ(Text(window, IDC_CAL_AMP_SCALAR_VALUE), "0.98098100");
        EXPECT_EQ(Text(window, IDC_CAL_AMP_MEASURED), "150.15");
        Click(window, IDC_CAL_SEND);
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(logger_.asked.size(), 3U);
    EXPECT_EQ(logger_.asked[0].call, LoggerWindowCall::kReadReference);
    const LoggerWindowQuestion& sent = logger_.asked[2];
    EXPECT_EQ(sent.call, LoggerWindowCall::kSendScalars);
    EXPECT_NEAR(sent.a, 0.980981, 0.000001);
    EXPECT_EQ(sent.v, 0.5F);
    EXPECT_EQ(sent.r, 0.25F);
    EXPECT_EQ(sent.statusId, IDS_UPDATING_CAL_CONSTANTS);
}

TEST_F(ScalarDialogsTest, AFailedReferenceReadStopsWithAMessageInsteadOfUsingTheLastMeasurement) {
    logger_.answers = {Reference(230.0F, 150.0F), Reference(0, 0, false)};
    broker_.AnswerMessageBox(IDOK);
    CCalAmpScalarDlg dialog(Facts(14), {});
    testsupport::OnNextModal([](QWidget* window) {
        Click(window, IDC_CAL_AMP_CHECK);
        Click(window, IDC_CAL_AMP_CALIBRATE);
        EXPECT_EQ(Text(window, IDC_CAL_AMP_SCALAR_VALUE), "0.98000002");
        EXPECT_EQ(Text(window, IDC_CAL_AMP_MEASURED), "150.00");
        Click(window, IDCANCEL);
    });
    dialog.DoModal();
    ASSERT_EQ(broker_.Boxes().size(), 1U);
    EXPECT_EQ(broker_.Boxes()[0].ids.promptId, IDS_CAL_AMP_READ_FAILED);
}

TEST_F(ScalarDialogsTest, NoInputIsRefusedAndNothingShown) {
    struct Case {
        int typeCode;
        LoggerWindowAnswer answer;
        bool voltage;
        unsigned message;
    };
    const Case cases[] = {
        {3, Counts("0"), false, IDS_CAL_NO_AMP_INPUT},
        {3, Counts(" -12"), false, IDS_CAL_NO_AMP_INPUT},
        {13, Reference(230.0F, -0.5F), false, IDS_CAL_NO_AMP_INPUT},
        {3, Counts("garbled"), false, IDS_CAL_AMP_READ_FAILED},
        {1, Counts("400\r\nV 1\r\n"), true, IDS_CAL_NO_VOLT_INPUT},  // 1 x 0.5 / 16 is below 0.1
        {13, Reference(0.05F, 150.0F), true, IDS_CAL_NO_VOLT_INPUT},
    };
    for (const Case& c : cases) {
        ScriptedLogger logger;
        logger.answers = {c.answer, c.answer};
        testsupport::ScriptedUiBroker broker;
        broker.AnswerMessageBox(IDOK);
        broker.AnswerMessageBox(IDOK);
        ScalarCalibrationFacts facts = Facts(c.typeCode);
        facts.ask = logger.Ask();
        std::unique_ptr<CScalarCalibrationDlg> dialog;
        if (c.voltage) {
            dialog = std::make_unique<CCalVoltTempScalarDlg>(facts, ScalarWindowLinks{});
        } else {
            dialog = std::make_unique<CCalAmpScalarDlg>(facts, ScalarWindowLinks{});
        }
        const int measured = c.voltage ? IDC_CAL_VOLT_MEASURED : IDC_CAL_AMP_MEASURED;
        const int scalar = c.voltage ? IDC_CAL_VOLT_SCALAR_VALUE : IDC_CAL_AMP_SCALAR_VALUE;
        testsupport::OnNextModal([&](QWidget* window) {
            const QString scalarBefore = Text(window, scalar);
            Click(window, c.voltage ? IDC_CAL_VOLT_CHECK : IDC_CAL_AMP_CHECK);
            Click(window, c.voltage ? IDC_CAL_VOLT_CALIBRATE : IDC_CAL_AMP_CALIBRATE);
            EXPECT_EQ(Text(window, measured), "0.00") << c.typeCode;
            EXPECT_EQ(Text(window, scalar), scalarBefore) << c.typeCode;
            Click(window, IDCANCEL);
        });
        dialog->DoModal();
        ASSERT_EQ(broker.Boxes().size(), 2U) << c.typeCode;
        for (const testsupport::RecordedMessageBox& box : broker.Boxes()) {
            EXPECT_EQ(box.ids.promptId, c.message) << c.typeCode;
        }
    }
}

TEST_F(ScalarDialogsTest, OrnatVoltageCountsFollowTheFirstLineFeed) {
    logger_.answers = {Counts("123\r\nV 8000\r\n"), Counts("123\r\nV 8000\r\n")};
    CCalVoltTempScalarDlg dialog(Facts(1), {});
    testsupport::OnNextModal([](QWidget* window) {
        platform::FindControlAs<QLineEdit>(window, IDC_CAL_EXPECTED_INPUT)->setText("240");
        Click(window, IDC_CAL_VOLT_CHECK);
        // 8000 counts x 0.5 / 16.
        EXPECT_EQ(Text(window, IDC_CAL_VOLT_MEASURED), "250.00");
        EXPECT_EQ(Text(window, IDC_CAL_VOLT_EXPECTED), "240.00");
        EXPECT_EQ(Text(window, IDC_CAL_ERROR), "4.00");
        Click(window, IDC_CAL_VOLT_CALIBRATE);
        EXPECT_EQ(Text(window, IDC_CAL_VOLT_SCALAR_VALUE), "0.48000000");
        EXPECT_EQ(Text(window, IDC_CAL_VOLT_MEASURED), "240.00");
        Click(window, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(logger_.asked.at(0).call, LoggerWindowCall::kReadCounts);
}

TEST_F(ScalarDialogsTest, CancelClosesWithoutTheRangeMessageWhileLeavingAnEditShowsIt) {
    CCalAmpScalarDlg dialog(Facts(3), {});
    broker_.AnswerMessageBox(IDOK);
    testsupport::OnNextModal([](QWidget* window) {
        // Focus moves only inside the active window: a loaded machine may not have activated it yet.
        window->activateWindow();
        ASSERT_TRUE(testsupport::ProcessEventsUntil([window] { return window->isActiveWindow(); }));
        auto* expected = platform::FindControlAs<QLineEdit>(window, IDC_CAL_EXPECTED_INPUT);
        expected->setText("5");
        // Leaving the edit for another control checks it.
        expected->setFocus();
        platform::FindControlAs<QLineEdit>(window, IDC_CAL_RANGE)->setFocus();
        QApplication::processEvents();
        // A press on Cancel lets the check pass.
        auto* cancel = platform::FindControlAs<QAbstractButton>(window, IDCANCEL);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), cancel->mapToGlobal(QPointF(2, 2)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(cancel, &press);
        // The press takes the focus from the edit (as a real press does; a sent one does not).
        ASSERT_TRUE(cancel->isDown());
        cancel->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        cancel->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(RangeMessages(), (std::vector<std::string>{"Please enter a number between 0.0001 and 1."}));
}

TEST_F(ScalarDialogsTest, CancelWhileTheLoggerIsAskedReachesTheSessionAndDropsTheLateAnswer) {
    std::vector<LoggerWindowQuestion> asked;
    int cancels = 0;
    ScalarCalibrationFacts facts = Facts(13);
    // The session is still reading when the user cancels.
    facts.ask = [&](LoggerWindowQuestion question) { asked.push_back(std::move(question)); };
    CCalAmpScalarDlg dialog(facts, {.cancelCommand = [&] { ++cancels; }, .newProtocol = {}});
    testsupport::OnNextModal([](QWidget* window) {
        QTimer::singleShot(0, window, [window] { Click(window, IDCANCEL); });
        Click(window, IDC_CAL_AMP_CHECK);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(cancels, 1);
    ASSERT_EQ(asked.size(), 1U);
    // The answer that comes after is dropped.
    asked[0].replyTo->PostMessage(
        platform::Message(WM_LOGGER_WINDOW_ANSWER, 1, platform::MakePayload(Reference(230.0F, 150.0F))));
    QApplication::processEvents();
    EXPECT_TRUE(broker_.Boxes().empty());
}

TEST_F(ScalarDialogsTest, IoConfigurationShowsTheSwitchesAndKeepsTheHigherBits) {
    struct Case {
        int read;
        std::vector<int> checked;  // bits
        const char* shown;
        int written;
    };
    const Case cases[] = {
        {127, {0, 1, 2, 3, 4, 5, 6}, "127", 127},
        {128, {}, "0", 128},
        {0x88, {3}, "8", 0x88},
    };
    constexpr int kSwitchIds[] = {2258, 2259, 2257, 2256, 2255, 2264, 2357};
    for (const Case& c : cases) {
        ScriptedLogger logger;
        logger.answers = {{.done = true, .configuration = c.read}, {.done = true}};
        testsupport::ScriptedUiBroker broker;
        broker.AnswerMessageBox(IDOK);
        CSetLoggerIDsDlg dialog("RS1", "X40B", "Feeder 3", "NX4.400", 13, logger.Ask(), {});
        testsupport::OnNextModal([&](QWidget* window) {
            testsupport::OnNextModalOver(window, [&](QWidget* io) {
                for (int bit = 0; bit < 7; ++bit) {
                    const bool expected =
                        std::find(c.checked.begin(), c.checked.end(), bit) != c.checked.end();
                    EXPECT_EQ(platform::FindControlAs<QCheckBox>(io, kSwitchIds[bit])->isChecked(), expected)
                        << c.read << " bit " << bit;
                }
                EXPECT_EQ(platform::FindControlAs<QLabel>(io, IDC_IO_CONFIG_VALUE)->text(), c.shown);
                Click(io, IDOK);
            });
            Click(window, IDC_IDS_IO_CONFIG);
            Click(window, IDCANCEL);
        });
        dialog.DoModal();
        ASSERT_EQ(logger.asked.size(), 2U);
        EXPECT_EQ(logger.asked[1].call, LoggerWindowCall::kWriteIoConfig);
        EXPECT_EQ(logger.asked[1].configuration, c.written) << c.read;
        EXPECT_EQ(broker.Boxes().at(0).ids.promptId, IDS_IO_CONFIG_SENT);
    }
}

TEST_F(ScalarDialogsTest, IoConfigurationRefusals) {
    struct Case {
        int typeCode;
        bool session;
        std::deque<LoggerWindowAnswer> answers;
        unsigned message;
    };
    const Case cases[] = {
        {13, false, {}, IDS_REPORT_NO_SESSION},
        {12, true, {}, IDS_IO_CONFIG_QUARVEN_ONLY},
        {14, true, {{.done = false, .configuration = -1}}, IDS_IO_CONFIG_READ_FAILED},
    };
    for (const Case& c : cases) {
        ScriptedLogger logger;
        logger.answers = c.answers;
        testsupport::ScriptedUiBroker broker;
        broker.AnswerMessageBox(IDOK);
        CSetLoggerIDsDlg dialog("RS1", "X40B", "", "", c.typeCode,
                                c.session ? logger.Ask() : LoggerWindowAsk(), {});
        // A second modal would be the configuration window, which must not show.
        testsupport::OnNextModal([&](QWidget* window) {
            Click(window, IDC_IDS_IO_CONFIG);
            Click(window, IDCANCEL);
        });
        dialog.DoModal();
        EXPECT_EQ(logger.asked.size(), c.answers.size()) << c.typeCode;
        ASSERT_EQ(broker.Boxes().size(), 1U) << c.typeCode;
        EXPECT_EQ(broker.Boxes()[0].ids.promptId, c.message) << c.typeCode;
    }
}

TEST_F(ScalarDialogsTest, LoggerIdsCompleteTheModelText) {
    struct Case {
        const char* model;
        const char* comboShown;
        bool variantShown;
        bool variantChosen;
        const char* answered;
    };
    const Case cases[] = {
        {"UA0B", "UA", true, true, "UA0B"},
        {"UA0B", "UA", true, false, "UA00"},
        {"UPV0", "UPV", false, true, "UPVB"},
        {"L100", "L1", false, false, "L100"},
    };
    for (const Case& c : cases) {
        CSetLoggerIDsDlg dialog("ab12", c.model, "", "", 4, {}, {});
        testsupport::OnNextModal([&](QWidget* window) {
            EXPECT_EQ(platform::FindControlAs<QComboBox>(window, IDC_IDS_MODEL)->currentText(), c.comboShown);
            auto* variant = platform::FindControlAs<QCheckBox>(window, IDC_IDS_VARIANT);
            EXPECT_EQ(variant->isChecked(), c.variantShown) << c.model;
            variant->setChecked(c.variantChosen);
            EXPECT_EQ(platform::FindControlAs<QLineEdit>(window, IDC_IDS_LOGGER_ID)->maxLength(), 5);
            Click(window, IDOK);
        });
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.model, c.answered) << c.model << " " << c.variantChosen;
        EXPECT_EQ(dialog.loggerId, "ab12");
    }
}

TEST_F(ScalarDialogsTest, ScalarsLeftAsShownKeepTheirPrecision) {
    CSetScalarsDlg dialog(0.000915123F, 0.42512345F, 7.5F, "Feeder 3", "NX4.400");
    testsupport::OnNextModal([](QWidget* window) {
        EXPECT_EQ(Text(window, IDC_SCALARS_A), "0.00091512");
        EXPECT_EQ(Text(window, IDC_SCALARS_V), "0.425123");
        Click(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.a, 0.000915123F);
    EXPECT_EQ(dialog.v, 0.42512345F);
    EXPECT_EQ(dialog.r, 7.5F);

    broker_.AnswerMessageBox(IDOK);
    CSetScalarsDlg typed(0.000915123F, 0.42512345F, 7.5F, "", "");
    testsupport::OnNextModal([](QWidget* window) {
        platform::FindControlAs<QLineEdit>(window, IDC_SCALARS_V)->setText("101");
        Click(window, IDOK);  // out of range: stays open
        platform::FindControlAs<QLineEdit>(window, IDC_SCALARS_V)->setText("0.43");
        Click(window, IDOK);
    });
    ASSERT_EQ(typed.DoModal(), IDOK);
    EXPECT_EQ(typed.v, 0.43F);
    EXPECT_EQ(typed.a, 0.000915123F);
    EXPECT_EQ(RangeMessages(), (std::vector<std::string>{"Please enter a number between 0 and 100.9."}));
}

}  // namespace
