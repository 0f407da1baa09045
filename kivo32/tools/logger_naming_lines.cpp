// The two lines that name the connected logger at the top of a setting dialog.
#include "kivo32/tools/logger_naming_lines.h"

#include <QLabel>

#include "kivo32/tools/setting_ids.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"

QVBoxLayout* LoggerNamingLines(QWidget* parent, const std::string& firstText, const std::string& secondText) {
    auto* lines = new QVBoxLayout;
    const std::pair<int, const std::string*> naming[] = {{IDC_SETTING_LOGGER_FIRST_TEXT, &firstText},
                                                         {IDC_SETTING_LOGGER_SECOND_TEXT, &secondText}};
    for (const auto& [id, text] : naming) {
        if (!text->empty()) {
            auto* label = new QLabel(platform::ToQString(*text), parent);
            platform::SetControlId(label, id);
            lines->addWidget(label);
        }
    }
    return lines;
}
