// The one pass of a data graph's load through a data file's records.
#include "kivo32/views/graph_data_load.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "platform/ui/graph/serial_date.h"
#include "shared/datafile/record_bytes.h"
#include "shared/datafile/value_text.h"
#include "shared/setup/setup_table.h"

namespace {

// Puts the points in time order (records of one time keep theirs); the count of points earlier than the
// point before them.
long PutInTimeOrder(std::vector<double>& x, std::vector<std::vector<float>>& values) {
    long earlier = 0;
    for (std::size_t i = 1; i < x.size(); ++i) {
        earlier += x[i] < x[i - 1] ? 1 : 0;
    }
    if (earlier == 0) {
        return 0;
    }
    std::vector<std::size_t> order(x.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&x](std::size_t a, std::size_t b) { return x[a] < x[b]; });
    const auto reorder = [&order](auto& items) {
        auto sorted = items;
        for (std::size_t i = 0; i < order.size(); ++i) {
            sorted[i] = items[order[i]];
        }
        items = std::move(sorted);
    };
    reorder(x);
    for (auto& subset : values) {
        reorder(subset);
    }
    return earlier;
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
