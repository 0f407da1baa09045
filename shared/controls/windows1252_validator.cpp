#include "shared/controls/windows1252_validator.h"

#include "platform/base/program_texts.h"
#include "platform/ui/qt_text.h"

QValidator::State Windows1252Validator::validate(QString& input, int&) const {
    return platform::ToQString(platform::FromQString(input)) == input ? Acceptable : Invalid;
}

QString TextPart(unsigned textId, int index) {
    return platform::ToQString(LoadText(textId)).split('\n').value(index);
}
