// Cells of CSV lines: taking them apart with their quotes, and writing texts as cells.
#include "shared/datafile/csv_cells.h"

namespace {

constexpr char kQuote = '"';
constexpr char kSeparator = ',';

}  // namespace

std::string_view CsvCursor::NextCellView() {
    if (at_end_) {
        return {};
    }
    std::string_view cell;
    std::size_t position = 0;
    if (!rest_.empty() && rest_.front() == kQuote) {
        std::size_t close = 1;
        while ((close = rest_.find(kQuote, close)) != std::string_view::npos && close + 1 < rest_.size() &&
               rest_[close + 1] == kQuote) {
            close += 2;
        }
        cell = rest_.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
        position = close == std::string_view::npos ? close : rest_.find(kSeparator, close);
    } else {
        position = rest_.find(kSeparator);
        cell = rest_.substr(0, position);
    }
    if (position == std::string_view::npos) {
        rest_ = {};
        at_end_ = true;
    } else {
        rest_.remove_prefix(position + 1);
    }
    return cell;
}

std::string CsvCursor::NextCSVField() {
    const bool quoted = !rest_.empty() && rest_.front() == kQuote;
    const std::string_view view = NextCellView();
    if (!quoted) {
        return std::string(view);
    }
    std::string cell;
    cell.reserve(view.size());
    for (std::size_t i = 0; i < view.size(); ++i) {
        cell += view[i];
        if (view[i] == kQuote) {
            ++i;  // a doubled quote stands for one
        }
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
