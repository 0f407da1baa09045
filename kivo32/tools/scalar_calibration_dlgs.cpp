// The calibration windows of a connected logger's current and voltage scalars.
#include "kivo32/tools/scalar_calibration_dlgs.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>

#include "kivo32/session/session_ids.h"
#include "kivo32/setuprules/scalar_calibration.h"
#include "kivo32/tools/auto_cal_ids.h"
#include "kivo32/tools/logger_naming_lines.h"
#include "kivo32/tools/scalar_window_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box.h"
#include "shared/controls/dialog_buttons.h"

namespace sc = scalar_calibration;

namespace {

QString Number(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return QString::fromLatin1(text);
}

QPushButton* AddButton(QWidget* parent, QHBoxLayout* row, int id, unsigned textId) {
    auto* button = new QPushButton(platform::ToQString(LoadText(textId)), parent);
    button->setAutoDefault(false);
    platform::SetControlId(button, id);
    row->addWidget(button);
    return button;
}

}  // namespace

CScalarCalibrationDlg::CScalarCalibrationDlg(const Shape& shape, ScalarCalibrationFacts facts,
                                             const ScalarWindowLinks& links, double expectedInput,
                                             QWidget* parent)
    : platform::Dialog(parent),
      facts_(std::move(facts)),
      expected_input_(expectedInput),
      scalar_(facts_.*shape.scalar),
      shape_(shape),
      links_(links),
      asker_(*this, facts_.ask, links.cancelCommand) {
    setWindowTitle(platform::ToQString(LoadText(shape.titleId)));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(LoggerNamingLines(this, facts_.loggerId, facts_.firmware));
    form_ = new QFormLayout();
    layout->addLayout(form_);
    expected_input_edit_ = AddEdit(IDC_CAL_EXPECTED_INPUT, shape.expectedLabelId);
    expected_input_edit_->setReadOnly(false);
    expected_input_edit_->setMaxLength(6);
    AddTypedValue(expected_input_edit_, shape.expectedMinimum, shape.expectedMaximum);
    AddEdit(shape.scalarId, IDS_CAL_SCALAR_VALUE, IDC_CAL_SCALAR_LABEL);
    AddEdit(shape.expectedReadingId, IDS_CAL_EXPECTED_READING, IDC_CAL_EXPECTED_LABEL);
    AddEdit(shape.measuredId, IDS_CAL_MEASURED_READING, IDC_CAL_MEASURED_LABEL);
    AddEdit(IDC_CAL_ERROR, IDS_CAL_ERROR_PERCENT);

    auto* row = new QHBoxLayout();
    connect(AddButton(this, row, shape.checkId, IDS_CAL_CHECK), &QPushButton::clicked, this,
            &CScalarCalibrationDlg::OnCheck);
    connect(AddButton(this, row, shape.calibrateId, IDS_CAL_CALIBRATE), &QPushButton::clicked, this,
            &CScalarCalibrationDlg::OnCalibrate);
    connect(AddButton(this, row, IDC_CAL_SEND, IDS_CAL_SEND), &QPushButton::clicked, this,
            &CScalarCalibrationDlg::OnSend);
    connect(AddButton(this, row, IDC_CAL_WAKE, IDS_CAL_WAKE), &QPushButton::clicked, this,
            [this] { AskLogger(LoggerWindowCall::kWake); });
    layout->addLayout(row);
    QDialogButtonBox* buttons = MakeOkCancelButtons(this);
    cancel_ = platform::FindControlAs<QAbstractButton>(buttons, IDCANCEL);
    layout->addWidget(buttons);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { validate_on_leave_ = state == Qt::ApplicationActive; });
}

QLineEdit* CScalarCalibrationDlg::AddEdit(int id, unsigned labelId, int labelControlId) {
    auto* edit = new QLineEdit(this);
    edit->setReadOnly(true);
    platform::SetControlId(edit, id);
    auto* label = new QLabel(platform::ToQString(LoadText(labelId)), this);
    if (labelControlId != 0) {
        platform::SetControlId(label, labelControlId);
    }
    form_->addRow(label, edit);
    return edit;
}

void CScalarCalibrationDlg::AddTypedValue(QLineEdit* edit, double minimum, double maximum) {
    edit->installEventFilter(this);
    typed_ranges_.push_back({edit, minimum, maximum});
}

bool CScalarCalibrationDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    ShowResults();
    return true;
}

bool CScalarCalibrationDlg::OnNewProtocol(std::initializer_list<int> hidden) {
    if (!links_.newProtocol || !links_.newProtocol()) {
        return false;
    }
    for (const int id : hidden) {
        if (QWidget* control = platform::FindControl(this, id)) {
            control->hide();
        }
    }
    return true;
}

void CScalarCalibrationDlg::DoDataExchange(platform::DataExchange& exchange) {
    float expected = static_cast<float>(expected_input_);
    exchange.PrepareControl(expected_input_edit_);
    platform::DDX_FloatDecimals(exchange, expected_input_edit_, expected, shape_.expectedDecimals);
    platform::ValidateRange(exchange, static_cast<double>(expected), shape_.expectedMinimum,
                            shape_.expectedMaximum);
    if (exchange.saving() && !exchange.failed()) {
        expected_input_ = expected;
    }
}

bool CScalarCalibrationDlg::eventFilter(QObject* watched, QEvent* event) {
    // Focus that goes with the window (closing, another application) is no leaving of the edit.
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
            Target()->PostMessage(platform::Message(WM_CAL_CHECK_TYPED_VALUE, platform::ControlId(edit)));
        }
    }
    return platform::Dialog::eventFilter(watched, event);
}

void CScalarCalibrationDlg::OnMessage(platform::Message& message) {
    if (asker_.TakeAnswer(message)) {
        return;
    }
    if (message.id == WM_CAL_CHECK_TYPED_VALUE) {
        // A press on Cancel took the focus: Cancel closes without the range message.
        if (validate_on_leave_ && !cancel_->isDown() && isVisible()) {
            CheckTypedValue(static_cast<int>(message.wParam));
        }
        return;
    }
    platform::Dialog::OnMessage(message);
}

void CScalarCalibrationDlg::CheckTypedValue(int control) {
    for (const TypedRange& typed : typed_ranges_) {
        if (platform::ControlId(typed.edit) == control && !typed.edit->isHidden()) {
            platform::DataExchange exchange(true);
            float value = 0;
            exchange.PrepareControl(typed.edit);
            platform::DDX_FloatDecimals(exchange, typed.edit, value, 4);
            platform::ValidateRange(exchange, static_cast<double>(value), typed.minimum, typed.maximum);
        }
    }
}

void CScalarCalibrationDlg::OnCancel() {
    asker_.CancelWait();
    platform::Dialog::OnCancel();
}

std::optional<LoggerWindowAnswer> CScalarCalibrationDlg::AskLogger(LoggerWindowCall call) {
    return asker_.Ask({.call = call});
}

std::optional<CScalarCalibrationDlg::InputRead> CScalarCalibrationDlg::ReadInput(
    const std::function<std::optional<long>(std::string_view)>& countsOf, unsigned failedId) {
    const bool reference = sc::ReadsReference(facts_.typeCode);
    const std::optional<LoggerWindowAnswer> answer =
        AskLogger(reference ? LoggerWindowCall::kReadReference : LoggerWindowCall::kReadCounts);
    if (!answer) {
        return std::nullopt;  // the window closed
    }
    InputRead read{.reference = *answer, .counts = reference ? std::nullopt : countsOf(answer->counts)};
    // A failed read stops here: the last measurement is no reading of this one.
    if (!answer->done || (!reference && !read.counts)) {
        ShowMessageBoxId(failedId, MB_ICONEXCLAMATION, true);
        return std::nullopt;
    }
    return read;
}

void CScalarCalibrationDlg::OnCheck() {
    if (!UpdateData(true)) {
        return;
    }
    const std::optional<Reading> reading = Measure();
    if (!reading) {
        return;
    }
    const std::optional<double> error = ErrorOf(*reading);
    if (!error) {
        return;
    }
    expected_reading_ = reading->expected;
    measured_ = reading->measured;
    error_ = *error;
    ShowResults();
}

void CScalarCalibrationDlg::OnCalibrate() {
    if (!UpdateData(true)) {
        return;
    }
    const std::optional<Reading> reading = Measure();
    if (reading && ErrorOf(*reading)) {
        const sc::Calibrated calibrated =
            sc::Calibrate(reading->expected, reading->measured, reading->scalar);
        if (const std::optional<double> error =
                ErrorOf({reading->expected, calibrated.measured, calibrated.scalar})) {
            scalar_ = calibrated.scalar;
            expected_reading_ = reading->expected;
            measured_ = calibrated.measured;
            error_ = *error;
        }
    }
    ShowResults();
}

void CScalarCalibrationDlg::OnSend() {
    ScalarCalibrationFacts sent = facts_;
    sent.*shape_.scalar = static_cast<float>(scalar_);
    const std::optional<LoggerWindowAnswer> answer = asker_.Ask({.call = LoggerWindowCall::kSendScalars,
                                                                 .a = sent.a,
                                                                 .v = sent.v,
                                                                 .r = sent.r,
                                                                 .statusId = shape_.sendStatusId});
    if (answer && answer->done) {
        facts_ = std::move(sent);
    }
}

void CScalarCalibrationDlg::ShowResults() {
    UpdateData(false);
    ShowNumber(shape_.scalarId, "%1.8f", scalar_);
    ShowNumber(shape_.expectedReadingId, "%1.2f", expected_reading_);
    ShowNumber(shape_.measuredId, "%1.2f", measured_);
    ShowNumber(IDC_CAL_ERROR, shape_.errorFormat, error_);
}

void CScalarCalibrationDlg::ShowNumber(int id, const char* format, double value) {
    if (auto* edit = platform::FindControlAs<QLineEdit>(this, id)) {
        edit->setText(Number(format, value));
    }
}

// ---- Current.

namespace {

constexpr double kDefaultExpectedAmps = 0.5;
constexpr double kDefaultExpectedVolts = 500.0;
constexpr double kLowestRange = 0.001;
constexpr double kHighestRange = 1000000000.0;

}  // namespace

CCalAmpScalarDlg::CCalAmpScalarDlg(ScalarCalibrationFacts facts, const ScalarWindowLinks& links,
                                   QWidget* parent)
    : CScalarCalibrationDlg({.titleId = IDS_CAL_AMP_TITLE,
                             .expectedLabelId = IDS_CAL_EXPECTED_CURRENT,
                             .expectedDecimals = 4,
                             .expectedMinimum = 0.0001,
                             .expectedMaximum = 1.0,
                             .scalarId = IDC_CAL_AMP_SCALAR_VALUE,
                             .expectedReadingId = IDC_CAL_AMP_EXPECTED,
                             .measuredId = IDC_CAL_AMP_MEASURED,
                             .errorFormat = "%1.2f",
                             .checkId = IDC_CAL_AMP_CHECK,
                             .calibrateId = IDC_CAL_AMP_CALIBRATE,
                             .sendStatusId = IDS_UPDATING_CAL_CONSTANTS,
                             .scalar = &ScalarCalibrationFacts::a},
                            std::move(facts), links, kDefaultExpectedAmps, parent) {
    range_edit_ = AddEdit(IDC_CAL_RANGE, IDS_CAL_RANGE, IDC_CAL_RANGE_LABEL);
    range_edit_->setReadOnly(false);
    range_edit_->setMaxLength(11);
    AddTypedValue(range_edit_, kLowestRange, kHighestRange);
}

bool CCalAmpScalarDlg::OnInitDialog() {
    CScalarCalibrationDlg::OnInitDialog();
    OnNewProtocol({IDC_CAL_WAKE, IDC_CAL_RANGE, IDC_CAL_RANGE_LABEL});
    return true;
}

void CCalAmpScalarDlg::DoDataExchange(platform::DataExchange& exchange) {
    CScalarCalibrationDlg::DoDataExchange(exchange);
    float range = static_cast<float>(range_);
    exchange.PrepareControl(range_edit_);
    platform::DDX_FloatDecimals(exchange, range_edit_, range, 1);
    platform::ValidateRange(exchange, static_cast<double>(range), kLowestRange, kHighestRange);
    if (exchange.saving() && !exchange.failed()) {
        range_ = range;
    }
}

std::optional<CScalarCalibrationDlg::Reading> CCalAmpScalarDlg::Measure() {
    const int type = facts_.typeCode;
    const std::optional<InputRead> read = ReadInput(sc::CurrentCounts, IDS_CAL_AMP_READ_FAILED);
    if (!read) {
        return std::nullopt;
    }
    const double expected = sc::ExpectedCurrentReading(type, expected_input_, range_);
    if (!read->counts) {
        return Reading{expected, read->reference.current, facts_.a};
    }
    return Reading{expected, sc::ReadingFromCounts(type, *read->counts, scalar_, range_), scalar_};
}

std::optional<double> CCalAmpScalarDlg::ErrorOf(const Reading& reading) const {
    const std::optional<double> error = sc::CurrentErrorPercent(reading.expected, reading.measured);
    if (!error) {
        ShowMessageBoxId(IDS_CAL_NO_AMP_INPUT, MB_ICONEXCLAMATION, true);
    }
    return error;
}

// ---- Voltage.

CCalVoltTempScalarDlg::CCalVoltTempScalarDlg(ScalarCalibrationFacts facts, const ScalarWindowLinks& links,
                                             QWidget* parent)
    : CScalarCalibrationDlg({.titleId = IDS_CAL_VOLT_TITLE,
                             .expectedLabelId = IDS_CAL_EXPECTED_VOLTAGE,
                             .expectedDecimals = 2,
                             .expectedMinimum = 0.1,
                             .expectedMaximum = 800.0,
                             .scalarId = IDC_CAL_VOLT_SCALAR_VALUE,
                             .expectedReadingId = IDC_CAL_VOLT_EXPECTED,
                             .measuredId = IDC_CAL_VOLT_MEASURED,
                             .errorFormat = "%2.2f",
                             .checkId = IDC_CAL_VOLT_CHECK,
                             .calibrateId = IDC_CAL_VOLT_CALIBRATE,
                             .sendStatusId = IDS_UPDATING_VOLT_SCALAR,
                             .scalar = &ScalarCalibrationFacts::v},
                            std::move(facts), links, kDefaultExpectedVolts, parent) {}

bool CCalVoltTempScalarDlg::OnInitDialog() {
    CScalarCalibrationDlg::OnInitDialog();
    if (!OnNewProtocol({IDC_CAL_WAKE})) {
        return true;
    }
    setWindowTitle(platform::ToQString(LoadText(IDS_CAL_VOLTAGE_TITLE)));
    const std::pair<int, unsigned> labels[] = {{IDC_CAL_SCALAR_LABEL, IDS_CAL_VOLTAGE_SCALAR_VALUE},
                                               {IDC_CAL_EXPECTED_LABEL, IDS_CAL_VOLTAGE_EXPECTED},
                                               {IDC_CAL_MEASURED_LABEL, IDS_CAL_VOLTAGE_MEASURED}};
    for (const auto& [id, textId] : labels) {
        if (auto* label = platform::FindControlAs<QLabel>(this, id)) {
            label->setText(platform::ToQString(LoadText(textId)));
        }
    }
    return true;
}

std::optional<CScalarCalibrationDlg::Reading> CCalVoltTempScalarDlg::Measure() {
    const int type = facts_.typeCode;
    const std::optional<InputRead> read = ReadInput(
        [type](std::string_view text) { return sc::VoltageCounts(text, type); }, IDS_CAL_VOLT_READ_FAILED);
    if (!read) {
        return std::nullopt;
    }
    if (!read->counts) {
        return Reading{expected_input_, read->reference.voltage, facts_.v};
    }
    return Reading{expected_input_, sc::ReadingFromCounts(type, *read->counts, scalar_), scalar_};
}

std::optional<double> CCalVoltTempScalarDlg::ErrorOf(const Reading& reading) const {
    const std::optional<double> error = sc::VoltageErrorPercent(reading.expected, reading.measured);
    if (!error) {
        ShowMessageBoxId(IDS_CAL_NO_VOLT_INPUT, MB_ICONEXCLAMATION, true);
    }
    return error;
}
