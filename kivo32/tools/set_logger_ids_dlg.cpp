// The connected logger's ID and model text.
#include "kivo32/tools/set_logger_ids_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "kivo32/setuprules/logger_id_rules.h"
#include "kivo32/tools/logger_io_config_dlg.h"
#include "kivo32/tools/logger_naming_lines.h"
#include "kivo32/tools/scalar_window_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box.h"
#include "shared/controls/dialog_buttons.h"
#include "shared/logger/logger_ids.h"
#include "shared/setup/setup_codes.h"

namespace {

// The model texts offered, each the start of a firmware text's model part; a text that begins another
// comes before it.
constexpr const char* kModelTexts[] = {"L1", "L4", "UA", "UP", "UPV", "UM", "UV", "UT", "UC1", "UC2"};

}  // namespace

CSetLoggerIDsDlg::CSetLoggerIDsDlg(std::string id, std::string modelText, const std::string& firstText,
                                   const std::string& secondText, int typeCode, LoggerWindowAsk ask,
                                   std::function<void()> cancelCommand, QWidget* parent)
    : platform::Dialog(parent),
      loggerId(std::move(id)),
      model(std::move(modelText)),
      type_code_(typeCode),
      variant_(logger_id_rules::IsVariantModel(model) ? 1 : 0),
      asker_(*this, std::move(ask), std::move(cancelCommand)),
      id_edit_(new QLineEdit(this)),
      model_combo_(new QComboBox(this)),
      variant_check_(new QCheckBox(platform::ToQString(LoadText(IDS_LOGGER_IDS_VARIANT)), this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_LOGGER_IDS_TITLE)));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(LoggerNamingLines(this, firstText, secondText));
    auto* form = new QFormLayout();
    platform::SetControlId(id_edit_, IDC_IDS_LOGGER_ID);
    id_edit_->setMaxLength(static_cast<int>(logger_id_rules::LoggerIdLimit(typeCode)));
    form->addRow(platform::ToQString(LoadText(IDS_LOGGER_IDS_ID)), id_edit_);
    platform::SetControlId(model_combo_, IDC_IDS_MODEL);
    model_combo_->setEditable(true);
    for (const char* text : kModelTexts) {
        model_combo_->addItem(QString::fromLatin1(text));
    }
    form->addRow(platform::ToQString(LoadText(IDS_LOGGER_IDS_MODEL)), model_combo_);
    platform::SetControlId(variant_check_, IDC_IDS_VARIANT);
    form->addRow(QString(), variant_check_);
    layout->addLayout(form);
    auto* ioConfig = new QPushButton(platform::ToQString(LoadText(IDS_LOGGER_IDS_IO_CONFIG)), this);
    ioConfig->setAutoDefault(false);
    platform::SetControlId(ioConfig, IDC_IDS_IO_CONFIG);
    connect(ioConfig, &QPushButton::clicked, this, &CSetLoggerIDsDlg::OnIoConfig);
    layout->addWidget(ioConfig);
    layout->addWidget(MakeOkCancelButtons(this));
}

bool CSetLoggerIDsDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    const QString key = QString::fromLatin1(logger_id_rules::ModelKey(model));
    const int entry = key.isEmpty() ? -1 : model_combo_->findText(key, Qt::MatchStartsWith);
    if (entry >= 0) {
        model_combo_->setCurrentIndex(entry);
    } else {
        model_combo_->setEditText(platform::ToQString(model));
    }
    return true;
}

void CSetLoggerIDsDlg::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeText(exchange, id_edit_, loggerId);
    platform::ValidateMaxChars(exchange, loggerId, logger_id_rules::LoggerIdLimit(type_code_));
    platform::ExchangeCheck(exchange, variant_check_, variant_);
    if (exchange.saving() && !exchange.failed()) {
        model = platform::FromQString(model_combo_->currentText());
    }
}

void CSetLoggerIDsDlg::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    model = logger_id_rules::CompleteModelText(model, variant_ != 0);
    EndDialog(IDOK);
}

void CSetLoggerIDsDlg::OnMessage(platform::Message& message) {
    if (!asker_.TakeAnswer(message)) {
        platform::Dialog::OnMessage(message);
    }
}

void CSetLoggerIDsDlg::OnCancel() {
    asker_.CancelWait();
    platform::Dialog::OnCancel();
}

void CSetLoggerIDsDlg::OnIoConfig() {
    if (!asker_.CanAsk()) {
        ShowMessageBoxId(IDS_REPORT_NO_SESSION, MB_OK, true);
        return;
    }
    if (type_code_ < kModelQuarvenRS) {
        ShowMessageBoxId(IDS_IO_CONFIG_QUARVEN_ONLY, MB_OK, true);
        return;
    }
    const std::optional<LoggerWindowAnswer> read = asker_.Ask({.call = LoggerWindowCall::kReadIoConfig});
    if (!read) {
        return;  // the window closed
    }
    if (!read->done || read->configuration < 0) {
        ShowMessageBoxId(IDS_IO_CONFIG_READ_FAILED, MB_OK, true);
        return;
    }
    CLoggerIOConfigDlg dialog(this);
    dialog.value = logger_id_rules::ShownIoConfig(read->configuration);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    const std::optional<LoggerWindowAnswer> written =
        asker_.Ask({.call = LoggerWindowCall::kWriteIoConfig,
                    .configuration = logger_id_rules::IoConfigToWrite(read->configuration, dialog.value)});
    if (written) {
        ShowMessageBoxId(written->done ? IDS_IO_CONFIG_SENT : IDS_IO_CONFIG_SEND_FAILED, MB_OK, true);
    }
}
