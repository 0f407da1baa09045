// The check of a CT size in the CT-size dialogs.
#include "kivo32/setupeditor/ct_size_check.h"

#include "kivo32/setupeditor/setupeditor_ids.h"
#include "platform/base/number_text.h"
#include "platform/ui/data_exchange.h"

void ValidateCTSize(platform::DataExchange& exchange, const std::string& text, double& size) {
    if (exchange.failed() || !exchange.saving()) {
        return;
    }
    double value = 0.0;
    if (!ParseDouble(text, value) || !(value > 0.0)) {
        exchange.Fail(IDS_CT_SIZE_NOT_POSITIVE);
        return;
    }
    size = value;
}
