// Dialog data exchange: values between controls and fields, with checks that show the message by id and
// keep the dialog open.
#include "platform/ui/data_exchange.h"

#include <charconv>
#include <cmath>
#include <string>

#include "platform/base/message_box_flags.h"
#include "platform/base/number_text.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_ids.h"

namespace platform {
namespace {

std::string NumberText(double value) {
    return StringPrintf("%.15g", value);
}

bool ParseInt(std::string_view text, int& value) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int parsed = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (text.empty() || status != std::errc() || end != text.data() + text.size()) {
        return false;
    }
    value = parsed;
    return true;
}

}  // namespace

void DataExchange::Fail(unsigned textId, std::initializer_list<std::string_view> values) {
    failed_ = true;
    CurrentUiBroker().MessageBox(FillNumberedPlaceholders(LoadText(textId), values), {},
                                 MB_OK | MB_ICONEXCLAMATION);
    if (last_control_ != nullptr) {
        last_control_->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(last_control_)) {
            edit->selectAll();
        }
    }
}

void ExchangeText(DataExchange& exchange, QLineEdit* edit, std::string& value) {
    if (exchange.failed()) {
        return;
    }
    exchange.PrepareControl(edit);
    if (exchange.saving()) {
        value = FromQString(edit->text());
    } else {
        edit->setText(ToQString(value));
    }
}

void ExchangeInt(DataExchange& exchange, QLineEdit* edit, int& value) {
    if (exchange.failed()) {
        return;
    }
    exchange.PrepareControl(edit);
    if (!exchange.saving()) {
        edit->setText(QString::number(value));
    } else if (!ParseInt(edit->text().toStdString(), value)) {
        exchange.Fail(AFX_IDP_PARSE_INT);
    }
}

void ExchangeDouble(DataExchange& exchange, QLineEdit* edit, double& value) {
    if (exchange.failed()) {
        return;
    }
    exchange.PrepareControl(edit);
    if (!exchange.saving()) {
        edit->setText(QString::fromStdString(NumberText(value)));
    } else if (!ParseDouble(edit->text().toStdString(), value)) {
        exchange.Fail(AFX_IDP_PARSE_REAL);
    }
}

void DDX_FloatDecimals(DataExchange& exchange, QLineEdit* edit, float& value, int decimals) {
    constexpr qsizetype kMaxChars = 64;
    if (exchange.failed()) {
        return;
    }
    exchange.PrepareControl(edit);
    if (!exchange.saving()) {
        edit->setText(QString::number(static_cast<double>(value), 'f', decimals));
        return;
    }
    double read = 0.0;
    // A number beyond the range of a float would be stored as infinity.
    if (ParseDouble(edit->text().left(kMaxChars).toStdString(), read) &&
        std::isfinite(static_cast<float>(read))) {
        value = static_cast<float>(read);
    } else {
        exchange.Fail(AFX_IDP_PARSE_REAL);
    }
}

void ExchangeCheck(DataExchange& exchange, QAbstractButton* check, int& value) {
    if (exchange.failed()) {
        return;
    }
    exchange.PrepareControl(check);
    if (exchange.saving()) {
        value = check->isChecked() ? 1 : 0;
    } else {
        check->setChecked(value != 0);
    }
}

void ExchangeRadio(DataExchange& exchange, std::initializer_list<QAbstractButton*> group, int& value) {
    if (exchange.failed() || group.size() == 0) {
        return;
    }
    exchange.PrepareControl(*group.begin());
    int index = 0;
    if (exchange.saving()) {
        value = -1;
        for (QAbstractButton* button : group) {
            if (button->isChecked()) {
                value = index;
            }
            ++index;
        }
        return;
    }
    for (QAbstractButton* button : group) {
        // Auto-exclusive buttons refuse to be cleared one by one.
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(index++ == value);
        button->setAutoExclusive(exclusive);
    }
}

void ExchangeIndex(DataExchange& exchange, QComboBox* combo, int& index) {
    if (exchange.failed()) {
        return;
    }
    exchange.PrepareControl(combo);
    if (exchange.saving()) {
        index = combo->currentIndex();
    } else {
        combo->setCurrentIndex(index);
    }
}

void ExchangeSpin(DataExchange& exchange, QSpinBox* spin, int& value) {
    if (exchange.failed()) {
        return;
    }
    exchange.PrepareControl(spin);
    if (exchange.saving()) {
        value = spin->value();
    } else {
        spin->setValue(value);
    }
}

void ValidateRange(DataExchange& exchange, int value, int minimum, int maximum) {
    if (exchange.failed() || !exchange.saving() || (value >= minimum && value <= maximum)) {
        return;
    }
    exchange.Fail(AFX_IDP_PARSE_INT_RANGE, {std::to_string(minimum), std::to_string(maximum)});
}

void ValidateRange(DataExchange& exchange, double value, double minimum, double maximum) {
    if (exchange.failed() || !exchange.saving() || (value >= minimum && value <= maximum)) {
        return;
    }
    exchange.Fail(AFX_IDP_PARSE_REAL_RANGE, {NumberText(minimum), NumberText(maximum)});
}

void ValidateMaxChars(DataExchange& exchange, const std::string& value, std::size_t maximum) {
    if (exchange.failed() || !exchange.saving() || value.size() <= maximum) {
        return;
    }
    exchange.Fail(AFX_IDP_PARSE_STRING_SIZE, {std::to_string(maximum)});
}

}  // namespace platform
