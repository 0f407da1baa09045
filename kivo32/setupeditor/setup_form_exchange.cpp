// Data exchange of the setup form's floats and check-combo texts.
#include "kivo32/setupeditor/setup_form_exchange.h"

#include <QLineEdit>

#include "kivo32/controls/check_combo_box.h"

void ExchangeDoubleInRange(platform::DataExchange& exchange, QLineEdit* edit, double& value,
                           const FieldRange& range) {
    if (exchange.failed() || edit == nullptr) {
        return;
    }
    if (!exchange.saving()) {
        edit->setText(QString::number(value, 'f', 4));
        return;
    }
    platform::ExchangeDouble(exchange, edit, value);
    platform::ValidateRange(exchange, value, range.low, range.high);
}

void ExchangeFloatInRange(platform::DataExchange& exchange, QLineEdit* edit, float& value,
                          const std::optional<FieldRange>& range) {
    if (edit == nullptr) {
        return;
    }
    if (!range) {
        platform::DDX_FloatDecimals(exchange, edit, value, 4);
        return;
    }
    double typed = value;
    ExchangeDoubleInRange(exchange, edit, typed, *range);
    if (exchange.saving() && !exchange.failed()) {
        value = static_cast<float>(typed);
    }
}

void DDX_CheckComboText(platform::DataExchange& exchange, CCheckComboBox* box, std::string& text) {
    if (exchange.failed() || box == nullptr) {
        return;
    }
    exchange.PrepareControl(box);
    if (exchange.saving()) {
        text = box->CodeText();
    } else {
        box->SetCodeText(text);
    }
}
