// CSetBaudDlg: the speed of the logger's link.
#include "kivo32/tools/set_baud_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "kivo32/tools/logger_naming_lines.h"
#include "kivo32/tools/setting_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

namespace {

// The rates the logger takes a code for, slowest first.
constexpr std::array<const char*, 8> kRates = {"1200",  "2400",  "4800",  "9600",
                                               "14400", "19200", "28800", "57600"};
constexpr std::size_t kModemRates = 5;

}  // namespace

std::vector<std::string> CSetBaudDlg::RatesOffered(bool modem) {
    const std::size_t count = modem ? kModemRates : kRates.size();
    return {kRates.begin(), kRates.begin() + static_cast<std::ptrdiff_t>(count)};
}

CSetBaudDlg::CSetBaudDlg(std::string baudText, const std::string& firstText, const std::string& secondText,
                         bool modem, QWidget* parent)
    : platform::Dialog(parent), baud(std::move(baudText)), rates_(new QComboBox(this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_SET_BAUD_TITLE)));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(LoggerNamingLines(this, firstText, secondText));
    auto* label = new QLabel(platform::ToQString(LoadText(IDS_SET_BAUD_LABEL)), this);
    label->setBuddy(rates_);
    layout->addWidget(label);
    platform::SetControlId(rates_, IDC_BAUD_RATE);
    for (const std::string& rate : RatesOffered(modem)) {
        rates_->addItem(QString::fromStdString(rate));
    }
    connect(rates_, &QComboBox::currentIndexChanged, this, [this] { EnableOk(); });
    layout->addWidget(rates_);
    layout->addWidget(MakeOkCancelButtons(this));
}

bool CSetBaudDlg::OnInitDialog() {
    const bool result = platform::Dialog::OnInitDialog();
    EnableOk();
    return result;
}

void CSetBaudDlg::DoDataExchange(platform::DataExchange& exchange) {
    if (exchange.saving()) {
        baud = rates_->currentText().toStdString();
    } else {
        rates_->setCurrentIndex(rates_->findText(QString::fromStdString(baud)));
    }
}

void CSetBaudDlg::EnableOk() {
    platform::EnableControls(this, {IDOK}, rates_->currentIndex() >= 0);
}
