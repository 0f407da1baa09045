// The CT catalogue ("CT Values.csv" in the data folder): a heading line, then one CT a line with five
// comma-separated fields: name, output kind ("MV" for a millivolt output), rated value, second value and
// the file name of its picture (may be empty). No quoting; a missing field is empty.
#pragma once

#include <istream>
#include <string>
#include <vector>

struct CTCatalogueRow {
    std::string name;
    std::string outputKind;
    std::string ratedValue;
    std::string secondValue;
    std::string picture;
};

// The rows of the catalogue; the heading and empty lines give none.
std::vector<CTCatalogueRow> ParseCTCatalogue(std::istream& in);
