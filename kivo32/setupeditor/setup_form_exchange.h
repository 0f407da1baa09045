// Data exchange of the setup form's own kinds of field: floats shown with 4 decimals and checked as
// typed, and the code text of a check-combo box.
#pragma once

#include <optional>
#include <string>

#include "kivo32/setuprules/channel_form_state.h"
#include "platform/ui/data_exchange.h"

class CCheckComboBox;
class QLineEdit;

// A float shown with 4 decimals. Saving checks the number as typed against `range` (before it becomes a
// float, so that 100000001 is refused although its float equals 100000000), with the framework's range
// message and the focus kept in the edit.
void ExchangeFloatInRange(platform::DataExchange& exchange, QLineEdit* edit, float& value,
                          const std::optional<FieldRange>& range);
// The same for a double-valued field (the alarm dialog's limits).
void ExchangeDoubleInRange(platform::DataExchange& exchange, QLineEdit* edit, double& value,
                           const FieldRange& range);

// The box's code text into `text` when saving, `text` into the box when loading.
void DDX_CheckComboText(platform::DataExchange& exchange, CCheckComboBox* box, std::string& text);
