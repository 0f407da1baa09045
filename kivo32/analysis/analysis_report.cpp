// The analysis values of a selected channel in the window and in the text report.
#include "kivo32/analysis/analysis_report.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "kivo32/analysis/attribute_lines.h"
#include "kivo32/analysis/load_profile_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"

namespace {

constexpr int kMaxPrecision = 15;

struct KindTexts {
    unsigned caption;
    unsigned label;
};

// Kinds 1-5: average, peak to average, lowest values, highest values, total.
constexpr std::array<KindTexts, 5> kKinds{{
    {IDS_ANALYSIS_CAPTION_AVERAGE, IDS_ANALYSIS_LABEL_AVERAGE},
    {IDS_ANALYSIS_CAPTION_PEAK_TO_AVERAGE, IDS_ANALYSIS_CAPTION_PEAK_TO_AVERAGE},
    {IDS_ANALYSIS_CAPTION_LOWEST, IDS_ANALYSIS_LABEL_LOWEST},
    {IDS_ANALYSIS_CAPTION_HIGHEST, IDS_ANALYSIS_LABEL_HIGHEST},
    {IDS_ANALYSIS_CAPTION_TOTAL, IDS_ANALYSIS_LABEL_TOTAL},
}};

bool IsKind(int kind) {
    return kind >= 1 && kind <= static_cast<int>(kKinds.size());
}

int Precision(const AnalysisValueRecord& record) {
    return std::clamp(record.values.decimals, 0, kMaxPrecision);
}

// The single value of kinds 1, 2 and 5.
double SingleValue(const AnalysisValueRecord& record) {
    switch (record.kind) {
        case 1:
            return record.values.average;
        case 2:
            return record.values.peakToAverage;
        default:
            return record.values.total;
    }
}

// The ranked values of kinds 3 and 4, the lowest or the highest.
const std::array<ColumnAnalysis::Entry, ColumnAnalysis::kRanked>& RankedValues(
    const AnalysisValueRecord& record) {
    return record.kind == 3 ? record.values.lowest : record.values.highest;
}

std::string RankedLine(const ColumnAnalysis::Entry& entry, int precision) {
    return platform::StringPrintf("%.*f (%s %s)", precision, entry.value, entry.date.c_str(),
                                  entry.time.c_str());
}

}  // namespace

AnalysisDisplay AnalysisDisplayTexts(const AnalysisValueRecord& record) {
    AnalysisDisplay display;
    if (!IsKind(record.kind)) {
        return display;
    }
    const KindTexts& texts = kKinds[static_cast<std::size_t>(record.kind - 1)];
    display.title = platform::FormatLoadedText(IDS_ANALYSIS_TITLE, {record.file, LoadText(texts.caption)});
    const int precision = Precision(record);
    if (record.kind == 3 || record.kind == 4) {
        std::size_t line = 0;
        for (const ColumnAnalysis::Entry& entry : RankedValues(record)) {
            if (!entry.date.empty()) {
                display.lines[line++] = RankedLine(entry, precision);
            }
        }
        if (line >= 2) {
            display.heading = platform::FormatLoadedText(
                record.kind == 3 ? IDS_ANALYSIS_HEADING_LOWEST : IDS_ANALYSIS_HEADING_HIGHEST,
                {std::to_string(line)});
        }
    } else {
        display.lines[0] = platform::StringPrintf("%.*f", precision, SingleValue(record));
    }
    return display;
}

std::filesystem::path AnalysisReportPath(const std::filesystem::path& dataFile) {
    std::filesystem::path report = dataFile;
    return report.replace_extension(".txt");
}

std::string AnalysisReportText(const AnalysisValueRecord& record) {
    std::string text = record.columns + ": \n  (" + record.firstTime + " - " + record.lastTime + ") \n";
    if (!IsKind(record.kind)) {
        return text;
    }
    const std::string label = LoadText(kKinds[static_cast<std::size_t>(record.kind - 1)].label);
    const int precision = Precision(record);
    switch (record.kind) {
        case 3:
        case 4:
            text += "  " + label + ":\n";
            for (const ColumnAnalysis::Entry& entry : RankedValues(record)) {
                if (!entry.date.empty()) {
                    text += "     " + RankedLine(entry, precision) + "\n";
                }
            }
            break;
        case 5:
            text += "  " + label + ":\n";
            text += platform::StringPrintf("  %s:   %.*f\n", label.c_str(), precision, SingleValue(record));
            break;
        default:
            text += platform::StringPrintf("  %s: %.*f\n", label.c_str(), precision, SingleValue(record));
            break;
    }
    return text;
}

bool AppendAnalysisReport(const std::filesystem::path& reportPath, const AnalysisValueRecord& record) {
    std::string text;
    std::error_code error;
    if (std::filesystem::exists(reportPath, error)) {
        std::ifstream old(reportPath, std::ios::binary);
        if (!old) {
            return false;
        }
        text.assign(std::istreambuf_iterator<char>(old), std::istreambuf_iterator<char>());
        if (old.bad()) {
            return false;
        }
        // The old text keeps its CR LF line ends; only the new lines get theirs when saved.
        std::string plain;
        plain.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
                plain += text[i];
            }
        }
        text = std::move(plain) + "\n";
    } else {
        text = LoadText(IDS_ANALYSIS_REPORT_HEADING) + "\n\n";
    }
    text += AnalysisReportText(record);
    return SaveCrLfTextFile(reportPath, text) == CrLfTextFileSave::Saved;
}
