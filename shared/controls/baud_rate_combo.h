// The baud-rate lists of both programs' PC settings: a rate is chosen from its list, never typed freely.
#pragma once

#include <string>
#include <vector>

class QComboBox;
class QWidget;

namespace platform {
class DataExchange;
}

// The rates offered for a direct link and for a modem.
extern const std::vector<std::string> kDirectBaudRates;
extern const std::vector<std::string> kModemBaudRates;

// An editable list of `rates` with control id `id` and the baud-rate tip.
QComboBox* MakeBaudRateCombo(QWidget* parent, int id, const std::vector<std::string>& rates);

// Shows `value` in `combo`, or takes it back: a text that is not one of the list's entries fails the
// exchange with message 21065; a hidden combo keeps the stored value.
void ExchangeBaudRate(platform::DataExchange& exchange, QComboBox* combo, std::string& value);
