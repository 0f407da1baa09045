// CRawDataView: Save As, the CSV export, the reports and the column analysis, each a walk over the rows
// on a worker with its own reader of the file.
#include <algorithm>

#include "kivo32/analysis/analysis_ids.h"
#include "kivo32/analysis/data_error_report.h"
#include "kivo32/analysis/data_file_summary.h"
#include "kivo32/views/grid_csv_writer.h"
#include "kivo32/views/grid_walk.h"
#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_view.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/file_exception.h"
#include "platform/base/local_time.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/base/windows1252.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/shell_helpers.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/date_time_text.h"
#include "shared/common/message_box.h"
#include "shared/common/user_data_folder.h"
#include "shared/datafile/csv_output.h"
#include "shared/setup/setup_table.h"

namespace {

std::string ShownPath(const std::filesystem::path& path) {
    return platform::PathToWindows1252(path);
}

void ShowPathMessage(unsigned id, const std::filesystem::path& path) {
    ShowMessageBox(platform::FormatLoadedText(id, {ShownPath(path)}), MB_OK | MB_ICONEXCLAMATION, true);
}

// What a walk that writes a file ended with.
struct WriteOutcome {
    bool created = false;
    std::string error;
};

}  // namespace

CRawDataView::Span CRawDataView::GetExportSpan() {
    Span span;
    GridBlock block;
    if (GetSelectedRange(block, false)) {
        span.firstRow = static_cast<long>(block.FirstRow());
        span.lastRow = static_cast<long>(block.bottom);
        // The record's date and time, then every selected column from left to right: the time at which a
        // maximum occurred stays beside its value.
        constexpr int kTimeColumn = 2;
        span.columns = {1, kTimeColumn};
        for (const int column : GetSelectedColumns()) {
            if (column > kTimeColumn) {
                span.columns.push_back(column);
            }
        }
        return span;
    }
    span.lastRow = GetRowCount();
    for (int column = 1; column <= GetColCount(); ++column) {
        span.columns.push_back(column);
    }
    return span;
}

std::filesystem::path CRawDataView::ReportPath(const std::string& suffix) const {
    const std::string& title = View::GetDocument()->Title();
    const std::size_t dot = title.rfind('.');
    const std::string stem = dot == std::string::npos ? title : title.substr(0, dot);
    return UserDataFolder() / "Data" / std::filesystem::path(platform::Windows1252ToUtf8(stem + suffix));
}

void CRawDataView::OnFileSaveAs() {
    CRawDataDoc* document = GetDocument();
    if (document == nullptr) {
        return;
    }
    std::filesystem::path proposed = document->GetOriginalPath();
    proposed.replace_extension();
    platform::FileNameRequest request;
    request.open = false;
    request.filters = {{LoadText(IDS_DATA_FILE_FILTER) + " (*.kivo; *.dat)", {"*.kivo", "*.dat"}},
                       {LoadText(IDS_CSV_FILE_FILTER) + " (*.csv)", {"*.csv"}},
                       {LoadText(IDS_ALL_FILES_FILTER) + " (*.*)", {"*"}}};
    request.initialFolder = proposed.parent_path();
    request.fileName = proposed.filename();
    request.defaultExtension = "kivo";
    request.flags = OFN_HIDEREADONLY;
    const std::optional<std::filesystem::path> chosen = platform::CurrentUiBroker().PromptFileName(request);
    if (!chosen) {
        return;
    }
    const std::filesystem::path& path = *chosen;
    std::string extension = path.extension().string();
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (extension == ".kivo" || extension == ".dat") {
        SaveSelectionAs(path);
    } else if (extension == ".csv") {
        ExportCSVFile(path);
    }
}

bool CRawDataView::ExportCSVFile(const std::filesystem::path& path) {
    const Span span = GetExportSpan();
    WriteOutcome outcome;
    GridWalkReader reader(GetDocument()->GetRawData());
    const bool written = reader.IsOpen() && RunGridWalk(this, LoadText(IDS_EXPORT_DONE_CAPTION), [&](GridWalkProgress& progress) {
        try {
            CsvOutput output;
            output.Create(path);
            outcome.created = true;
            if (!WriteGridCsv(reader.Cells(), span.firstRow, span.lastRow, span.columns, output, progress)) {
                return false;
            }
            output.Commit();
            return true;
        } catch (const CPSTFileException& error) {
            outcome.error = error.MessageText();
            return false;
        }
    });
    if (!outcome.created) {
        ShowPathMessage(IDS_REPORT_CANNOT_CREATE, path);
        return false;
    }
    if (!outcome.error.empty()) {
        ShowMessageBox(platform::StringPrintf("%s:\n\n%s", LoadText(IDS_EXPORT_WRITE_ERROR).c_str(),
                                              ShownPath(path).c_str()),
                       MB_OK | MB_ICONEXCLAMATION, true);
        return false;
    }
    if (written) {
        CMessageBoxTexts box;
        box.prompt = platform::FormatLoadedText(IDS_EXPORT_DONE, {ShownPath(path)});
        box.type = MB_OK | MB_ICONINFORMATION;
        box.caption = LoadText(IDS_EXPORT_DONE_CAPTION);
        ShowMessageBox(box);
    }
    return written;
}

bool CRawDataView::SaveSelectionAs(const std::filesystem::path& path) {
    CRawDataDoc* document = GetDocument();
    if (document == nullptr) {
        return false;
    }
    GridBlock block;
    if (!GetSelectedRange(block, false)) {
        return document->SaveCopyAs(path);
    }
    // The range opens in its own window; a range that could not be saved stops here (the user has
    // been told why), so nothing is written under the chosen name.
    CRawDataDoc* range = document->SaveRecordRange(static_cast<int>(block.FirstRow()),
                                                   static_cast<int>(block.bottom), false, false);
    return range != nullptr && range->SaveCopyAs(path);
}

bool CRawDataView::ReportDataErrors() {
    const long interval = GetDocument()->GetRawData().GetSetupTable()->GetIntervalSeconds();
    if (interval <= 0) {
        ShowMessageBoxId(IDS_REPORT_NO_INTERVAL, MB_OK | MB_ICONEXCLAMATION, true);
        return false;
    }
    return MakeReport("-Data Errors.txt", IDS_REPORT_FILE_LABEL, IDS_REPORT_CANNOT_CREATE,
                      [interval](const CRawDataGrid& cells, const std::string& title, std::string& report,
                                 GridWalkProgress& progress) {
                          return BuildDataErrorReport(cells, title, interval, report, progress);
                      });
}

bool CRawDataView::ReportDataFileSummary() {
    return MakeReport("-Summary.txt", IDS_SUMMARY_TITLE, IDS_SUMMARY_CANNOT_CREATE, BuildDataFileSummary);
}

bool CRawDataView::MakeReport(const std::string& suffix, unsigned labelId, unsigned cannotCreateId,
                              const ReportBuilder& build) {
    const std::string title = View::GetDocument()->Title();
    GridWalkReader reader(GetDocument()->GetRawData());
    std::string report;
    if (!reader.IsOpen() || !RunGridWalk(this, LoadText(labelId), [&](GridWalkProgress& progress) {
            return build(reader.Cells(), title, report, progress);
        })) {
        return false;
    }
    return WriteReport(ReportPath(suffix), report, cannotCreateId);
}

bool CRawDataView::WriteReport(const std::filesystem::path& path, const std::string& report, unsigned cannotCreateId) {
    try {
        std::filesystem::create_directories(path.parent_path());
    } catch (const std::filesystem::filesystem_error&) {
        // Create below reports the folder it could not write to.
    }
    CsvOutput output;
    try {
        output.Create(path);
    } catch (const CPSTFileException&) {
        ShowPathMessage(cannotCreateId, path);
        return false;
    }
    try {
        // Every line ends in CR LF on disk, whichever end it had.
        for (std::size_t i = 0; i < report.size(); ++i) {
            if (report[i] == '\n' && (i == 0 || report[i - 1] != '\r')) {
                output.Text() += '\r';
            }
            output.Text() += report[i];
        }
        output.Commit();
    } catch (const CPSTFileException&) {
        ShowPathMessage(IDS_REPORT_WRITE_ERROR, path);
        return false;
    }
    OpenWrittenFile(path, IDS_REPORT_WRITTEN_TO);
    return true;
}

bool CRawDataView::AnalyseSelectedColumn(ColumnAnalysis& result, bool beepIfNone) {
    result = {};
    GridBlock block;
    if (!GetSelectedRange(block, beepIfNone)) {
        return false;
    }
    const std::vector<int> columns = GetSelectedColumns();
    if (columns.size() != 1) {
        ShowMessageBoxId(IDS_ONE_COLUMN_ONLY, MB_OK | MB_ICONEXCLAMATION, true);
        return false;
    }
    GridWalkReader reader(GetDocument()->GetRawData());
    return reader.IsOpen() && RunGridWalk(this, LoadText(IDS_MENU_ANALYSIS_1), [&](GridWalkProgress& progress) {
               return AnalyseColumn(reader.Cells(), columns.front(), static_cast<long>(block.FirstRow()),
                                    static_cast<long>(block.bottom), result, progress);
           });
}

std::string CRawDataView::GetSelectedColumnTitles() {
    std::string titles;
    GridBlock block;
    if (!GetSelectedRange(block, false)) {
        return titles;
    }
    for (const int column : GetSelectedColumns()) {
        if (!cells_->IsValueColumn(column)) {
            continue;
        }
        std::string cell;
        std::string title;
        std::string unit;
        cells_->GetColumnHeading(column, cell, title, unit);
        std::replace(cell.begin(), cell.end(), '\n', ' ');
        titles += (titles.empty() ? "" : ", ") + cell;
    }
    return titles;
}

void CRawDataView::GetSelectionTimeSpan(std::string& first, std::string& last) {
    first.clear();
    last.clear();
    GridBlock block;
    if (!GetSelectedRange(block, false)) {
        return;
    }
    const int top = static_cast<int>(block.FirstRow());
    const int bottom = static_cast<int>(block.bottom);
    first = GetCellText(top, 1) + " " + GetCellText(top, 2);
    // Records are stamped at the end of their interval: the last one's interval began one interval
    // before its time stamp.
    const std::optional<double> stamp = cells_->GetRowTime(bottom);
    const long interval = GetDocument()->GetRawData().GetSetupTable()->GetIntervalSeconds();
    const std::optional<std::tm> start =
        stamp ? platform::FromOleDate(*stamp - static_cast<double>(interval) / 86400.0) : std::nullopt;
    if (start) {
        last = FormatDateText(start->tm_year + 1900, start->tm_mon + 1, start->tm_mday,
                              !ShortDateHasFourDigitYear()) +
               " " + FormatTimeText(start->tm_hour, start->tm_min, start->tm_sec);
    }
}

bool CRawDataView::BuildAnalysisValues(int kind, bool beepIfNone, AnalysisValueRecord& record) {
    record = {};
    if (!AnalyseSelectedColumn(record.values, beepIfNone)) {
        return false;
    }
    record.kind = kind;
    record.file = View::GetDocument()->Title();
    record.columns = GetSelectedColumnTitles();
    GetSelectionTimeSpan(record.firstTime, record.lastTime);
    return true;
}
