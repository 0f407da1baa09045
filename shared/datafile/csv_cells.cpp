// Cells of CSV lines: taking them apart with their quotes, and writing texts as cells.
#include "shared/datafile/csv_cells.h"

namespace {

constexpr char kQuote = '"';
constexpr char kSeparator = ',';

}  // namespace

std::string CsvCursor::NextCSVField() {
    if (at_end_) {
        return {};
    }
    std::string cell;
    std::size_t position = 0;
    if (!rest_.empty() && rest_.front() == kQuote) {
        position = 1;
        while (position < rest_.size()) {
            const char c = rest_[position++];
            if (c != kQuote) {
                cell += c;
            } else if (position < rest_.size() && rest_[position] == kQuote) {
                cell += kQuote;
                ++position;
            } else {
                break;
            }
        }
        position = rest_.find(kSeparator, position);
    } else {
        position = rest_.find(kSeparator);
        cell.assign(rest_.substr(0, position));
    }
    if (position == std::string_view::npos) {
        rest_ = {};
        at_end_ = true;
    } else {
        rest_.remove_prefix(position + 1);
    }
    return cell;
}

void AppendCsvText(std::string& line, std::string_view text, bool quoted) {
    if (!quoted && text.find_first_of(",\"") == std::string_view::npos) {
        line += text;
        return;
    }
    line += kQuote;
    for (const char c : text) {
        if (c == kQuote) {
            line += kQuote;
        }
        line += c;
    }
    line += kQuote;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}
