// The simulated logger models. The firmware texts follow what the program reads of them: character
// 1 (and 2, 3) select the model, character 5 is the '.', the last three digits are the version.
#include "tools/loggersim/logger_model.h"

const std::vector<LoggerModel>& LoggerModels() {
    static const std::vector<LoggerModel> models = {
        {"standard", 0, "S0-02.115", "100001", "Standard logger", 70},
        // Stamps its records in seconds.
        {"standard-135", 0, "S0-02.135", "100002", "Standard logger", 70},
        {"ornat1", 1, "AL1-2.121", "200001", "Ornat1 logger", 70},
        {"ornat2", 2, "AL4-2.130", "200002", "Ornat logger", 70},
        {"nimbo-combo2", 3, "BUC22.150", "300003", "Nimbo Combo2", 70},
        {"nimbo-current", 4, "BUA-2.150", "300004", "Nimbo Current", 70},
        {"nimbo-pulse", 5, "BUP-2.150", "300005", "Nimbo Pulse", 70},
        {"nimbo-combo1", 6, "BUC12.150", "300006", "Nimbo Combo1", 70},
        {"nimbo-ma", 7, "BUM-2.150", "300007", "Nimbo mA", 70},
        {"nimbo-vdc", 8, "BUV-2.150", "300008", "Nimbo Vdc", 70},
        {"nimbo-pvdc", 9, "BUPV2.150", "300009", "Nimbo P-Vdc", 70},
        {"nimbo-4temp", 10, "BUT-2.150", "300010", "Nimbo 4Temp", 70},
        {"quarven-rs", 13, "NX401.234", "400013", "Quarven RS", 2048},
        // The program takes a KX for an RS until its configuration word shows bit 6.
        {"quarven-kx", 14, "NX402.262", "400014", "Quarven KX", 2048},
    };
    return models;
}

const LoggerModel* FindLoggerModel(std::string_view name) {
    for (const LoggerModel& model : LoggerModels()) {
        if (model.name == name) {
            return &model;
        }
    }
    return nullptr;
}
