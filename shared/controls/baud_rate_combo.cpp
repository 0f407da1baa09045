#include "shared/controls/baud_rate_combo.h"

#include <QComboBox>

#include "platform/ui/data_exchange.h"
#include "shared/controls/controls_ids.h"
#include "shared/controls/identified_controls.h"

const std::vector<std::string> kDirectBaudRates = {"1200",  "2400",  "4800",  "9600",  "14400",
                                                   "19200", "38400", "57600", "115200"};
const std::vector<std::string> kModemBaudRates = {"300",   "1200",  "2400",  "4800",  "9600",  "14400",
                                                  "19200", "28800", "33600", "38400", "57600", "115200"};

QComboBox* MakeBaudRateCombo(QWidget* parent, int id, const std::vector<std::string>& rates) {
    auto* combo = Identified(new QComboBox(parent), id, IDS_PC_TIP_BAUD);
    combo->setEditable(true);
    for (const std::string& rate : rates) {
        combo->addItem(platform::ToQString(rate));
    }
    return combo;
}

void ExchangeBaudRate(platform::DataExchange& exchange, QComboBox* combo, std::string& value) {
    if (exchange.failed()) {
        return;
    }
    exchange.PrepareControl(combo);
    if (!exchange.saving()) {
        combo->setEditText(platform::ToQString(value));
        return;
    }
    if (combo->isHidden()) {
        return;
    }
    const QString text = combo->currentText().trimmed();
    if (combo->findText(text, Qt::MatchExactly) < 0) {
        exchange.Fail(IDS_PC_BAUD_NOT_IN_LIST);
        return;
    }
    value = platform::FromQString(text);
}
