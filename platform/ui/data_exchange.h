// Dialog data exchange: values between controls and fields, with checks that show the message by id and
// keep the dialog open.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <initializer_list>
#include <string>
#include <string_view>

namespace platform {

class DataExchange {
public:
    // `saveAndValidate`: from the controls into the fields, with checks; else the other way.
    explicit DataExchange(bool saveAndValidate) : save_(saveAndValidate) {}

    bool saving() const { return save_; }
    // Once a check failed, every further exchange of the same pass does nothing.
    bool failed() const { return failed_; }

    // Each exchange names its control first, so that a failed check can give it the focus.
    void PrepareControl(QWidget* control) { last_control_ = control; }
    // Shows message `textId` ("%1", "%2" filled with `values`), gives the last control the focus and
    // marks the pass failed.
    void Fail(unsigned textId, std::initializer_list<std::string_view> values = {});

private:
    bool save_;
    bool failed_ = false;
    QWidget* last_control_ = nullptr;
};

// Texts are Windows-1252.
void ExchangeText(DataExchange& exchange, QLineEdit* edit, std::string& value);
// A whole number; anything else fails with "please enter an integer".
void ExchangeInt(DataExchange& exchange, QLineEdit* edit, int& value);
// A number; anything else fails with "please enter a number".
void ExchangeDouble(DataExchange& exchange, QLineEdit* edit, double& value);
// A number shown with `decimals` decimals (a point whatever the locale); read back from at most the
// first 64 characters; anything else, or a number too large for a float, fails with "please enter a
// number".
void DDX_FloatDecimals(DataExchange& exchange, QLineEdit* edit, float& value, int decimals);
// Check box: 0 clear, 1 checked.
void ExchangeCheck(DataExchange& exchange, QAbstractButton* check, int& value);
// Radio group: the index of the checked button, -1 when none.
void ExchangeRadio(DataExchange& exchange, std::initializer_list<QAbstractButton*> group, int& value);
// Combo box: the index of the selected entry, -1 when none.
void ExchangeIndex(DataExchange& exchange, QComboBox* combo, int& index);
// Spin box: the value, kept within the spin's range.
void ExchangeSpin(DataExchange& exchange, QSpinBox* spin, int& value);

// Checks applied after the exchange of the same control, only when saving.
void ValidateRange(DataExchange& exchange, int value, int minimum, int maximum);
void ValidateRange(DataExchange& exchange, double value, double minimum, double maximum);
void ValidateMaxChars(DataExchange& exchange, const std::string& value, std::size_t maximum);

}  // namespace platform
