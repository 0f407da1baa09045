// CRawDataGraphView: loading the grid's selection, building the graph, its notifications, keys,
// commands and printing.
#include "kivo32/views/raw_data_graph_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>

#include "kivo32/views/graph_data_load.h"
#include "kivo32/views/graph_object_attributes.h"
#include "kivo32/views/graph_view_keys.h"
#include "kivo32/views/grid_walk.h"
#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_view.h"
#include "kivo32/views/view_toolbar.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/application.h"
#include "platform/ui/graph/serial_date.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/date_time_text.h"

namespace {

// More points than this make data labels unreadable: they are held off for the graph.
constexpr std::size_t kMostLabelledPoints = 100;
// The read-out's background while it shows a point, and while it is empty.
constexpr platform::GraphColor kReadoutBackground = 0xFFFFFFFF;
constexpr platform::GraphColor kEmptyReadoutBackground = 0xFFC0C0C0;
constexpr platform::GraphColor kAxisColor = 0xFF000000;
// The context menu's data-cursor item.
constexpr int kDataCursorMenuItem = 0;

// Line breaks of a column heading as blanks.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

// Windows-1252 upper case: ASCII letters and the accented small letters.
std::string UpperCase(std::string text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
            c = static_cast<char>(byte - 0x20);
        }
    }
    return text;
}

std::string DateText(const platform::SerialDateParts& parts) {
    return FormatDateText(parts.yearsSince1900 + 1900, parts.month, parts.day, true);
}

}  // namespace

CRawDataGraphView::CRawDataGraphView(CGraphObjectAttributes& attributes) : attributes_(attributes) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    setFocusPolicy(Qt::StrongFocus);
}

CRawDataGraphView::~CRawDataGraphView() {
    if (control_ != nullptr) {
        SaveAttributesIfChanged();
    }
    // A grid whose document has closed is itself about to go.
    if (grid_ != nullptr && grid_->GetDocument() != nullptr) {
        grid_->Grid().Selection().Clear();
        grid_->Grid().SelectionChanged();
    }
}

CRawDataDoc* CRawDataGraphView::GetDocument() const {
    return dynamic_cast<CRawDataDoc*>(View::GetDocument());
}

CRawDataView* CRawDataGraphView::GridView() const {
    return grid_;
}

QSize CRawDataGraphView::sizeHint() const {
    constexpr QSize kWindowSize(900, 560);
    return kWindowSize;
}

void CRawDataGraphView::OnInitialUpdate() {
    if (LoadBehindWaitCursor()) {
        View::OnInitialUpdate();
    }
}

void CRawDataGraphView::OnUpdate(platform::View* sender, long hint) {
    if (hint == platform::Document::kHintFileReloaded && control_ != nullptr) {
        // The user's changes to the look go to the attributes, and the new control is built in them.
        SaveAttributesIfChanged();
        if (modified_) {
            look_ = GraphLookFromAttributes(attributes_);
        }
        layout()->removeWidget(control_);
        delete control_;
        control_ = nullptr;
        zoomed_ = false;
        if (!LoadBehindWaitCursor()) {
            return;
        }
    }
    View::OnUpdate(sender, hint);
}

bool CRawDataGraphView::LoadBehindWaitCursor() {
    const QPointer<CRawDataGraphView> alive(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = LoadGraphData();
    QApplication::restoreOverrideCursor();
    // The load waits in an event loop, where the view's window may have been closed.
    if (alive == nullptr) {
        return false;
    }
    built_ = loaded;
    return true;
}

void CRawDataGraphView::OnActivateView(bool active) {
    View::OnActivateView(active);
    ShowViewToolBar(kDataGraphToolBar, active);
}

bool CRawDataGraphView::ReadSelection(GraphLoadRequest& selection) const {
    const int rows = grid_->GetRowCount();
    for (const platform::GridRange& range : grid_->Grid().Selection().Ranges()) {
        const int top = range.FirstRow();
        const int bottom = range.LastRow(rows);
        if (top < 1 || range.left < 1) {
            continue;
        }
        for (int column = range.left; column <= range.right; ++column) {
            if (!grid_->IsColumnPlottable(column)) {
                continue;
            }
            // Every channel is read over the rows whose times the graph shows.
            if (selection.columns.empty()) {
                selection.firstRow = top;
                selection.lastRow = bottom;
            } else if (top != selection.firstRow || bottom != selection.lastRow) {
                return false;
            }
            selection.columns.push_back(column);
        }
    }
    return !selection.columns.empty() && selection.columns.size() <= static_cast<std::size_t>(kMaxSubsets) &&
           selection.lastRow > selection.firstRow;
}

bool CRawDataGraphView::LoadGraphData() {
    labels_.clear();
    axis_of_subset_.clear();
    subset_order_.clear();
    loaded_ = {};
    CRawDataDoc* document = GetDocument();
    grid_ = nullptr;
    if (document != nullptr) {
        for (platform::View* view : document->Views()) {
            if (auto* grid = dynamic_cast<CRawDataView*>(view)) {
                grid_ = grid;
                break;
            }
        }
    }
    GraphLoadRequest selection;
    if (grid_ == nullptr || !ReadSelection(selection)) {
        SetupGraph();
        return false;
    }
    // Subset i is on the axis the graph dialogs chose for their i-th channel.
    std::vector<int> axes;
    for (const int column : selection.columns) {
        labels_.push_back(OneLine(grid_->GetCellText(0, column)).substr(0, kLabelLength));
        const int axis =
            selection.columns.size() > 1 ? grid_->GetColumnYAxis(static_cast<int>(axes.size())) : 0;
        axes.push_back(axis >= 0 && axis <= 2 ? axis : 0);
    }

    // The pass reads its own copy of the file, so the grid, the document and this view may all close
    // meanwhile without pulling the file from under it.
    GraphLoadResult result;
    const QPointer<CRawDataGraphView> alive(this);
    GridWalkReader reader(document->GetRawData());
    // The progress window belongs to the main window: this view may go while it waits.
    const bool read = reader.IsOpen() &&
                      RunGridWalk(window(), LoadText(IDS_GRAPH_LOADING), [&](GridWalkProgress& progress) {
                          return LoadGraphValues(reader.Cells(), selection, result, progress);
                      });
    if (alive == nullptr) {
        return false;
    }
    if (read && (result.undatedRecords > 0 || result.outOfOrderRecords > 0)) {
        std::string told;
        if (result.undatedRecords > 0) {
            told = platform::FormatLoadedText(IDS_GRAPH_UNDATED_RECORDS,
                                              {std::to_string(result.undatedRecords)});
        }
        if (result.outOfOrderRecords > 0) {
            told += (told.empty() ? "" : "\n\n") +
                    platform::FormatLoadedText(IDS_GRAPH_RECORDS_OUT_OF_ORDER,
                                               {std::to_string(result.outOfOrderRecords)});
        }
        platform::CurrentUiBroker().MessageBox(told, LoadText(IDS_GRAPH_CAPTION), MB_OK | MB_ICONEXCLAMATION);
    }
    if (!read || GetDocument() == nullptr || result.data.PointCount() < 2) {
        labels_.clear();
        SetupGraph();
        return false;
    }

    AssignYAxes(std::move(axes));
    loaded_.x = std::move(result.data.x);
    for (const int index : subset_order_) {
        loaded_.subsets.push_back(std::move(result.data.subsets[static_cast<std::size_t>(index)]));
    }
    statistics_ = StatisticsOver(0, loaded_.PointCount());
    subtitle_ = DateRangeText();
    SetupGraph();
    return true;
}

void CRawDataGraphView::AssignYAxes(std::vector<int> axes) {
    axis_of_subset_ = std::move(axes);
    const auto used = [this](int axis) {
        return std::find(axis_of_subset_.begin(), axis_of_subset_.end(), axis) != axis_of_subset_.end();
    };
    // Empty axes close up: the subsets move down to fill them, and the grid learns their new axes.
    const auto move = [this](int from, int to) {
        for (std::size_t i = 0; i < axis_of_subset_.size(); ++i) {
            if (axis_of_subset_[i] == from) {
                axis_of_subset_[i] = to;
                if (grid_ != nullptr) {
                    grid_->SetColumnYAxis(static_cast<int>(i), to);
                }
            }
        }
    };
    if (!used(1) && used(2)) {
        move(2, 1);
    }
    if (!used(0)) {
        move(1, 0);
        move(2, 1);
    }
    axes_in_use_ = 1 + (used(1) ? 1 : 0) + (used(2) ? 1 : 0);
    for (int axis = 0; axis < 3; ++axis) {
        for (std::size_t i = 0; i < axis_of_subset_.size(); ++i) {
            if (axis_of_subset_[i] == axis) {
                subset_order_.push_back(static_cast<int>(i));
            }
        }
    }
}

std::vector<GraphSubsetStatistics> CRawDataGraphView::StatisticsOver(std::size_t first,
                                                                     std::size_t last) const {
    // The values are the view's until the first build hands them to the control.
    const platform::GraphData& data = control_ != nullptr ? control_->Data() : loaded_;
    std::vector<GraphSubsetStatistics> statistics;
    for (std::size_t position = 0; position < subset_order_.size() && position < data.subsets.size();
         ++position) {
        const auto index = static_cast<std::size_t>(subset_order_[position]);
        statistics.push_back({labels_[index], {}, data.subsets[position].Summarise(first, last)});
    }
    return statistics;
}

void CRawDataGraphView::SetupGraph() {
    show_data_cursor_ = attributes_.showDataCursor != 0;
    show_analysis_values_ = attributes_.showAnalysisValues != 0;
    use_default_attributes_ = attributes_.useDefaultAttributes != 0;
    if (!modified_) {
        look_ = !use_default_attributes_ || control_ != nullptr
                    ? GraphLookFromAttributes(attributes_)
                    : DefaultGraphLook(attributes_.defaultPlottingMethod);
    }
    if (control_ == nullptr) {
        CreateControl();
        BuildGraph();
    }
    platform::GraphSettings& settings = control_->Settings();
    settings.dataCursor = show_data_cursor_;
    settings.menuItems[kDataCursorMenuItem].checked = show_data_cursor_;
    // The statistics rows take the colours the subsets are drawn in.
    for (std::size_t position = 0; position < statistics_.size(); ++position) {
        statistics_[position].color = settings.subsets[position].color;
    }
    settings.statistics = MakeStatisticsTable(statistics_, show_analysis_values_);
    settings.annotations = {
        platform::StringPrintf("%s||%s     ", LoadText(IDS_GRAPH_ANNOTATION_LABEL).c_str(),
                               attributes_.annotation.c_str()),
        "|" + UpperCase(LoadText(IDS_GRAPH_TIME_AXIS_WORD)) + "|"};
    control_->Reinitialise();
}

void CRawDataGraphView::CreateControl() {
    control_ = new platform::GraphControl(this);
    layout()->addWidget(control_);
    setFocusProxy(control_);
    connect(control_, &platform::GraphControl::Notify, this, &CRawDataGraphView::OnNotify);
}

void CRawDataGraphView::BuildGraph() {
    platform::GraphSettings& settings = control_->Settings();
    const CRawDataDoc* document = GetDocument();
    settings.mainTitle = document != nullptr ? document->Title() : std::string();
    settings.subtitle = subtitle_;
    settings.dateText = [](int year, int month, int day) { return FormatDateText(year, month, day, true); };
    settings.menuItems = {{LoadText(IDS_GRAPH_MENU_DATA_CURSOR), show_data_cursor_}};
    settings.nullValue = kGraphNullValue;
    settings.readout = {true, kEmptyReadoutBackground, {{}}};

    ApplyGraphLook(look_, subset_order_, settings);
    for (std::size_t position = 0; position < subset_order_.size(); ++position) {
        settings.subsets[position].label = labels_[static_cast<std::size_t>(subset_order_[position])];
    }
    if (settings.style.includeDataLabels && loaded_.PointCount() > kMostLabelledPoints) {
        platform::CurrentUiBroker().MessageBox(
            platform::FormatLoadedText(IDS_GRAPH_TOO_MANY_LABELS, {std::to_string(loaded_.PointCount())}),
            LoadText(IDS_GRAPH_CAPTION), MB_OK | MB_ICONINFORMATION);
        settings.style.includeDataLabels = false;
        labels_held_off_ = true;
    }

    // The Y axes: one with the single subset's label, or each axis in use with its subsets' count and,
    // for a subset alone on its axis, that subset's colour.
    settings.axes.clear();
    for (int axis = 0; axis < axes_in_use_; ++axis) {
        platform::GraphAxis& shown = settings.axes.emplace_back();
        std::vector<std::size_t> positions;
        for (std::size_t position = 0; position < subset_order_.size(); ++position) {
            if (axis_of_subset_[static_cast<std::size_t>(subset_order_[position])] == axis) {
                positions.push_back(position);
            }
        }
        shown.subsetCount = static_cast<int>(positions.size());
        shown.color = positions.size() == 1 && axes_in_use_ > 1 ? settings.subsets[positions.front()].color
                                                                : kAxisColor;
        if (axes_in_use_ == 1 && subset_order_.size() == 1) {
            shown.label = settings.subsets.front().label;
        }
    }
    control_->SetData(std::move(loaded_));
    loaded_ = {};
}

bool CRawDataGraphView::IsGraphChanged() {
    if (control_ == nullptr) {
        return false;
    }
    if (IsLookChanged(control_->Settings(), subset_order_, attributes_.defaultPlottingMethod, look_)) {
        modified_ = true;
    }
    return modified_;
}

void CRawDataGraphView::SaveGraphAttributes() {
    if (control_ == nullptr) {
        return;
    }
    const platform::GraphSettings& settings = control_->Settings();
    show_data_cursor_ = settings.dataCursor;
    attributes_.showDataCursor = show_data_cursor_ ? 1 : 0;
    ReadBackGraphLook(settings, subset_order_, !use_default_attributes_ || modified_, labels_held_off_,
                      attributes_);
    attributes_.SaveGOAttributes();
}

void CRawDataGraphView::SaveAttributesIfChanged() {
    if (!use_default_attributes_ || IsGraphChanged()) {
        SaveGraphAttributes();
    }
}

bool CRawDataGraphView::DateAndTimeTexts(double serialDate, std::string& date, std::string& time) {
    platform::SerialDateParts parts;
    if (!platform::SerialDateToParts(serialDate, parts)) {
        return false;
    }
    date = DateText(parts);
    time = platform::StringPrintf("%02d:%02d:%02d", parts.hour, parts.minute, parts.second);
    return true;
}

std::string CRawDataGraphView::DateTimeText(double serialDate) {
    std::string date;
    std::string time;
    return DateAndTimeTexts(serialDate, date, time) ? date + " " + time : std::string();
}

std::string CRawDataGraphView::DateRangeText() const {
    platform::SerialDateParts first;
    platform::SerialDateParts last;
    if (loaded_.x.empty() || !platform::SerialDateToParts(loaded_.x.front(), first) ||
        !platform::SerialDateToParts(loaded_.x.back(), last)) {
        return {};
    }
    return DateText(first) + " - " + DateText(last);
}

void CRawDataGraphView::ShowZoomedStatistics() {
    if (control_ == nullptr) {
        return;
    }
    control_->Settings().subtitle =
        DateTimeText(control_->ViewStart()) + " - " + DateTimeText(control_->ViewEnd());
    if (show_analysis_values_) {
        // The points in view by their full time stamps.
        const auto [first, last] = control_->Data().PointsBetween(control_->ViewStart(), control_->ViewEnd());
        statistics_ = StatisticsOver(first, last);
    }
    SetupGraph();
}

void CRawDataGraphView::ShowCursorReadout(const platform::GraphHit& hit) {
    if (control_ == nullptr) {
        return;
    }
    platform::GraphSettings& settings = control_->Settings();
    const platform::GraphData& data = control_->Data();
    platform::GraphTableRow row;
    if (hit.kind == platform::GraphHitKind::DataPoint && hit.subset >= 0 &&
        static_cast<std::size_t>(hit.subset) < data.SubsetCount() && hit.point < data.PointCount()) {
        const auto position = static_cast<std::size_t>(hit.subset);
        std::string date;
        std::string time;
        DateAndTimeTexts(data.x[hit.point], date, time);
        row.text =
            FormatCursorReadout(static_cast<int>(hit.point) + 1, settings.subsets[position].label,
                                data.SubsetCount() > 1, date, time, data.subsets[position].Sample(hit.point));
        row.color = settings.subsets[position].color;
    }
    settings.readout.background = row.text.empty() ? kEmptyReadoutBackground : kReadoutBackground;
    settings.readout.rows = {row};
    control_->Reinitialise();
}

void CRawDataGraphView::ToggleDataCursor() {
    show_data_cursor_ = !show_data_cursor_;
    platform::GraphSettings& settings = control_->Settings();
    settings.dataCursor = show_data_cursor_;
    settings.menuItems[kDataCursorMenuItem].checked = show_data_cursor_;
    attributes_.showDataCursor = show_data_cursor_ ? 1 : 0;
    control_->Reinitialise();
}

void CRawDataGraphView::OnNotify(platform::GraphNotification notification) {
    using platform::GraphNotification;
    switch (notification) {
        case GraphNotification::CursorMoved:
            ShowCursorReadout(control_->HitTest(control_->LastMousePosition()));
            break;
        case GraphNotification::ZoomedIn:
            zoomed_ = true;
            ShowZoomedStatistics();
            break;
        case GraphNotification::ZoomMoved:
            if (zoomed_) {
                ShowZoomedStatistics();
            }
            break;
        case GraphNotification::ZoomedOut:
            zoomed_ = false;
            if (show_analysis_values_) {
                statistics_ = StatisticsOver(0, control_->Data().PointCount());
            }
            control_->Settings().subtitle = subtitle_;
            SetupGraph();
            break;
        case GraphNotification::MenuItemChosen:
            if (control_->LastMenuItem() == kDataCursorMenuItem) {
                ToggleDataCursor();
            }
            break;
        case GraphNotification::CursorPlaced:
            ShowCursorReadout(control_->Cursor());
            break;
        case GraphNotification::Customised:
            attributes_.showDataPoints = control_->Settings().style.showDataPoints ? 1 : 0;
            SaveAttributesIfChanged();
            SetupGraph();
            break;
    }
}

bool CRawDataGraphView::OnCommand(unsigned id) {
    switch (id) {
        case ID_GRAPH_CUSTOMISE:
            OnGraphSettings();
            return true;
        case ID_GRAPH_UNDO_ZOOM:
            if (zoomed_ && control_ != nullptr) {
                control_->UndoZoom();
            }
            return true;
        case ID_FILE_PRINT:
            OnFilePrint();
            return true;
        default:
            return View::OnCommand(id);
    }
}

void CRawDataGraphView::OnGraphSettings() {
    if (control_ == nullptr) {
        return;
    }
    const CRawDataDoc* document = GetDocument();
    RunGraphSettingsUnderTitle(*this, *control_, document != nullptr ? document->Title() : std::string(),
                               LoadText(IDS_GRAPH_SETTINGS_TITLE));
}

void CRawDataGraphView::keyPressEvent(QKeyEvent* event) {
    if (!HandleGraphViewKey(*event, control_, [this] { OnGraphSettings(); })) {
        View::keyPressEvent(event);
    }
}

QSize CRawDataGraphView::PrintSize() const {
    return GraphPrintSize(*this);
}

bool CRawDataGraphView::PrintGraph(QPrinter& printer) const {
    return PrintGraphAtViewSize(*this, control_, printer);
}

void CRawDataGraphView::OnFilePrint() {
    PrintGraphView(*this, control_);
}

CRawDataGraphView* GetActiveRawDataGraphView(const platform::MainFrame* frame) {
    return dynamic_cast<CRawDataGraphView*>(platform::GetActiveView(frame));
}
