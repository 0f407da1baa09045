// An edit's validator that refuses a character Windows-1252 cannot hold, as every 8-bit record field
// stores its text in that code page.
#pragma once

#include <QValidator>

class Windows1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// The field's `index`-th part of a text whose parts are separated by "\n" (empty past the last).
QString TextPart(unsigned textId, int index);
