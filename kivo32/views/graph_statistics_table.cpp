// The statistics and read-out texts of a data graph.
#include "kivo32/views/graph_statistics_table.h"

#include "kivo32/analysis/analysis_ids.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"

namespace {

constexpr platform::GraphColor kTableBackground = 0xFFFFFFFF;

// A value with two decimals; nothing for a subset without a value in view.
std::string StatisticValue(const platform::SampleSummary& summary, double value) {
    return summary.Empty() ? std::string() : platform::StringPrintf("%.2f", value);
}

}  // namespace

platform::GraphTable MakeStatisticsTable(const std::vector<GraphSubsetStatistics>& subsets,
                                         bool analysisValues) {
    platform::GraphTable table;
    table.shown = !subsets.empty() && (subsets.size() > 1 || analysisValues);
    table.background = kTableBackground;
    if (!table.shown) {
        return table;
    }
    const bool headedAsStatistics = subsets.size() == 1 || analysisValues;
    table.rows.push_back(
        {LoadText(headedAsStatistics ? IDS_GRAPH_STATISTICS_HEADING : IDS_GRAPH_LEGEND_HEADING)});
    if (subsets.size() == 1) {
        const platform::SampleSummary& summary = subsets.front().summary;
        const std::pair<unsigned, double> rows[] = {{IDS_STAT_AVERAGE, summary.Average()},
                                                    {IDS_STAT_MINIMUM, summary.minimum},
                                                    {IDS_STAT_MAXIMUM, summary.maximum}};
        for (const auto& [textId, value] : rows) {
            table.rows.push_back({platform::StringPrintf("%s: %s", LoadText(textId).c_str(),
                                                         StatisticValue(summary, value).c_str())});
        }
        return table;
    }
    for (const GraphSubsetStatistics& subset : subsets) {
        table.rows.push_back({"----- " + subset.label, subset.color});
        if (analysisValues) {
            const platform::SampleSummary& summary = subset.summary;
            table.rows.push_back({platform::StringPrintf(
                "       %s %s, %s %s, %s %s", LoadText(IDS_STAT_WORD_AVERAGE).c_str(),
                StatisticValue(summary, summary.Average()).c_str(), LoadText(IDS_STAT_WORD_MINIMUM).c_str(),
                StatisticValue(summary, summary.minimum).c_str(), LoadText(IDS_STAT_WORD_MAXIMUM).c_str(),
                StatisticValue(summary, summary.maximum).c_str())});
        }
    }
    return table;
}

std::string FormatCursorReadout(int pointNumber, const std::string& label, bool severalSubsets,
                                const std::string& date, const std::string& time, float value) {
    const std::string point = LoadText(IDS_GRAPH_READOUT_POINT);
    if (severalSubsets) {
        return platform::StringPrintf("%s %d: %s, %s %s, %.2f", point.c_str(), pointNumber, label.c_str(),
                                      date.c_str(), time.c_str(), static_cast<double>(value));
    }
    return platform::StringPrintf(" %s %d: %s %s, %.2f", point.c_str(), pointNumber, date.c_str(),
                                  time.c_str(), static_cast<double>(value));
}
