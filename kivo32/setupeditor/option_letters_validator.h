// An option edit's validator: only the letters of its set, which the option byte can hold, with the
// commas and blanks between them. Small letters become capitals; anything else is refused, so that the
// edit never shows a letter that would not be stored.
#pragma once

#include <QString>
#include <QValidator>

class OptionLettersValidator : public QValidator {
public:
    // `letters` the capitals of the set ("ANXI").
    OptionLettersValidator(QString letters, QObject* parent);
    State validate(QString& input, int& position) const override;

private:
    QString letters_;
};
