// Model names of logger type codes, as the CSV form of a data file writes and reads them.
#include "shared/datafile/model_names.h"

#include <array>

#include "platform/base/program_texts.h"
#include "shared/datafile/datafile_ids.h"

namespace {

// A name given as text, or by text id when `text` is null.
struct ModelName {
    int code;
    const char* text;
    unsigned textId;

    std::string Get() const { return text != nullptr ? std::string(text) : LoadText(textId); }
};

// Indexed by type code.
constexpr std::array<ModelName, 15> kNamesByCode{{
    {0, nullptr, IDS_MODEL_STANDARD},
    {1, "Ornat1", 0},
    {2, nullptr, IDS_MODEL_2},
    {3, "Brelan Combo2", 0},
    {4, "Brelan Current", 0},
    {5, "Brelan Pulse", 0},
    {6, "Brelan Combo1", 0},
    {7, "Brelan mA", 0},
    {8, "Brelan Vdc", 0},
    {9, "Brelan 1P3Vdc", 0},
    {10, "Brelan 4Temp", 0},
    {11, nullptr, IDS_MODEL_11},
    {12, nullptr, IDS_MODEL_12},
    {13, "Quarven RS", 0},
    {14, "Quarven KX", 0},
}};

// The order in which names are tried when read back; "Quarven" alone stands for code 2. The names of
// codes 2, 11 and 12 come last, so that a file written with them reads back as its own model.
constexpr std::array<ModelName, 16> kNamesInReadOrder{{
    {13, "Quarven RS", 0},
    {14, "Quarven KX", 0},
    {0, nullptr, IDS_MODEL_STANDARD},
    {1, "Ornat1", 0},
    {2, "Quarven", 0},
    {6, "Brelan Combo1", 0},
    {3, "Brelan Combo2", 0},
    {4, "Brelan Current", 0},
    {5, "Brelan Pulse", 0},
    {7, "Brelan mA", 0},
    {8, "Brelan Vdc", 0},
    {9, "Brelan 1P3Vdc", 0},
    {10, "Brelan 4Temp", 0},
    {2, nullptr, IDS_MODEL_2},
    {11, nullptr, IDS_MODEL_11},
    {12, nullptr, IDS_MODEL_12},
}};

}  // namespace

std::string GetLoggerTypeName(int typeCode) {
    if (typeCode < 0 || typeCode >= static_cast<int>(kNamesByCode.size())) {
        return {};
    }
    return kNamesByCode[static_cast<std::size_t>(typeCode)].Get();
}

int GetLoggerTypeFromName(std::string_view text) {
    for (const ModelName& name : kNamesInReadOrder) {
        const std::string candidate = name.Get();
        if (!candidate.empty() && candidate == text) {
            return name.code;
        }
    }
    return 0;
}
