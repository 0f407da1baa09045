// The check of a CT size that the CT-size dialogs apply when OK is pressed.
#pragma once

#include <string>

namespace platform {
class DataExchange;
}

// When saving: `text` must be a number above 0; otherwise the user is told (text 20312) and the exchange
// fails, keeping the dialog open on the control. The number goes to `size`.
void ValidateCTSize(platform::DataExchange& exchange, const std::string& text, double& size);
