// The identification text's model table.
#include "shared/link/model_decision.h"

#include <cctype>

#include "platform/base/program_texts.h"
#include "shared/common/app_context.h"
#include "shared/datafile/datafile_ids.h"
#include "shared/datafile/model_names.h"
#include "shared/link/link_ids.h"

namespace {

char At(std::string_view text, std::size_t index) {
    return index < text.size() ? text[index] : '\0';
}

struct NimboVariant {
    char second;
    char third;  // '\0': any
    int typeCode;
    const char* name;
};

// Tried in order: the P-Vdc before the other 'P' texts.
constexpr NimboVariant kNimboVariants[] = {
    {'A', '\0', 4, "Nimbo Current"}, {'P', 'V', 9, "Nimbo P-Vdc"},  {'P', '\0', 5, "Nimbo Pulse"},
    {'M', '\0', 7, "Nimbo mA"},      {'V', '\0', 8, "Nimbo Vdc"},   {'T', '\0', 10, "Nimbo 4Temp"},
    {'C', '1', 6, "Nimbo Combo1"},   {'C', '2', 3, "Nimbo Combo2"},
};

// The decimal value of the last three characters (digits only count, as far as they go).
int LastThreeDigits(std::string_view text) {
    const std::string_view tail = text.size() > 3 ? text.substr(text.size() - 3) : text;
    int value = 0;
    for (const char c : tail) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

ModelDecision DecideModel(std::string_view firmwareText) {
    ModelDecision decision;
    decision.decoded = true;
    bool variant = false;
    const char kind = At(firmwareText, 1);
    const char second = At(firmwareText, 2);
    if (kind == '0' || kind == 'E') {
        decision.typeCode = 0;
        decision.modelName = LoadText(IDS_MODEL_STANDARD);
    } else if (kind == 'L' && (second == '1' || second == '4')) {
        decision.typeCode = second == '1' ? 1 : 2;
        decision.modelName = second == '1' ? std::string("Ornat1") : LoadText(IDS_MODEL_2);
        variant = At(firmwareText, 0) != 'A' && At(firmwareText, 0) != 'B';
    } else if (kind == 'X' && second == '4') {
        decision.typeCode = 13;
        decision.modelName = GetLoggerTypeName(13);
        variant = true;
    } else if (kind == 'U') {
        decision.modelName = LoadText(IDS_UNKNOWN_MODEL);
        decision.decoded = second == 'C';
        for (const NimboVariant& entry : kNimboVariants) {
            if (entry.second == second && (entry.third == '\0' || entry.third == At(firmwareText, 3))) {
                decision.typeCode = entry.typeCode;
                decision.modelName = entry.name;
                decision.decoded = true;
                break;
            }
        }
    } else {
        decision.decoded = false;
    }
    if (!decision.decoded) {
        decision.typeCode = kNoLogger;
        decision.modelName = LoadText(IDS_UNKNOWN_MODEL);
        return decision;
    }
    decision.firmwareVersion = LastThreeDigits(firmwareText);
    if (decision.typeCode >= 13 || ((decision.typeCode == 1 || decision.typeCode == 2) && variant)) {
        decision.firmwareVersion += 100;
    }
    return decision;
}
