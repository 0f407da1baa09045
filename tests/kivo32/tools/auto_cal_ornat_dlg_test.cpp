// The production calibration window offscreen, against a scripted session: Auto Cal's reads, questions
// and scalar write, Measure over the three phases, Store into the record file, and the closing question.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <deque>
#include <optional>
#include <sstream>

#include "kivo32/session/calibration_requests.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/tools/auto_cal_ids.h"
#include "kivo32/tools/auto_cal_ornat_dlg.h"
#include "kivo32/tools/calibration_record.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/whole_file.h"

namespace {

// Counts of a type-code-2 logger: amps on the first line, volts on the second. With 500 V and 0.5 A
// applied they give the scalars 0.42553192 and 0.00091695, both in range.
constexpr const char* kGoodCounts = "26200\r\n18800";
constexpr float kReferenceAmps = 0.5F * 100 * 3.003F;

// The session's side of the window: the replies it posts, and what the window asked it to write.
struct ScriptedSession {
    std::deque<std::optional<std::string>> counts;  // nullopt: a read that failed
    std::deque<std::vector<RealTimeValue>> readings;
    std::vector<CalibrationScalars> written;

    AutoCalibrationRequest Request() {
        return {.loggerId = "LOG-7",
                .description = "Bench logger",
                .typeName = "Ornat 2",
                .typeCode = 2,
                .baud = 9600,
                .recording = false,
                .ampScalar = 0.000915F,
                .voltScalar = 0.425F,
                .thirdScalar = 1.5F,
                .technician = "JD",
                .readCounts =
                    [this](std::shared_ptr<platform::MessageTarget> replyTo) {
                        std::optional<std::string> next = counts.empty() ? std::nullopt : counts.front();
                        if (!counts.empty()) {
                            counts.pop_front();
                        }
                        replyTo->PostMessage(platform::Message(WM_CALIBRATION_REPLY, next.has_value() ? 1 : 0,
                                                               platform::MakePayload(next.value_or(""))));
                    },
                .writeScalars =
                    [this](CalibrationScalars scalars) {
                        written.push_back(scalars);
                        scalars.replyTo->PostMessage(platform::Message(WM_CALIBRATION_REPLY, 1));
                    },
                .measure =
                    [this](std::shared_ptr<platform::MessageTarget> replyTo) {
                        std::vector<RealTimeValue> values;
                        if (!readings.empty()) {
                            values = readings.front();
                            readings.pop_front();
                        }
                        const unsigned long read = values.empty() ? 0 : 1;
                        replyTo->PostMessage(platform::Message(WM_CALIBRATION_REPLY, read,
                                                               platform::MakePayload(std::move(values))));
                    }};
    }

    void QueueGoodCounts() { counts.insert(counts.end(), 4, std::string(kGoodCounts)); }
    // One reading per phase: amps and volts of the phase and the fourth current input's amps.
    void QueueReadings(std::array<float, 3> volts = {500.2F, 499.9F, 500.1F}, float fourthAmps = 150.1F) {
        for (int phase = 0; phase < 3; ++phase) {
            readings.push_back({{phase, 1, 150.2F, 1}, {phase, 1, volts[phase], 2}, {3, 1, fourthAmps, 1}});
        }
    }
};

class AutoCalOrnatDlgTest : public testsupport::QtTest {
protected:
    static QString Status(QWidget* window) {
        return platform::FindControlAs<QLabel>(window, IDC_CAL_STATUS)->text();
    }
    static QString Shown(QWidget* window, int id) {
        return platform::FindControlAs<QLabel>(window, id)->text();
    }
    static QAbstractButton* Button(QWidget* window, int id) {
        return platform::FindControlAs<QAbstractButton>(window, id);
    }
    // Clicks `id` and lets the session's replies arrive until the status line reads `status`.
    static void ClickUntil(QWidget* window, int id, unsigned status) {
        Button(window, id)->click();
        EXPECT_TRUE(testsupport::ProcessEventsUntil([&] {
            return Status(window).toStdString() == LoadText(status);
        })) << Status(window).toStdString();
    }
    static void Calibrate(QWidget* window) { ClickUntil(window, IDC_CAL_AUTO_CAL, IDS_CAL_DONE); }
    static void MeasureAll(QWidget* window) {
        for (const unsigned done : {IDS_CAL_L1_DONE, IDS_CAL_L2_DONE, IDS_CAL_L3_DONE}) {
            ClickUntil(window, IDC_CAL_MEASURE, done);
        }
    }
    // The prompt ids of the program-wide boxes shown so far.
    static std::vector<unsigned> BoxIds(const testsupport::ScriptedUiBroker& broker) {
        std::vector<unsigned> ids;
        for (const testsupport::RecordedMessageBox& box : broker.Boxes()) {
            ids.push_back(box.byId ? box.ids.promptId : 0);
        }
        return ids;
    }
    static std::vector<std::string> Lines(const std::filesystem::path& file) {
        std::vector<std::string> lines;
        std::istringstream text(testsupport::ReadWholeFile(file));
        for (std::string line; std::getline(text, line);) {
            EXPECT_TRUE(line.ends_with('\r'));
            line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }
    static std::vector<std::string> Columns(const std::string& line) {
        std::vector<std::string> columns;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) {
            columns.push_back(field);
        }
        return columns;
    }

    testsupport::TempFolder folder_;
    ScriptedSession session_;
};

TEST_F(AutoCalOrnatDlgTest, ACalibrationIsWrittenMeasuredOverThePhasesAndStoredInANewFile) {
    testsupport::ScriptedUiBroker broker;
    const std::filesystem::path chosen = folder_ / "records" / "LoggerCalData.clb";
    std::filesystem::create_directory(folder_ / "records");
    broker.AnswerFileName(chosen);
    broker.AnswerMessageBox(IDOK);  // already stored
    session_.QueueGoodCounts();
    session_.QueueReadings();
    std::string calibrationFolder = (folder_ / "start").string();
    CAutoCalOrnatDlg dialog(session_.Request(), calibrationFolder);
    testsupport::OnNextModal([&](QWidget* window) {
        EXPECT_EQ(Status(window).toStdString(), LoadText(IDS_CAL_START));
        EXPECT_FALSE(Button(window, IDC_CAL_MEASURE)->isEnabled());
        EXPECT_FALSE(Button(window, IDC_CAL_PHASE_L1)->isEnabled());
        EXPECT_EQ(Shown(window, IDC_CAL_VOLT_SCALAR), "0.42500001");

        Calibrate(window);
        ASSERT_EQ(session_.written.size(), 1u);
        EXPECT_FLOAT_EQ(session_.written[0].v, 500.0F / (18800 * 0.0625F));
        EXPECT_FLOAT_EQ(session_.written[0].a, kReferenceAmps / (26200 * 100 * 0.0625F));
        EXPECT_FLOAT_EQ(session_.written[0].r, 1.5F);
        EXPECT_EQ(Shown(window, IDC_CAL_VOLT_SCALAR), "0.42553192");
        EXPECT_EQ(Shown(window, IDC_CAL_MEASURED_VOLTS), "500.00");
        EXPECT_EQ(Shown(window, IDC_CAL_REFERENCE_AMPS), "150.15");
        EXPECT_EQ(platform::FindControlAs<QLineEdit>(window, IDC_CAL_VOLT_SOURCE)->text(), "500.00");
        EXPECT_TRUE(Button(window, IDC_CAL_PHASE_L1)->isChecked());
        EXPECT_TRUE(Button(window, IDC_CAL_MEASURE)->isEnabled());

        MeasureAll(window);
        EXPECT_EQ(Shown(window, IDC_CAL_PHASE_VOLTS), "500.10");
        EXPECT_EQ(Shown(window, IDC_CAL_PHASE_AMPS), "150.20");
        EXPECT_TRUE(Button(window, IDC_CAL_MODEM_NONE)->isChecked());
        EXPECT_TRUE(Button(window, IDC_CAL_MEMORY_128K)->isChecked());

        platform::FindControlAs<QLineEdit>(window, IDC_CAL_SERIAL_NUMBER)->setText("12345");
        platform::FindControlAs<QLineEdit>(window, IDC_CAL_COMMENT)->setText("bench 4");
        Button(window, IDC_CAL_STORE)->click();
        EXPECT_EQ(Status(window).toStdString(), LoadText(IDS_CAL_STORED));
        Button(window, IDC_CAL_STORE)->click();
        Button(window, IDCANCEL)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);

    const auto asked = broker.Asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].kind, "PromptFileName");
    EXPECT_FALSE(asked[0].fileRequest.open);
    EXPECT_EQ(asked[0].fileRequest.title, "Create Calibration File ");
    EXPECT_EQ(asked[0].fileRequest.initialFolder, folder_ / "start");
    EXPECT_EQ(asked[0].fileRequest.fileName, "LoggerCalData");
    EXPECT_EQ(asked[0].fileRequest.defaultExtension, "clb");
    EXPECT_EQ(asked[1].text, "Logger Cal Records already stored!");
    EXPECT_EQ(calibrationFolder, (folder_ / "records").string());

    const std::vector<std::string> lines = Lines(chosen);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], CalibrationHeaderLine());
    const std::vector<std::string> record = Columns(lines[1]);
    ASSERT_EQ(record.size(), 30u);
    const std::vector<std::pair<int, std::string>> expected = {
        {2, "12345"},       {3, "    LOG-7"},   {4, std::string(13, ' ') + "Ornat 2"},
        {6, " 9600"},       {7, "NONE"},        {8, "128K"},
        {9, "Off"},         {10, "0.00091695"}, {11, "150.15"},
        {12, "150.20"},     {13, "-0.03"},      {18, "150.10"},
        {20, "0.42553192"}, {21, "500.00"},     {22, "500.20"},
        {23, "-0.04"},      {28, " JD"},        {29, std::string(73, ' ') + "bench 4"}};
    for (const auto& [column, text] : expected) {
        EXPECT_EQ(record[column], text) << "column " << column;
    }
}

TEST_F(AutoCalOrnatDlgTest, AFailedCountsReadEndsAutoCalBeforeAnythingIsComputedOrWritten) {
    struct Case {
        std::size_t failing;                // the read that fails, 0 to 3
        std::optional<std::string> answer;  // what the session answers for it
    };
    for (const Case& c : {Case{0, std::nullopt}, Case{1, std::nullopt}, Case{2, std::nullopt},
                          Case{3, std::nullopt}, Case{1, "ERR"}, Case{3, "\r\n"}}) {
        testsupport::ScriptedUiBroker broker;
        ScriptedSession session;
        session.QueueGoodCounts();
        session.counts[c.failing] = c.answer;
        std::string calibrationFolder = folder_.path().string();
        CAutoCalOrnatDlg dialog(session.Request(), calibrationFolder);
        testsupport::OnNextModal([&](QWidget* window) {
            ClickUntil(window, IDC_CAL_AUTO_CAL, IDS_CAL_COUNTS_UNREAD);
            EXPECT_TRUE(session.written.empty()) << c.failing;
            EXPECT_EQ(Shown(window, IDC_CAL_VOLT_SCALAR), "0.42500001") << c.failing;
            EXPECT_EQ(Shown(window, IDC_CAL_AMP_SCALAR), "0.00091500") << c.failing;
            EXPECT_FALSE(Button(window, IDC_CAL_MEASURE)->isEnabled()) << c.failing;
            EXPECT_TRUE(Button(window, IDC_CAL_AUTO_CAL)->isEnabled()) << c.failing;
            Button(window, IDCANCEL)->click();
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_TRUE(broker.Asked().empty()) << c.failing;
    }
}

TEST_F(AutoCalOrnatDlgTest, NoInputOrAScalarOutOfRangeStopsTheWriteUnlessTheTechnicianContinues) {
    struct Case {
        std::string counts;
        std::vector<int> answers;  // to the own boxes asked, in order
        unsigned question;
        bool written;
    };
    const int kContinue = IDC_MSGBOX_BUTTON1;
    const int kCancel = IDC_MSGBOX_BUTTON2;
    for (const Case& c : {Case{"26200\r\n0", {}, IDS_CAL_NO_VOLT_INPUT, false},
                          Case{"0\r\n18800", {}, IDS_CAL_NO_AMP_INPUT, false},
                          Case{"20000\r\n18800", {kCancel}, IDS_CAL_AMP_SCALAR_RANGE, false},
                          Case{"20000\r\n18800", {kContinue}, IDS_CAL_AMP_SCALAR_RANGE, true},
                          Case{"26200\r\n20000", {kCancel}, IDS_CAL_VOLT_SCALAR_RANGE, false},
                          Case{"26200\r\n20000", {kContinue}, IDS_CAL_VOLT_SCALAR_RANGE, true}}) {
        testsupport::ScriptedUiBroker broker;
        if (c.answers.empty()) {
            broker.AnswerMessageBox(IDOK);
        }
        for (const int answer : c.answers) {
            broker.AnswerDialog(std::string(platform::kOwnMessageBoxDialog), answer);
        }
        ScriptedSession session;
        session.counts.insert(session.counts.end(), 4, c.counts);
        std::string calibrationFolder = folder_.path().string();
        CAutoCalOrnatDlg dialog(session.Request(), calibrationFolder);
        testsupport::OnNextModal([&](QWidget* window) {
            Button(window, IDC_CAL_AUTO_CAL)->click();
            EXPECT_TRUE(testsupport::ProcessEventsUntil([&] { return !broker.Boxes().empty(); })) << c.counts;
            testsupport::ProcessEventsFor(20);
            EXPECT_EQ(Button(window, IDC_CAL_MEASURE)->isEnabled(), c.written) << c.counts;
            if (c.written) {
                // Closing a calibration not stored asks; the technician declines.
                broker.AnswerDialog(std::string(platform::kOwnMessageBoxDialog), kCancel);
            }
            Button(window, IDCANCEL)->click();
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(session.written.size(), c.written ? 1u : 0u) << c.counts;
        ASSERT_FALSE(BoxIds(broker).empty());
        EXPECT_EQ(BoxIds(broker)[0], c.question) << c.counts;
    }
}

TEST_F(AutoCalOrnatDlgTest, StoreAsksForEveryPhaseAndForLargeErrorsOfThreeVoltAndFourAmpInputs) {
    struct Case {
        std::array<float, 3> volts;
        float fourthAmps;
        unsigned question;
    };
    for (const Case& c : {Case{{500.2F, 498.5F, 500.1F}, 150.1F, IDS_CAL_VOLT_ERRORS},
                          Case{{500.2F, 499.9F, 500.1F}, 151.0F, IDS_CAL_AMP_ERRORS}}) {
        testsupport::ScriptedUiBroker broker;
        broker.AnswerMessageBox(IDOK);  // measuring before calibrating
        broker.AnswerMessageBox(IDOK);  // storing before calibrating
        broker.AnswerMessageBox(IDOK);  // L2 not measured
        broker.AnswerDialog(std::string(platform::kOwnMessageBoxDialog), IDC_MSGBOX_BUTTON2);  // the error
        broker.AnswerDialog(std::string(platform::kOwnMessageBoxDialog), IDC_MSGBOX_BUTTON2);  // closing
        ScriptedSession session;
        session.QueueGoodCounts();
        session.QueueReadings(c.volts, c.fourthAmps);
        std::string calibrationFolder = folder_.path().string();
        CAutoCalOrnatDlg dialog(session.Request(), calibrationFolder);
        testsupport::OnNextModal([&](QWidget* window) {
            Button(window, IDC_CAL_MEASURE)->setEnabled(true);
            Button(window, IDC_CAL_MEASURE)->click();
            Button(window, IDC_CAL_STORE)->click();
            Calibrate(window);
            ClickUntil(window, IDC_CAL_MEASURE, IDS_CAL_L1_DONE);
            Button(window, IDC_CAL_STORE)->click();
            ClickUntil(window, IDC_CAL_MEASURE, IDS_CAL_L2_DONE);
            ClickUntil(window, IDC_CAL_MEASURE, IDS_CAL_L3_DONE);
            Button(window, IDC_CAL_STORE)->click();
            Button(window, IDCANCEL)->click();
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(BoxIds(broker), (std::vector<unsigned>{IDS_CAL_MEASURE_FIRST, IDS_CAL_STORE_FIRST, 0,
                                                         c.question, IDS_CAL_STORE_BEFORE_CLOSING}));
        EXPECT_EQ(broker.Boxes()[2].texts.prompt, "Phase L2 has not been measured!");
        EXPECT_FALSE(std::filesystem::exists(folder_ / kCalibrationFileName));
    }
}

TEST_F(AutoCalOrnatDlgTest, ClosingOffersToStoreAndStaysOpenUntilTheRecordIsInTheFile) {
    testsupport::ScriptedUiBroker broker;
    const std::filesystem::path kept = folder_ / kCalibrationFileName;
    // A folder by the record file's name cannot take the record.
    std::filesystem::create_directory(kept);
    broker.AnswerDialog(std::string(platform::kOwnMessageBoxDialog), IDC_MSGBOX_BUTTON1);  // store first
    broker.AnswerMessageBox(IDOK);                                                         // not opened
    broker.AnswerDialog(std::string(platform::kOwnMessageBoxDialog), IDC_MSGBOX_BUTTON1);  // store first
    session_.QueueGoodCounts();
    session_.QueueReadings();
    std::string calibrationFolder = folder_.path().string();
    CAutoCalOrnatDlg dialog(session_.Request(), calibrationFolder);
    testsupport::OnNextModal([&](QWidget* window) {
        Calibrate(window);
        MeasureAll(window);
        Button(window, IDCANCEL)->click();
        EXPECT_TRUE(window->isVisible());
        // The existing file takes the record without a file dialog, after the lines it holds.
        std::filesystem::remove(kept);
        testsupport::WriteWholeFile(kept, CalibrationHeaderLine() + "\r\nearlier\r\n");
        Button(window, IDCANCEL)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const auto asked = broker.Asked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1].text, "The calibration record file " + kept.string() + " could not be opened.");
    const std::vector<std::string> lines = Lines(kept);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "earlier");
    EXPECT_EQ(Columns(lines[2]).size(), 30u);
}

}  // namespace
