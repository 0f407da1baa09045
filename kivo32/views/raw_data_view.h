// CRawDataView: the grid view of a data-file document: a virtual grid over the file's records, the
// user's selection of records and channels, and the look-ups the reports, exports and extractions use.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kivo32/analysis/analysis_value_record.h"
#include "kivo32/analysis/column_analysis.h"
#include "kivo32/analysis/raw_data_grid.h"
#include "platform/ui/grid_cell_source.h"
#include "platform/ui/grid_print_properties.h"
#include "platform/ui/grid_printer.h"
#include "platform/ui/grid_view.h"
#include "platform/ui/view.h"
#include "shared/datafile/data_grid_rows.h"

class CGraphObjectAttributes;
class CGraphSelRangeDlg;
class CRawDataDoc;
class CRawDataGraphLink;
class QMenu;

namespace platform {
class MainFrame;
}

// The selection as the reports take it: rows top..bottom (top 0 stands for row 1) of columns
// left..right.
struct GridBlock {
    unsigned long top = 0;
    unsigned long left = 0;
    unsigned long bottom = 0;
    unsigned long right = 0;

    bool IsEmpty() const { return top == 0 && left == 0 && bottom == 0 && right == 0; }
    unsigned long FirstRow() const { return top == 0 ? 1 : top; }
    bool operator==(const GridBlock&) const = default;
};

class CRawDataView : public platform::View,
                     public CDataGridRows,
                     public platform::GridCellSource,
                     public platform::GridEvents {
    Q_OBJECT

public:
    // The grid columns whose Y axis the graph dialogs choose.
    static constexpr int kYAxisColumns = 17;

    CRawDataView();
    ~CRawDataView() override;

    CRawDataDoc* GetDocument() const;
    platform::GridView& Grid() { return *grid_; }
    // The cells of the document's file.
    const CRawDataGrid& Cells() const { return *cells_; }

    // A new window shows a good part of the table.
    QSize sizeHint() const override;
    void OnInitialUpdate() override;
    // The main frame shows the grid's toolbar (that of a temporary copy for an extracted range).
    void OnActivateView(bool active) override;
    // The document re-read its file: the grid asks again.
    void OnUpdate(platform::View* sender, long hint) override;
    bool OnCommand(unsigned id) override;

    // The cell supply.
    int GetRowCount() const override;
    int GetColCount() const override;
    bool GetCell(int row, int column, platform::GridCell& cell) const override;
    std::string GetCellText(int row, int column) const override;

    // The mouse rules.
    bool OnStartSelection(int row, int column, unsigned flags) override;
    bool OnLButtonClickedRowCol(int row, int column, unsigned flags) override;
    void OnLButtonUp(unsigned flags) override;
    void OnRButtonUp(int row, int column, int globalX, int globalY) override;
    void OnClickedButtonRowCol(int, int) override {}

    // The selection: the first range's top, left and bottom with the widest right edge of all ranges;
    // whole columns give top 0 and bottom the row count. False when nothing is selected (a beep when
    // asked). The result is kept for GetLastSelectedRange.
    bool GetSelectedRange(GridBlock& block, bool beepIfNone);
    GridBlock GetLastSelectedRange() const { return last_range_; }
    // The selected columns between the block's left and right edges: columns selected apart from each
    // other leave out the ones between them.
    std::vector<int> GetSelectedColumns() const;
    // Recomputes the stored selection that the click rules shape (top 0 becomes 1).
    void StoreSelectedRange();
    GridBlock GetStoredSelection() const { return stored_; }
    // Widens the selected rows to whole records.
    void SelectWholeRows();

    const CRawDataField* GetColumnField(int column) const;
    long GetColumnFieldIndex(int column) const;
    int GetColumnValueKind(int column) const;
    // The header of `column` split at its first line feed into title and unit (a " PF" ending reads
    // " dPF"); the line feed's position, -1 without one. A column beyond the grid gives -1 and empty
    // texts.
    int GetColumnHeading(int column, std::string& cell, std::string& title, std::string& unit) const;
    // The time stamps (OLE dates) of the first and the last row; nullopt for a row without one.
    void GetDataDateRange(std::optional<double>& first, std::optional<double>& last) const;
    // The rows from the first not earlier than `from` to the last not later than `to` (half a second
    // either way counts as equal); first is the row count + 1 when no row reaches `from`, last is 0
    // when no row lies before `to`.
    void FindRecordRange(double from, double to, long& firstRecord, long& lastRecord) const;
    // True when every value column of first..last has the value kind of `first`; else tells the user.
    bool CheckColumnsSameKind(int first, int last) const;
    void SetColumnYAxis(int column, int axis);
    int GetColumnYAxis(int column) const;
    void ClearColumnYAxes() { y_axes_.fill(0); }

    // The graph range dialog over this grid: made on the first call, the open one on later calls. It
    // mirrors its choice into the grid's selection, and a selection made with the mouse while it is
    // open becomes its choice.
    CGraphSelRangeDlg* OpenGraphRangeDialog(CGraphObjectAttributes& attributes);
    CGraphSelRangeDlg* GraphRangeDialog() const { return range_dialog_; }
    // 2 while the range dialog is open, 1 once it has gone, 0 before one was opened.
    int GetRangeDialogMode() const { return range_dialog_mode_; }
    void SetRangeDialogMode(int mode) { range_dialog_mode_ = mode; }
    void RangeDialogClosed() { range_dialog_ = nullptr; }
    // Whether the column's field can be graphed: the value columns, not the date and time.
    bool IsColumnPlottable(int column) const;
    // The range dialog's choice as the selection: rows from..to (clipped to the grid; every row with
    // `allRecords`) of each of `columns`. Nothing changes when no column is chosen or the file has no
    // records.
    void ApplyRangeDialogSelection(const std::vector<int>& columns, bool allRecords, long from, long to);
    // Takes the date and time columns out of the selection.
    void DeselectUnplottableColumns();
    // The open range dialog takes the selected columns as its channels and the selected rows as its
    // records; false, after telling the user, when they are more channels than a graph takes, and false
    // when no range dialog is open.
    bool ValidateRangeDialog();

    // Command 32889: the selected records as a new extracted-range document.
    void OnExtractSelectedRange();

    // What the CSV export takes: the selected records, or every record, and the record, date and time
    // columns followed by every selected column (a maximum's time column too), or every column.
    struct Span {
        long firstRow = 1;
        long lastRow = 0;
        std::vector<int> columns;
    };
    Span GetExportSpan();

    // Save As (command 32896): asks for a name; a .kivo or .dat name saves data, a .csv name CSV text.
    void OnFileSaveAs();
    // The grid's span as CSV text at `path`; tells the user the outcome.
    bool ExportCSVFile(const std::filesystem::path& path);
    // The whole file, or the selected records (which also open in a new window), copied to `path`.
    bool SaveSelectionAs(const std::filesystem::path& path);
    // The data-error report and the summary report in the reports folder, each opened with the
    // desktop's text viewer.
    bool ReportDataErrors();
    bool ReportDataFileSummary();
    // The analysis values of the one selected value column over the selected records; false when
    // nothing (beep when asked) or more than one column is selected (the user is told).
    bool AnalyseSelectedColumn(ColumnAnalysis& result, bool beepIfNone);
    // The record the analysis-values window shows for command `kind` (1-5); false as
    // AnalyseSelectedColumn.
    bool BuildAnalysisValues(int kind, bool beepIfNone, AnalysisValueRecord& record);
    // The headers of the selected value columns, title and unit on one line, joined by ", ".
    std::string GetSelectedColumnTitles();
    // The date and time of the first selected record, and the start of the last selected interval (its
    // record's time stamp less one logging interval); empty without a selection.
    void GetSelectionTimeSpan(std::string& first, std::string& last);
    // Where the reports of this document go: the reports folder, the title up to its last '.', `suffix`.
    std::filesystem::path ReportPath(const std::string& suffix) const;

    // The context menu while it is open.
    QMenu* ContextMenu() const;

    // Printing: the header and footer patterns ("$D", "$T", "$F" tokens) and the cell (0 left, 1 middle,
    // 2 right) each goes into; the layout of the pages.
    struct PrintTexts {
        std::string header;
        std::string footer;
        int headerPosition = 0;
        int footerPosition = 0;
    };
    PrintTexts& GetPrintTexts() { return print_texts_; }
    platform::GridPrintProperties& GetPrintProperties() { return print_properties_; }
    // The header and footer lines go into their cells; the pages are counted when printing begins.
    bool OnPreparePrinting(platform::PrintInfo& info) override;
    // Counts the pages from the row count and ends the job at the last one.
    void OnBeginPrinting(platform::PagePainter& painter, platform::PrintInfo& info) override;
    void OnPrint(platform::PagePainter& painter, platform::PrintInfo& info) override;
    void OnEndPrinting(platform::PagePainter& painter, platform::PrintInfo& info) override;
    // The page count of the last print job.
    int GetLastPageCount() const { return last_page_count_; }
    // File Page Setup: the print setup dialog on a copy of the print settings; with its defaults check
    // still set at OK, the settings also become the defaults of new grids.
    void OnFilePageSetup();

private:
    // Builds a report's text from the cells of the document's file and its title.
    using ReportBuilder = std::function<bool(const CRawDataGrid& cells, const std::string& title,
                                             std::string& report, GridWalkProgress& progress)>;
    // Builds a report on a worker and writes it beside the other reports under the title and `suffix`;
    // `labelId` names the walk, `cannotCreateId` tells when the file cannot be made.
    bool MakeReport(const std::string& suffix, unsigned labelId, unsigned cannotCreateId,
                    const ReportBuilder& build);
    // Writes a report with CR LF line ends and opens it; `cannotCreateId` tells when it cannot be made.
    bool WriteReport(const std::filesystem::path& path, const std::string& report, unsigned cannotCreateId);
    void Select(const platform::GridRange& range);
    void Deselect(const platform::GridRange& range);
    platform::GridRange WholeRow(int row) const;
    bool IsInsideSelectedBlock(int row, int column) const;

    std::unique_ptr<CRawDataGrid> cells_;
    platform::GridView* grid_ = nullptr;
    GridBlock last_range_;
    GridBlock stored_;
    // Where a plain click without a selection started; Shift+click selects from here.
    int anchor_row_ = 0;
    int anchor_column_ = 0;
    std::array<int, kYAxisColumns> y_axes_{};
    std::unique_ptr<CRawDataGraphLink> graph_link_;
    CGraphSelRangeDlg* range_dialog_ = nullptr;
    int range_dialog_mode_ = 0;
    PrintTexts print_texts_;
    platform::GridPrintProperties print_properties_;
    std::unique_ptr<platform::GridPrinter> printer_;
    int last_page_count_ = 0;
};

// A disabled, bold title line and a separator at the top of a popup menu.
void AddMenuTitle(QMenu& menu, const std::string& title);
// The grid view of the active child frame of `frame` (the application's main window when null), or
// null when the active view is no data grid.
CRawDataView* GetActiveRawDataView(const platform::MainFrame* frame = nullptr);
