#include "kivo32/setupeditor/option_letters_validator.h"

#include <utility>

OptionLettersValidator::OptionLettersValidator(QString letters, QObject* parent)
    : QValidator(parent), letters_(std::move(letters)) {}

QValidator::State OptionLettersValidator::validate(QString& input, int&) const {
    const QString capitals = input.toUpper();
    for (const QChar character : capitals) {
        if (character != ',' && character != ' ' && !letters_.contains(character)) {
            return Invalid;
        }
    }
    input = capitals;
    return Acceptable;
}
