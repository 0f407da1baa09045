// BuildChannelStatistics: the per-column statistics of a data file's grid and the THD estimates.
#include "kivo32/analysis/channel_statistics.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "kivo32/analysis/analysis_ids.h"
#include "platform/base/number_text.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "shared/common/signal_calculations.h"

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kDashes =
    "---------------------- --------- ------------------------------- ------------------------------- "
    "-----------\r\n";
// The columns at which the average, maximum, minimum and total start.
constexpr std::size_t kAverageEnd = 22;
constexpr std::size_t kMaximumEnd = 32;
constexpr std::size_t kMinimumEnd = 64;
constexpr std::size_t kTotalEnd = 96;
// Only the first four channels measure volts and amps for a THD estimate.
constexpr int kThdChannels = 4;

enum class Role { Other, AveragePowerFactor, AverageKW, AverageKVA, AverageKVAR, AverageVolts, AverageAmps };

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The twenty labels of statistic columns, which get no total, and the roles of the averages.
struct Labels {
    std::vector<std::string> statistics;
    std::string averagePowerFactor, averageKW, averageKVA, averageKVAR, averageVolts, averageAmps;

    Labels() {
        const std::string volts = LoadText(IDS_STAT_QUANTITY_VOLTS);
        const std::string amps = LoadText(IDS_STAT_QUANTITY_AMPS);
        const auto label = [](unsigned word, const std::string& quantity) {
            return LoadText(word) + " " + quantity;
        };
        statistics = {label(IDS_STAT_WORD_INSTANT, volts), label(IDS_STAT_WORD_INSTANT, "dPF")};
        for (const unsigned word : {IDS_STAT_WORD_MINIMUM, IDS_STAT_WORD_MAXIMUM, IDS_STAT_WORD_AVERAGE}) {
            for (const std::string& quantity : {volts, amps, std::string("KW"), std::string("KVA"),
                                                std::string("KVAR"), std::string("dPF")}) {
                statistics.push_back(label(word, quantity));
            }
        }
        averagePowerFactor = label(IDS_STAT_WORD_AVERAGE, "dPF");
        averageKW = label(IDS_STAT_WORD_AVERAGE, "KW");
        averageKVA = label(IDS_STAT_WORD_AVERAGE, "KVA");
        averageKVAR = label(IDS_STAT_WORD_AVERAGE, "KVAR");
        averageVolts = label(IDS_STAT_WORD_AVERAGE, volts);
        averageAmps = label(IDS_STAT_WORD_AVERAGE, amps);
    }

    Role RoleOf(const std::string& unit) const {
        const std::pair<const std::string*, Role> roles[] = {{&averagePowerFactor, Role::AveragePowerFactor},
                                                             {&averageKW, Role::AverageKW},
                                                             {&averageKVA, Role::AverageKVA},
                                                             {&averageKVAR, Role::AverageKVAR},
                                                             {&averageVolts, Role::AverageVolts},
                                                             {&averageAmps, Role::AverageAmps}};
        for (const auto& [text, role] : roles) {
            if (SameText(unit, *text)) {
                return role;
            }
        }
        return Role::Other;
    }
    bool IsStatistic(const std::string& unit) const {
        return std::any_of(statistics.begin(), statistics.end(),
                           [&](const std::string& label) { return SameText(unit, label); });
    }
};

struct Extreme {
    double value = 0.0;
    long row = 0;
};

struct ColumnFigures {
    int column = 0;
    std::string header;  // title and unit on one line
    std::string title;
    Role role = Role::Other;
    bool total = true;
    bool lastOfChannel = false;
    int channelIndex = 0;
    int decimals = 0;
    long count = 0;
    long negatives = 0;
    double sum = 0.0;
    std::optional<Extreme> maximum;
    std::optional<Extreme> minimum;

    double Average() const {
        const double average = count > 0 ? sum / static_cast<double>(count) : 0.0;
        return role == Role::AveragePowerFactor && negatives > count - negatives ? -average : average;
    }
};

// The volts and amps averages of one channel, for its apparent power when no kVA column exists.
struct ChannelProduct {
    int volts = -1;
    int amps = -1;
    double sum = 0.0;
    long rows = 0;
};

// Appends `field` at its column; a field that cannot start there still stands apart from the one before.
void AppendAt(std::string& line, std::size_t column, const std::string& field) {
    if (line.size() < column) {
        line.append(column - line.size(), ' ');
    } else if (!line.empty() && line.back() != ' ' && !field.empty() && field.front() != ' ') {
        line += ' ';
    }
    line += field;
}

std::string Spaces(int count) {
    return std::string(static_cast<std::size_t>(std::clamp(count, 0, 4)), ' ');
}

std::string ExtremeText(const CRawDataGrid& cells, const ColumnFigures& figures,
                        const std::optional<Extreme>& extreme) {
    if (!extreme) {
        return {};
    }
    const int row = static_cast<int>(extreme->row);
    return platform::StringPrintf("%7.*f%s(%s %s)", figures.decimals, extreme->value,
                                  Spaces(5 - figures.decimals).c_str(), cells.GetCellText(row, 1).c_str(),
                                  cells.GetCellText(row, 2).c_str());
}

}  // namespace

bool BuildChannelStatistics(const CRawDataGrid& cells, std::string& text, GridWalkProgress& progress) {
    const Labels labels;
    text = platform::StringPrintf(
        "%-*s               %9s   %-8s (%s %s)            %-8s (%s %s)             %s\r\n", 8,
        LoadText(IDS_STAT_CHANNEL).c_str(), LoadText(IDS_STAT_AVERAGE).c_str(),
        LoadText(IDS_STAT_MAXIMUM).c_str(), LoadText(IDS_STAT_DATE).c_str(), LoadText(IDS_STAT_TIME).c_str(),
        LoadText(IDS_STAT_MINIMUM).c_str(), LoadText(IDS_STAT_DATE).c_str(), LoadText(IDS_STAT_TIME).c_str(),
        LoadText(IDS_STAT_TOTAL).c_str());
    text += kDashes;

    // The value columns and their channels.
    std::vector<ColumnFigures> columns;
    for (int column = 1; column <= cells.GetColCount(); ++column) {
        const CRawDataField* field = cells.GetColumnField(column);
        if (field == nullptr || !field->valueColumn) {
            continue;
        }
        ColumnFigures figures;
        figures.column = column;
        std::string cell;
        std::string unit;
        cells.GetColumnHeading(column, cell, figures.title, unit);
        figures.header = cell;
        std::replace(figures.header.begin(), figures.header.end(), '\n', ' ');
        figures.role = labels.RoleOf(unit);
        figures.total = !labels.IsStatistic(unit);
        figures.channelIndex = field->channelIndex;
        columns.push_back(std::move(figures));
    }
    std::vector<ChannelProduct> products(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        columns[i].lastOfChannel =
            i + 1 == columns.size() || !SameText(columns[i].title, columns[i + 1].title);
    }
    // Each channel's volts and amps columns, noted at the channel's last column.
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].role != Role::AverageVolts && columns[i].role != Role::AverageAmps) {
            continue;
        }
        std::size_t last = i;
        while (!columns[last].lastOfChannel) {
            ++last;
        }
        (columns[i].role == Role::AverageVolts ? products[last].volts : products[last].amps) =
            static_cast<int>(i);
    }

    const long rows = cells.GetRowCount();
    std::vector<std::optional<double>> values(columns.size());
    std::string cell;
    for (long row = 1; row <= rows; ++row) {
        if (!progress.ReportRow(row, 1, rows)) {
            return false;
        }
        for (std::size_t i = 0; i < columns.size(); ++i) {
            ColumnFigures& figures = columns[i];
            values[i].reset();
            double value = 0.0;
            if (!cells.ReadCellText(static_cast<int>(row), figures.column, cell)) {
                continue;
            }
            if (row == 1) {
                figures.decimals = CountDecimals(cell);
            }
            if (cell.empty() || !ParseDouble(cell, value)) {
                continue;
            }
            values[i] = value;
            if (!figures.maximum || value >= figures.maximum->value) {
                figures.maximum = Extreme{value, row};
            }
            if (!figures.minimum || value <= figures.minimum->value) {
                figures.minimum = Extreme{value, row};
            }
            ++figures.count;
            if (figures.role == Role::AveragePowerFactor) {
                figures.negatives += value < 0 ? 1 : 0;
                figures.sum += std::fabs(value);
            } else {
                figures.sum += value;
            }
        }
        for (ChannelProduct& product : products) {
            if (product.volts >= 0 && product.amps >= 0 && values[static_cast<std::size_t>(product.volts)] &&
                values[static_cast<std::size_t>(product.amps)]) {
                product.sum += *values[static_cast<std::size_t>(product.volts)] *
                               *values[static_cast<std::size_t>(product.amps)] / 1000.0;
                ++product.rows;
            }
        }
    }

    int lines = 0;
    bool distorted = false;
    // The channel's averages by role, gathered up to its last column.
    double kW = kNotGiven, kVA = kNotGiven, kVAR = kNotGiven, powerFactor = kNotGiven;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ColumnFigures& figures = columns[i];
        const double average = figures.Average();
        if (figures.count > 0) {
            switch (figures.role) {
                case Role::AveragePowerFactor:
                    powerFactor = average;
                    break;
                case Role::AverageKW:
                    kW = average;
                    break;
                case Role::AverageKVA:
                    kVA = average;
                    break;
                case Role::AverageKVAR:
                    kVAR = average;
                    break;
                default:
                    break;
            }
        }
        std::string thdLine;
        if (figures.lastOfChannel) {
            if (figures.channelIndex < kThdChannels) {
                if (kVA == kNotGiven && products[i].rows > 0) {
                    kVA = products[i].sum / static_cast<double>(products[i].rows);
                }
                bool disagree = false;
                const double thd = CalculateTHD(kNotGiven, kNotGiven, kVA, kW, kVAR, powerFactor, disagree);
                distorted = distorted || disagree;
                if (thd != kNotGiven) {
                    thdLine = platform::StringPrintf("%s THD = %f\r\n", figures.title.c_str(), thd);
                }
            }
            kW = kVA = kVAR = powerFactor = kNotGiven;
        }
        std::string line = figures.header;
        AppendAt(line, kAverageEnd,
                 Spaces(figures.decimals) + platform::StringPrintf("%7.*f", figures.decimals, average));
        AppendAt(line, kMaximumEnd, ExtremeText(cells, figures, figures.maximum));
        AppendAt(line, kMinimumEnd, ExtremeText(cells, figures, figures.minimum));
        if (figures.total) {
            AppendAt(
                line, kTotalEnd,
                Spaces(figures.decimals) + platform::StringPrintf("%7.*f", figures.decimals, figures.sum));
        }
        if (!thdLine.empty()) {
            line += kLineEnd + thdLine;
        }
        text += line + kLineEnd;
        ++lines;
    }
    if (distorted) {
        text += "\r\nPLEASE NOTE: Results suggest that some values may be distorted by THD.\r\n\r\n";
    }
    if (lines == 0) {
        text += LoadText(IDS_STAT_NO_VALUES);
    }
    text += kLineEnd;
    return true;
}
