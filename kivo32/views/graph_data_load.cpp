// The one pass of a data graph's load through a data file's records.
#include "kivo32/views/graph_data_load.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/ui/graph/serial_date.h"
#include "shared/datafile/record_bytes.h"
#include "shared/datafile/value_text.h"
#include "shared/setup/setup_table.h"

namespace {

using TimedPoint = std::pair<double, std::size_t>;

// Sorts `points`, made of ascending runs that begin at `runStarts` (after the first), by time, points of
// one time in their order: adjacent runs merged pairwise until one is left.
void MergeRuns(std::vector<TimedPoint>& points, const std::vector<std::size_t>& runStarts) {
    const auto byTime = [](const TimedPoint& a, const TimedPoint& b) { return a.first < b.first; };
    std::vector<std::size_t> bounds{0};
    bounds.insert(bounds.end(), runStarts.begin(), runStarts.end());
    bounds.push_back(points.size());
    while (bounds.size() > 2) {
        std::vector<std::size_t> merged{0};
        for (std::size_t run = 0; run + 2 < bounds.size(); run += 2) {
            const auto begin = points.begin();
            std::inplace_merge(begin + static_cast<std::ptrdiff_t>(bounds[run]),
                               begin + static_cast<std::ptrdiff_t>(bounds[run + 1]),
                               begin + static_cast<std::ptrdiff_t>(bounds[run + 2]), byTime);
            merged.push_back(bounds[run + 2]);
        }
        // An odd run out waits for the next round.
        if (bounds.size() % 2 == 0) {
            merged.push_back(bounds.back());
        }
        bounds = std::move(merged);
    }
}

// Puts the points in time order (records of one time keep theirs); the count of points earlier than the
// point before them. Only the stretch that must move is sorted: the points before it are no later, and
// those after it no earlier, than any point of it. A logger clock set back once moves a handful of points
// of a large file, not all of them.
long PutInTimeOrder(std::vector<double>& x, std::vector<std::vector<float>>& values) {
    std::vector<std::size_t> earlier;
    for (std::size_t i = 1; i < x.size(); ++i) {
        if (x[i] < x[i - 1]) {
            earlier.push_back(i);
        }
    }
    if (earlier.empty()) {
        return 0;
    }
    const auto at = [&x](std::size_t i) { return x.begin() + static_cast<std::ptrdiff_t>(i); };
    const double lowestAfter = *std::min_element(at(earlier.front()), x.end());
    const double highestBefore = *std::max_element(x.begin(), at(earlier.back()));
    const auto first =
        static_cast<std::size_t>(std::upper_bound(x.begin(), at(earlier.front()), lowestAfter) - x.begin());
    const auto last =
        static_cast<std::size_t>(std::lower_bound(at(earlier.back()), x.end(), highestBefore) - x.begin());

    std::vector<TimedPoint> moved;
    moved.reserve(last - first);
    for (std::size_t i = first; i < last; ++i) {
        moved.emplace_back(x[i], i);
    }
    for (std::size_t& start : earlier) {
        start -= first;
    }
    MergeRuns(moved, earlier);
    for (std::size_t i = 0; i < moved.size(); ++i) {
        x[first + i] = moved[i].first;
    }
    std::vector<float> reordered(moved.size());
    for (auto& subset : values) {
        for (std::size_t i = 0; i < moved.size(); ++i) {
            reordered[i] = subset[moved[i].second];
        }
        std::copy(reordered.begin(), reordered.end(), subset.begin() + static_cast<std::ptrdiff_t>(first));
    }
    return static_cast<long>(earlier.size());
}

}  // namespace

int GraphCalendarYear(int yearByte) {
    return yearByte < 70 ? 2000 + yearByte : 1900 + yearByte;
}

bool LoadGraphValues(const CRawDataGrid& cells, const GraphLoadRequest& request, GraphLoadResult& result,
                     GridWalkProgress& progress) {
    result = {};
    CRawData& data = cells.Data();
    const CRawDataField* date = data.GetField(0);
    const CRawDataField* time = data.GetField(1);
    if (date == nullptr || time == nullptr || date->storageKind != CRawDataField::kStorageDate ||
        time->storageKind != CRawDataField::kStorageTime || request.firstRow < 1 ||
        request.lastRow > cells.GetRowCount()) {
        return false;
    }
    std::vector<const CRawDataField*> fields;
    for (const int column : request.columns) {
        const CRawDataField* field = cells.GetColumnField(column);
        if (field == nullptr || !field->valueColumn || field->storageKind != CRawDataField::kStorageFloat) {
            return false;
        }
        fields.push_back(field);
    }
    const long intervalSeconds =
        data.GetSetupTable() != nullptr ? data.GetSetupTable()->GetIntervalSeconds() : 0;
    const auto points = static_cast<std::size_t>(std::max(0, request.lastRow - request.firstRow + 1));
    std::vector<std::vector<float>> values(fields.size());
    for (auto& subset : values) {
        subset.reserve(points);
    }
    result.data.x.reserve(points);

    for (int row = request.firstRow; row <= request.lastRow; ++row) {
        if (!progress.ReportRow(row, request.firstRow, request.lastRow) || !data.ReadRecord(row - 1)) {
            return false;
        }
        const auto record = data.GetRecordBuffer();
        if (!FieldFitsRecord(*date, record.size()) || !FieldFitsRecord(*time, record.size())) {
            return false;
        }
        const RecordDate day = ReadRecordDate(record, date->offset);
        const RecordTimeOfDay clock = ReadRecordTimeOfDay(record, time->offset);
        const double serialDate = platform::CreateSerialDate(
            {day.month, day.day, GraphCalendarYear(day.year) - 1900, clock.hour, clock.minute, clock.second});
        // A record that cannot stand on the time axis is left out rather than drawn at the epoch.
        if (serialDate == 0.0) {
            ++result.undatedRecords;
            continue;
        }
        result.data.x.push_back(serialDate);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const float raw = FieldFitsRecord(*fields[i], record.size())
                                  ? ReadRecordFloat(record, fields[i]->offset)
                                  : std::nanf("");
            values[i].push_back(std::isfinite(raw) ? static_cast<float>(ValueShownAs(fields[i]->valueKind,
                                                                                     raw, intervalSeconds))
                                                   : kGraphNullValue);
        }
    }
    result.outOfOrderRecords = PutInTimeOrder(result.data.x, values);
    for (const auto& subset : values) {
        result.data.subsets.emplace_back(subset, kGraphNullValue);
    }
    return progress.Report(100);
}
