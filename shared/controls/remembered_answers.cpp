// The extended message box's remembered answers, kept in the program's settings.
#include "shared/controls/remembered_answers.h"

#include <QString>

#include "platform/ui/program_settings.h"
#include "platform/ui/qt_text.h"

namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghijklmnopqrstuvwxyz98";
constexpr std::size_t kKeyLimit = 490;

QString SettingsKey(const std::string& companyName, const std::string& valueName) {
    QString group = companyName.empty() ? QString() : platform::ToQString(companyName) + "/";
    return group + "XMessageBox/" + QString::fromStdString(valueName);
}

}  // namespace

std::string XMessageBoxValueName(std::string_view keyText, unsigned keyNumber) {
    std::string name;
    const std::size_t length = std::min(keyText.size(), kKeyLimit);
    for (std::size_t i = 0; i < length; ++i) {
        // Taken as unsigned, every byte gives an index inside the alphabet; for ASCII it is the same
        // index a signed byte gives.
        const auto code = static_cast<unsigned char>(keyText[i]);
        name += kAlphabet[(code + 5 * i) % kAlphabet.size()];
    }
    return name + std::to_string(keyNumber);
}

std::optional<unsigned> ReadRememberedAnswer(const std::string& companyName, const std::string& valueName) {
    const QVariant value = platform::OpenProgramSettings()->value(SettingsKey(companyName, valueName));
    bool ok = false;
    const unsigned answer = value.toUInt(&ok);
    return value.isValid() && ok ? std::optional<unsigned>(answer) : std::nullopt;
}

void WriteRememberedAnswer(const std::string& companyName, const std::string& valueName, unsigned answer) {
    platform::OpenProgramSettings()->setValue(SettingsKey(companyName, valueName), answer);
}
