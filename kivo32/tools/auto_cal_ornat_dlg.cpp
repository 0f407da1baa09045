// CAutoCalOrnatDlg: production calibration of a connected logger.
#include "kivo32/tools/auto_cal_ornat_dlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <system_error>

#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/tools/auto_cal_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/message_box.h"
#include "shared/logger/logger_ids.h"

namespace {

constexpr int kSourceTextMax = 6;
// The record's columns of the serial number and the comment: longer text would be cut there.
constexpr int kSerialNumberMax = 5;
constexpr int kCommentMax = 80;
// atof reads at most this much of a source's text.
constexpr std::size_t kSourceReadMax = 7;
constexpr float kDefaultVoltSource = 500.0F;
constexpr float kDefaultAmpSource = 0.5F;
// The largest phase error, in percent, stored without the technician confirming it.
constexpr float kPhaseErrorMax = 0.25F;
constexpr int kPhases = 3;

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

// A number as the window shows it.
QString Number(const char* format, float value) {
    return platform::ToQString(platform::StringPrintf(format, static_cast<double>(value)));
}

QLabel* Shown(QWidget* parent, int id, const std::string& text = {}) {
    auto* label = new QLabel(platform::ToQString(text), parent);
    platform::SetControlId(label, id);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLineEdit* Edit(QWidget* parent, int id, int maxLength) {
    auto* edit = new QLineEdit(parent);
    platform::SetControlId(edit, id);
    edit->setMaxLength(maxLength);
    return edit;
}

QPushButton* Button(QWidget* parent, int id, unsigned textId) {
    auto* button = new QPushButton(Text(textId), parent);
    button->setAutoDefault(false);
    platform::SetControlId(button, id);
    return button;
}

// A group box of radio buttons, numbered 0 on in the group in the order given.
QGroupBox* Choices(QWidget* parent, unsigned titleId, QButtonGroup* group,
                   std::initializer_list<std::pair<int, QString>> buttons) {
    auto* box = new QGroupBox(Text(titleId), parent);
    auto* layout = new QHBoxLayout(box);
    for (const auto& [id, text] : buttons) {
        auto* radio = new QRadioButton(text, box);
        platform::SetControlId(radio, id);
        group->addButton(radio, group->buttons().size());
        layout->addWidget(radio);
    }
    return box;
}

bool Confirmed(unsigned questionId, unsigned continueId) {
    return MessageBoxButton(ShowMessageBoxId(questionId, MB_ICONQUESTION, false, 0, continueId,
                                             IDS_CAL_CANCEL_BUTTON)) == IDC_MSGBOX_BUTTON1;
}

void ShowFileNotOpened(const std::filesystem::path& path) {
    ShowMessageBox(platform::FormatLoadedText(IDS_CAL_FILE_NOT_OPENED, {path.string()}), MB_ICONEXCLAMATION,
                   true);
}

// A reference source's value as typed.
float SourceValue(const QLineEdit* edit) {
    const std::string text = platform::FromQString(edit->text()).substr(0, kSourceReadMax);
    return static_cast<float>(std::atof(text.c_str()));
}

template <std::size_t N>
bool AllWithin(const std::array<float, N>& errors) {
    for (const float error : errors) {
        if (std::fabs(error) > kPhaseErrorMax) {
            return false;
        }
    }
    return true;
}

}  // namespace

CAutoCalOrnatDlg::CAutoCalOrnatDlg(AutoCalibrationRequest logger, std::string& calibrationFolder,
                                   QWidget* parent)
    : platform::Dialog(parent),
      logger_(std::move(logger)),
      calibration_folder_(calibrationFolder),
      amp_scalar_(logger_.ampScalar),
      volt_scalar_(logger_.voltScalar),
      serial_number_(Edit(this, IDC_CAL_SERIAL_NUMBER, kSerialNumberMax)),
      volt_source_edit_(Edit(this, IDC_CAL_VOLT_SOURCE, kSourceTextMax)),
      amp_source_edit_(Edit(this, IDC_CAL_AMP_SOURCE, kSourceTextMax)),
      comment_(Edit(this, IDC_CAL_COMMENT, kCommentMax)),
      status_(Shown(this, IDC_CAL_STATUS)),
      phases_(new QButtonGroup(this)),
      modems_(new QButtonGroup(this)),
      memories_(new QButtonGroup(this)),
      auto_cal_(Button(this, IDC_CAL_AUTO_CAL, IDS_CAL_AUTO_CAL)),
      measure_(Button(this, IDC_CAL_MEASURE, IDS_CAL_MEASURE)),
      store_(Button(this, IDC_CAL_STORE, IDS_CAL_STORE)) {
    setWindowTitle(Text(IDS_CAL_TITLE));

    auto* loggerBox = new QGroupBox(Text(IDS_CAL_LOGGER_GROUP), this);
    auto* loggerGrid = new QGridLayout(loggerBox);
    const auto addRow = [loggerBox, loggerGrid](unsigned labelId, QWidget* value) {
        const int row = loggerGrid->rowCount();
        loggerGrid->addWidget(new QLabel(Text(labelId), loggerBox), row, 0);
        loggerGrid->addWidget(value, row, 1);
    };
    addRow(IDS_CAL_ID_LABEL, Shown(this, IDC_CAL_ID, logger_.loggerId));
    addRow(IDS_CAL_TYPE_LABEL, Shown(this, IDC_CAL_TYPE_NAME, logger_.typeName));
    addRow(IDS_CAL_DESCRIPTION_LABEL, Shown(this, IDC_CAL_DESCRIPTION, logger_.description));
    addRow(IDS_CAL_LOG_LABEL, Shown(this, IDC_CAL_LOG_STATE,
                                    LoadText(logger_.recording ? IDS_RECORDING_ON : IDS_RECORDING_OFF)));
    addRow(IDS_CAL_BAUD_LABEL, Shown(this, IDC_CAL_BAUD, std::to_string(logger_.baud)));
    addRow(IDS_CAL_SERIAL_LABEL, serial_number_);
    addRow(IDS_CAL_VOLT_SOURCE_LABEL, volt_source_edit_);
    addRow(IDS_CAL_AMP_SOURCE_LABEL, amp_source_edit_);

    // Volts and amps, each with its scalar, reference, measurement and error.
    auto* results = new QGridLayout;
    int column = 1;
    for (const unsigned heading : {IDS_CAL_SCALAR_HEADING, IDS_CAL_REFERENCE_HEADING,
                                   IDS_CAL_MEASURED_HEADING, IDS_CAL_ERROR_HEADING}) {
        results->addWidget(new QLabel(Text(heading), this), 0, column++);
    }
    const auto addResults = [this, results](int row, unsigned labelId, std::initializer_list<int> ids) {
        results->addWidget(new QLabel(Text(labelId), this), row, 0);
        int at = 1;
        for (const int id : ids) {
            results->addWidget(Shown(this, id), row, at++);
        }
    };
    addResults(1, IDS_CAL_VOLTS_LABEL,
               {IDC_CAL_VOLT_SCALAR, IDC_CAL_REFERENCE_VOLTS, IDC_CAL_MEASURED_VOLTS, IDC_CAL_VOLT_ERROR});
    addResults(2, IDS_CAL_AMPS_LABEL,
               {IDC_CAL_AMP_SCALAR, IDC_CAL_REFERENCE_AMPS, IDC_CAL_MEASURED_AMPS, IDC_CAL_AMP_ERROR});

    QGroupBox* phaseBox =
        Choices(this, IDS_CAL_PHASE_GROUP, phases_,
                {{IDC_CAL_PHASE_L1, "L1"}, {IDC_CAL_PHASE_L2, "L2"}, {IDC_CAL_PHASE_L3, "L3"}});
    auto* phaseValues = qobject_cast<QHBoxLayout*>(phaseBox->layout());
    phaseValues->addSpacing(16);
    phaseValues->addWidget(new QLabel(Text(IDS_CAL_VOLTS_LABEL), phaseBox));
    phaseValues->addWidget(Shown(phaseBox, IDC_CAL_PHASE_VOLTS));
    phaseValues->addWidget(new QLabel(Text(IDS_CAL_AMPS_LABEL), phaseBox));
    phaseValues->addWidget(Shown(phaseBox, IDC_CAL_PHASE_AMPS));
    QGroupBox* modemBox = Choices(this, IDS_CAL_MODEM_GROUP, modems_,
                                  {{IDC_CAL_MODEM_NONE, Text(IDS_CAL_NONE)},
                                   {IDC_CAL_MODEM_2400, "2400"},
                                   {IDC_CAL_MODEM_9600, "9600"},
                                   {IDC_CAL_MODEM_14400, "14400"}});
    QGroupBox* memoryBox = Choices(this, IDS_CAL_MEMORY_GROUP, memories_,
                                   {{IDC_CAL_MEMORY_128K, "128K"}, {IDC_CAL_MEMORY_512K, "512K"}});
    auto* options = new QHBoxLayout;
    options->addWidget(modemBox);
    options->addWidget(memoryBox);
    auto* commentRow = new QHBoxLayout;
    commentRow->addWidget(new QLabel(Text(IDS_CAL_COMMENT_LABEL), this));
    commentRow->addWidget(comment_, 1);

    status_->setWordWrap(true);
    status_->setFrameShape(QFrame::StyledPanel);
    auto* close = Button(this, IDCANCEL, IDS_CAL_CLOSE);
    connect(auto_cal_, &QAbstractButton::clicked, this, [this] { OnAutoCal(); });
    connect(measure_, &QAbstractButton::clicked, this, [this] { OnMeasure(); });
    connect(store_, &QAbstractButton::clicked, this, [this] { OnStore(); });
    connect(close, &QAbstractButton::clicked, this, [this] { OnCancel(); });
    auto* buttons = new QHBoxLayout;
    for (QAbstractButton* button : {auto_cal_, measure_, store_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(loggerBox);
    layout->addLayout(results);
    layout->addWidget(phaseBox);
    layout->addLayout(options);
    layout->addLayout(commentRow);
    layout->addWidget(status_);
    layout->addLayout(buttons);
}

CAutoCalOrnatDlg::~CAutoCalOrnatDlg() {
    if (awaiting_ != Awaiting::kNothing) {
        QApplication::restoreOverrideCursor();
    }
}

bool CAutoCalOrnatDlg::OnInitDialog() {
    const bool result = platform::Dialog::OnInitDialog();
    volt_source_edit_->setText(Number("%.4f", kDefaultVoltSource));
    amp_source_edit_->setText(Number("%.4f", kDefaultAmpSource));
    SetNumber(IDC_CAL_AMP_SCALAR, "%1.8f", amp_scalar_);
    SetNumber(IDC_CAL_VOLT_SCALAR, "%1.8f", volt_scalar_);
    for (const int id :
         {IDC_CAL_MEASURED_AMPS, IDC_CAL_MEASURED_VOLTS, IDC_CAL_AMP_ERROR, IDC_CAL_VOLT_ERROR,
          IDC_CAL_REFERENCE_AMPS, IDC_CAL_REFERENCE_VOLTS, IDC_CAL_PHASE_AMPS, IDC_CAL_PHASE_VOLTS}) {
        SetNumber(id, "%1.2f", 0);
    }
    SetStatus(IDS_CAL_START);
    for (QAbstractButton* phase : phases_->buttons()) {
        phase->setEnabled(false);
    }
    measure_->setEnabled(false);
    return result;
}

void CAutoCalOrnatDlg::OnMessage(platform::Message& message) {
    if (message.id != WM_CALIBRATION_REPLY) {
        platform::Dialog::OnMessage(message);
        return;
    }
    const bool done = message.wParam != 0;
    const Awaiting reply = awaiting_;
    if (reply == Awaiting::kCounts) {
        const auto* counts = platform::PayloadAs<std::string>(message);
        TakeCounts(done && counts != nullptr, counts != nullptr ? *counts : std::string());
    } else if (reply == Awaiting::kScalarsWritten) {
        TakeScalarsWritten(done);
    } else if (reply == Awaiting::kMeasurement) {
        const auto* values = platform::PayloadAs<std::vector<RealTimeValue>>(message);
        TakeMeasurement(done && values != nullptr,
                        values != nullptr ? *values : std::vector<RealTimeValue>());
    }
}

void CAutoCalOrnatDlg::OnAutoCal() {
    if (awaiting_ != Awaiting::kNothing) {
        return;
    }
    SetStatus(IDS_CAL_BEGINNING);
    volt_source_ = SourceValue(volt_source_edit_);
    amp_source_ = SourceValue(amp_source_edit_);
    counts_.clear();
    Await(Awaiting::kCounts);
    logger_.readCounts(Target());
}

// Volts are read twice, then amps twice; a read that failed ends the run before anything is computed.
void CAutoCalOrnatDlg::TakeCounts(bool read, const std::string& counts) {
    if (!read) {
        EndWait(IDS_CAL_COUNTS_UNREAD);
        return;
    }
    counts_.push_back(counts);
    if (counts_.size() == 1) {
        ShowFirstVoltRead(counts);
    } else if (counts_.size() == 2) {
        SetStatus(IDS_CAL_BEGINNING_AMPS);
    } else if (counts_.size() == 3) {
        ShowFirstAmpRead(counts);
    } else {
        CalibrateFromCounts();
        return;
    }
    logger_.readCounts(Target());
}

void CAutoCalOrnatDlg::ShowFirstVoltRead(const std::string& counts) {
    volt_source_edit_->setText(Number("%.2f", volt_source_));
    const std::optional<int> read = VoltCountsFrom(counts, logger_.typeCode);
    const float measured = read.has_value() ? MeasuredVolts(*read, volt_scalar_, logger_.typeCode) : 0;
    if (measured >= 0.1F) {
        SetNumber(IDC_CAL_VOLT_ERROR, "%1.2f", PercentError(volt_source_, measured));
        SetNumber(IDC_CAL_REFERENCE_VOLTS, "%1.2f", volt_source_);
        SetNumber(IDC_CAL_MEASURED_VOLTS, "%1.2f", measured);
        SetNumber(IDC_CAL_VOLT_SCALAR, "%1.8f", volt_scalar_);
    }
}

void CAutoCalOrnatDlg::ShowFirstAmpRead(const std::string& counts) {
    amp_source_edit_->setText(Number("%.4f", amp_source_));
    const std::optional<int> read = AmpCountsFrom(counts);
    const float measured = read.has_value() ? MeasuredAmps(*read, amp_scalar_, logger_.typeCode) : 0;
    if (measured != 0) {
        SetNumber(IDC_CAL_AMP_ERROR, "%1.2f", PercentError(ReferenceAmps(amp_source_), measured));
        SetNumber(IDC_CAL_REFERENCE_AMPS, "%1.2f", ReferenceAmps(amp_source_));
        SetNumber(IDC_CAL_MEASURED_AMPS, "%1.2f", measured);
        SetNumber(IDC_CAL_AMP_SCALAR, "%1.8f", amp_scalar_);
    }
}

void CAutoCalOrnatDlg::CalibrateFromCounts() {
    const ScalarCalibration result =
        CalibrateScalars(VoltCountsFrom(counts_[1], logger_.typeCode), AmpCountsFrom(counts_[3]),
                         volt_source_, amp_source_, volt_scalar_, amp_scalar_, logger_.typeCode);
    if (result.stop != CalibrationStop::kNone) {
        EndWait(result.stop == CalibrationStop::kCountsUnread ? IDS_CAL_COUNTS_UNREAD : 0);
        if (result.stop != CalibrationStop::kCountsUnread) {
            ShowMessageBoxId(
                result.stop == CalibrationStop::kNoVoltInput ? IDS_CAL_NO_VOLT_INPUT : IDS_CAL_NO_AMP_INPUT,
                MB_ICONEXCLAMATION, true);
        }
        return;
    }
    volt_scalar_ = result.voltScalar;
    amp_scalar_ = result.ampScalar;
    reference_amps_ = ReferenceAmps(amp_source_);
    SetNumber(IDC_CAL_VOLT_SCALAR, "%1.8f", volt_scalar_);
    SetNumber(IDC_CAL_MEASURED_VOLTS, "%1.2f", result.measuredVolts);
    SetNumber(IDC_CAL_AMP_SCALAR, "%1.8f", amp_scalar_);
    SetNumber(IDC_CAL_MEASURED_AMPS, "%1.2f", result.measuredAmps);
    QApplication::restoreOverrideCursor();
    const bool agreed =
        (AmpScalarInRange(amp_scalar_) || Confirmed(IDS_CAL_AMP_SCALAR_RANGE, IDS_CAL_CONTINUE_BUTTON)) &&
        (VoltScalarInRange(volt_scalar_) || Confirmed(IDS_CAL_VOLT_SCALAR_RANGE, IDS_CAL_CONTINUE_BUTTON));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!agreed) {
        EndWait(0);
        return;
    }
    SetStatus(IDS_CAL_UPDATING);
    awaiting_ = Awaiting::kScalarsWritten;
    logger_.writeScalars(
        {.a = amp_scalar_, .v = volt_scalar_, .r = logger_.thirdScalar, .replyTo = Target()});
}

void CAutoCalOrnatDlg::TakeScalarsWritten(bool written) {
    if (!written) {
        EndWait(0);
        ShowMessageBoxId(IDS_CAL_NOT_WRITTEN, MB_ICONEXCLAMATION, true);
        return;
    }
    EndWait(IDS_CAL_DONE);
    calibrated_ = true;
    // Phases measured under the scalars before no longer describe this calibration.
    phase_measured_ = {};
    for (QAbstractButton* phase : phases_->buttons()) {
        phase->setEnabled(true);
    }
    phases_->button(0)->setChecked(true);
    measure_->setEnabled(true);
    measure_->setFocus();
}

void CAutoCalOrnatDlg::OnMeasure() {
    if (awaiting_ != Awaiting::kNothing) {
        return;
    }
    if (!calibrated_) {
        ShowMessageBoxId(IDS_CAL_MEASURE_FIRST, MB_ICONEXCLAMATION, true);
        return;
    }
    if (phases_->checkedId() < 0) {
        return;
    }
    measured_phase_ = phases_->checkedId();
    SetStatus(IDS_CAL_SAMPLING);
    Await(Awaiting::kMeasurement);
    logger_.measure(Target());
}

void CAutoCalOrnatDlg::TakeMeasurement(bool read, const std::vector<RealTimeValue>& values) {
    const int phase = measured_phase_;
    const PhaseValues taken = read ? ValuesOfPhase(values, phase + 1) : PhaseValues{};
    // A phase counts as measured only with both its values.
    if (!taken.amps.has_value() || !taken.volts.has_value()) {
        EndWait(0);
        ShowMessageBoxId(IDS_REAL_TIME_READ_FAILED, MB_ICONEXCLAMATION, true);
        return;
    }
    amps_[phase] = *taken.amps;
    volts_[phase] = *taken.volts;
    amp_errors_[phase] = PercentError(*taken.amps, reference_amps_);
    volt_errors_[phase] = PercentError(*taken.volts, volt_source_);
    if (taken.fourthAmps.has_value()) {
        amps_[3] = *taken.fourthAmps;
        amp_errors_[3] = PercentError(*taken.fourthAmps, reference_amps_);
    }
    phase_measured_[phase] = true;
    SetNumber(IDC_CAL_PHASE_AMPS, "%1.2f", amps_[phase]);
    SetNumber(IDC_CAL_PHASE_VOLTS, "%1.2f", volts_[phase]);
    constexpr std::array<unsigned, kPhases> kPhaseDone = {IDS_CAL_L1_DONE, IDS_CAL_L2_DONE, IDS_CAL_L3_DONE};
    EndWait(kPhaseDone[phase]);
    if (phase + 1 < kPhases) {
        phases_->button(phase + 1)->setChecked(true);
        return;
    }
    modems_->button(0)->setChecked(true);
    memories_->button(0)->setChecked(true);
    store_->setFocus();
}

bool CAutoCalOrnatDlg::OnStore() {
    if (awaiting_ != Awaiting::kNothing) {
        return false;
    }
    if (stored_) {
        ShowMessageBoxId(IDS_CAL_ALREADY_STORED, MB_ICONINFORMATION, true);
        return false;
    }
    if (!calibrated_) {
        ShowMessageBoxId(IDS_CAL_STORE_FIRST, MB_ICONEXCLAMATION, true);
        return false;
    }
    if (!PhaseErrorsConfirmed()) {
        return false;
    }
    const std::filesystem::path file = RecordFile();
    if (file.empty()) {
        return false;
    }
    if (!AppendCalibrationLine(file, CalibrationRecordLine(Record()))) {
        ShowFileNotOpened(file);
        return false;
    }
    stored_ = true;
    SetStatus(IDS_CAL_STORED);
    return true;
}

bool CAutoCalOrnatDlg::PhaseErrorsConfirmed() const {
    for (int phase = 0; phase < kPhases; ++phase) {
        if (!phase_measured_[phase]) {
            ShowMessageBox(platform::FormatLoadedText(IDS_CAL_PHASE_UNMEASURED, {std::to_string(phase + 1)}),
                           MB_ICONEXCLAMATION, true);
            return false;
        }
    }
    return (AllWithin(volt_errors_) || Confirmed(IDS_CAL_VOLT_ERRORS, IDS_CAL_STORE_BUTTON)) &&
           (AllWithin(amp_errors_) || Confirmed(IDS_CAL_AMP_ERRORS, IDS_CAL_STORE_BUTTON));
}

std::filesystem::path CAutoCalOrnatDlg::RecordFile() {
    const std::filesystem::path folder = calibration_folder_;
    const std::filesystem::path kept = folder / kCalibrationFileName;
    std::error_code error;
    if (std::filesystem::exists(kept, error)) {
        return kept;
    }
    platform::FileNameRequest request;
    request.open = false;
    request.title = LoadText(IDS_CAL_CREATE_FILE);
    request.filters = {{LoadText(IDS_CAL_FILE_FILTER) + " (*.clb)", {"*.clb"}},
                       {LoadText(AFX_IDS_ALLFILTER) + " (*.*)", {"*"}}};
    request.initialFolder = folder;
    request.fileName = std::filesystem::path(kCalibrationFileName).stem();
    request.defaultExtension = "clb";
    const std::optional<std::filesystem::path> chosen = platform::CurrentUiBroker().PromptFileName(request);
    if (!chosen.has_value()) {
        return {};
    }
    calibration_folder_ = chosen->parent_path().string();
    return *chosen;
}

CalibrationRecord CAutoCalOrnatDlg::Record() const {
    CalibrationRecord record;
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &record.storedAt);
    record.serialNumber = platform::FromQString(serial_number_->text());
    record.id = logger_.loggerId;
    record.typeName = logger_.typeName;
    record.description = logger_.description;
    record.baud = std::to_string(logger_.baud);
    record.modemChoice = modems_->checkedId();
    record.memoryChoice = memories_->checkedId();
    record.logState = LoadText(logger_.recording ? IDS_RECORDING_ON : IDS_RECORDING_OFF);
    record.ampScalar = amp_scalar_;
    record.referenceAmps = reference_amps_;
    record.amps = amps_;
    record.ampErrors = amp_errors_;
    record.voltScalar = volt_scalar_;
    record.voltSource = volt_source_;
    record.volts = volts_;
    record.voltErrors = volt_errors_;
    record.technician = logger_.technician;
    record.comment = platform::FromQString(comment_->text());
    return record;
}

void CAutoCalOrnatDlg::OnCancel() {
    if (calibrated_ && !stored_ && awaiting_ == Awaiting::kNothing &&
        Confirmed(IDS_CAL_STORE_BEFORE_CLOSING, IDS_CAL_STORE_BUTTON) && !OnStore()) {
        // The calibration is not in the file yet: the window stays for another try.
        return;
    }
    platform::Dialog::OnCancel();
}

void CAutoCalOrnatDlg::Await(Awaiting reply) {
    awaiting_ = reply;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (QAbstractButton* button : {auto_cal_, measure_, store_}) {
        button->setEnabled(false);
    }
}

void CAutoCalOrnatDlg::EndWait(unsigned statusId) {
    awaiting_ = Awaiting::kNothing;
    QApplication::restoreOverrideCursor();
    auto_cal_->setEnabled(true);
    measure_->setEnabled(calibrated_);
    store_->setEnabled(true);
    if (statusId != 0) {
        SetStatus(statusId);
    }
}

void CAutoCalOrnatDlg::SetStatus(unsigned id) {
    status_->setText(Text(id));
}

void CAutoCalOrnatDlg::SetNumber(int id, const char* format, float value) {
    if (auto* label = platform::FindControlAs<QLabel>(this, id)) {
        label->setText(Number(format, value));
    }
}
