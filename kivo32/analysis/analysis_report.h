// The analysis values of a selected channel as the analysis-values window shows them (title, heading,
// up to five value lines) and as its text report appends them to the report file beside the data file.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "kivo32/analysis/analysis_value_record.h"

struct AnalysisDisplay {
    std::string title;
    // Above the lines of the five lowest or highest values, when there are at least two.
    std::string heading;
    std::array<std::string, 5> lines;
};

// The window's texts of `record` (kinds 1-5; another kind leaves the lines empty).
AnalysisDisplay AnalysisDisplayTexts(const AnalysisValueRecord& record);

// The report of a data file: its name with the extension made "txt" (one without an extension gets
// ".txt"); a dot in a folder name plays no part.
std::filesystem::path AnalysisReportPath(const std::filesystem::path& dataFile);
// The lines of one result, each ending in "\n".
std::string AnalysisReportText(const AnalysisValueRecord& record);
// Appends the result to the report file, which a new file begins with its heading line and an old one
// gets after an empty line; written beside the file and renamed over it, with CR LF line ends. False
// when the file could not be read or written (the old file is then as it was).
bool AppendAnalysisReport(const std::filesystem::path& reportPath, const AnalysisValueRecord& record);
