// Reading the CT catalogue.
#include "kivo32/setuprules/ct_catalogue.h"

#include <array>
#include <sstream>

std::vector<CTCatalogueRow> ParseCTCatalogue(std::istream& in) {
    std::vector<CTCatalogueRow> rows;
    std::string line;
    std::getline(in, line);  // the heading
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        std::array<std::string, 5> fields;
        std::istringstream fieldText(line);
        for (std::string& field : fields) {
            if (!std::getline(fieldText, field, ',')) {
                break;
            }
        }
        rows.push_back({fields[0], fields[1], fields[2], fields[3], fields[4]});
    }
    return rows;
}
