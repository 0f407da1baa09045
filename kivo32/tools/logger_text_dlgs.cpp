// The dialogs that take one short text for the logger.
#include "kivo32/tools/logger_text_dlgs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "kivo32/tools/logger_naming_lines.h"
#include "kivo32/tools/setting_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

CLoggerTextSettingDlg::CLoggerTextSettingDlg(const Shape& shape, std::string value,
                                             const std::string& firstText, const std::string& secondText,
                                             QWidget* parent)
    : platform::Dialog(parent),
      text(std::move(value)),
      max_chars_(shape.maxChars),
      edit_(new QLineEdit(this)) {
    setWindowTitle(platform::ToQString(LoadText(shape.titleId)));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(LoggerNamingLines(this, firstText, secondText));
    auto* label = new QLabel(platform::ToQString(LoadText(shape.labelId)), this);
    label->setBuddy(edit_);
    layout->addWidget(label);
    platform::SetControlId(edit_, shape.editId);
    edit_->setMaxLength(shape.maxChars);
    edit_->setMinimumWidth(edit_->fontMetrics().averageCharWidth() * std::min(shape.maxChars + 2, 40));
    layout->addWidget(edit_);
    layout->addWidget(MakeOkCancelButtons(this));
}

void CLoggerTextSettingDlg::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeText(exchange, edit_, text);
    platform::ValidateMaxChars(exchange, text, static_cast<std::size_t>(max_chars_));
}

CSetDescriptionDlg::CSetDescriptionDlg(std::string description, const std::string& firstText,
                                       const std::string& secondText, QWidget* parent)
    : CLoggerTextSettingDlg(
          {IDS_SET_DESCRIPTION_TITLE, IDS_SET_DESCRIPTION_LABEL, IDC_DESCRIPTION, kMaxChars},
          std::move(description), firstText, secondText, parent) {}

CSetModemStringDlg::CSetModemStringDlg(std::string modemString, const std::string& firstText,
                                       const std::string& secondText, QWidget* parent)
    : CLoggerTextSettingDlg(
          {IDS_SET_MODEM_STRING_TITLE, IDS_SET_MODEM_STRING_LABEL, IDC_MODEM_STRING, kMaxChars},
          std::move(modemString), firstText, secondText, parent) {}

CSetTechNameDlg::CSetTechNameDlg(QWidget* parent)
    : CLoggerTextSettingDlg({IDS_TECH_NAME_TITLE, IDS_TECH_NAME_LABEL, IDC_TECH_NAME, kMaxChars}, {}, {}, {},
                            parent) {}
