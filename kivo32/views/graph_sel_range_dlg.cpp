// The first step of the graph dialogs: channels and records, mirrored live as the grid's selection.
#include "kivo32/views/graph_sel_range_dlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "kivo32/controls/controls_ids.h"
#include "kivo32/views/graph_dialog_grid.h"
#include "kivo32/views/graph_object_attributes.h"
#include "kivo32/views/graph_sel_type_dlg.h"
#include "kivo32/views/views_ids.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box.h"
#include "platform/base/program_texts.h"

namespace {

// The grid's selection modes while the dialog is open and after it.
constexpr unsigned kSelectionWhileOpen = 0xF3;
constexpr unsigned kSelectionNormal = 0x0A;
constexpr int kRangeDialogOpen = 2;
constexpr int kRangeDialogGone = 1;

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

std::string OneLine(std::string text) {
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

long EditValue(const QLineEdit* edit) {
    return std::atol(platform::FromQString(edit->text()).c_str());
}

}  // namespace

CGraphSelRangeDlg::CGraphSelRangeDlg(CGraphDialogGrid& grid, CGraphObjectAttributes& attributes, QWidget* parent)
    : platform::Dialog(parent),
      grid_(grid),
      attributes_(attributes),
      to_(grid.GetRowCount()),
      channels_(new QListWidget(this)),
      all_records_box_(new QCheckBox(Text(IDS_GRAPH_RANGE_ALL_RECORDS), this)),
      from_edit_(new QLineEdit(this)),
      to_edit_(new QLineEdit(this)),
      from_label_(new QLabel(Text(IDS_GRAPH_RANGE_FROM), this)),
      to_label_(new QLabel(Text(IDS_GRAPH_RANGE_TO), this)),
      range_label_(new QLabel(Text(IDS_GRAPH_RANGE_RECORDS), this)),
      cancel_(new QPushButton(Text(IDS_CANCEL), this)) {
    setWindowTitle(Text(IDS_GRAPH_RANGE_TITLE));
    setAttribute(Qt::WA_DeleteOnClose, false);
    channels_->setSelectionMode(QAbstractItemView::MultiSelection);
    platform::SetControlId(channels_, IDC_GRAPH_CHANNELS);
    platform::SetControlId(all_records_box_, IDC_GRAPH_ALL_RECORDS);
    platform::SetControlId(from_edit_, IDC_GRAPH_FROM_RECORD);
    platform::SetControlId(to_edit_, IDC_GRAPH_TO_RECORD);
    platform::SetControlId(from_label_, IDC_GRAPH_FROM_LABEL);
    platform::SetControlId(to_label_, IDC_GRAPH_TO_LABEL);
    platform::SetControlId(range_label_, IDC_GRAPH_RECORD_RANGE);
    platform::SetControlId(cancel_, IDCANCEL);
    auto* ok = new QPushButton(Text(IDS_OK), this);
    platform::SetControlId(ok, IDOK);
    ok->setDefault(true);

    connect(channels_, &QListWidget::itemSelectionChanged, this, [this] { OnChannelsChanged(); });
    connect(all_records_box_, &QCheckBox::clicked, this, [this] { OnAllRecordsClicked(); });
    connect(from_edit_, &QLineEdit::editingFinished, this, [this] { OnRecordEditLeft(from_edit_, 1); });
    connect(to_edit_, &QLineEdit::editingFinished, this, [this] { OnRecordEditLeft(to_edit_, grid_.GetRowCount()); });
    // Cancel is never held up by a record number the user left half typed.
    connect(cancel_, &QPushButton::pressed, this, [this] { validate_on_leave_ = false; });
    connect(cancel_, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });

    auto* records = new QGridLayout;
    records->addWidget(range_label_, 0, 0, 1, 2);
    records->addWidget(all_records_box_, 1, 0, 1, 2);
    records->addWidget(from_label_, 2, 0);
    records->addWidget(from_edit_, 2, 1);
    records->addWidget(to_label_, 3, 0);
    records->addWidget(to_edit_, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel_);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text(IDS_GRAPH_RANGE_CHANNELS), this));
    layout->addWidget(channels_, 1);
    layout->addLayout(records);
    layout->addLayout(buttons);
    show();
}

void CGraphSelRangeDlg::FillChannelList() {
    const int columns = grid_.GetColCount();
    column_table_.assign(static_cast<std::size_t>(columns) + 1, kNotListed);
    for (int column = 1; column <= columns; ++column) {
        if (!grid_.IsColumnPlottable(column)) {
            continue;
        }
        column_table_[static_cast<std::size_t>(column)] = static_cast<std::uint16_t>(channels_->count());
        auto* item = new QListWidgetItem(platform::ToQString(OneLine(grid_.GetColumnHeading(column))), channels_);
        item->setData(Qt::UserRole, column);
    }
}

void CGraphSelRangeDlg::PreselectFromChannelList() {
    const auto path = grid_.ChannelListPath();
    if (path.empty()) {
        return;
    }
    std::ifstream file(path, std::ios::binary);
    std::vector<int> rows;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.starts_with("//")) {
            continue;
        }
        for (int row = 0; row < channels_->count(); ++row) {
            if (platform::FromQString(channels_->item(row)->text()) == line) {
                rows.push_back(row);
                break;
            }
        }
    }
    SelectChannels(rows);
}

void CGraphSelRangeDlg::SelectChannels(const std::vector<int>& rows) {
    const QSignalBlocker blocker(channels_);
    channels_->clearSelection();
    for (const int row : rows) {
        channels_->item(row)->setSelected(true);
    }
}

bool CGraphSelRangeDlg::OnInitDialog() {
    FillChannelList();
    PreselectFromChannelList();
    grid_.EnableSelection(kSelectionWhileOpen);
    grid_.SetRangeDialogMode(kRangeDialogOpen);
    grid_.ClearSelection();
    platform::Dialog::OnInitDialog();
    if (to_ - from_ < kAllRecordsLimit) {
        UpdateRangeControls(0);
    } else {
        all_records_ = 0;
        all_records_box_->setChecked(false);
        UpdateRangeControls(1);
        to_edit_->setFocus();
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    return true;
}

void CGraphSelRangeDlg::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeCheck(exchange, all_records_box_, all_records_);
    std::string from = std::to_string(from_);
    std::string to = std::to_string(to_);
    platform::ExchangeText(exchange, from_edit_, from);
    platform::ExchangeText(exchange, to_edit_, to);
    if (exchange.saving()) {
        from_ = std::atol(from.c_str());
        to_ = std::atol(to.c_str());
    }
}

void CGraphSelRangeDlg::EnableRecordEdits(bool enable) {
    for (QWidget* control : {static_cast<QWidget*>(from_edit_), static_cast<QWidget*>(to_edit_),
                             static_cast<QWidget*>(from_label_), static_cast<QWidget*>(to_label_)}) {
        control->setEnabled(enable);
    }
}

void CGraphSelRangeDlg::UpdateRangeControls(int chosen) {
    if (chosen == 0) {
        EnableRecordEdits(false);
        all_records_box_->setEnabled(false);
        range_label_->setEnabled(false);
        all_records_box_->setChecked(true);
        all_records_ = 1;
        return;
    }
    all_records_box_->setEnabled(true);
    range_label_->setEnabled(true);
    if (!all_records_box_->isChecked()) {
        EnableRecordEdits(true);
    }
}

std::vector<int> CGraphSelRangeDlg::ChosenColumns() const {
    std::vector<int> columns;
    for (int row = 0; row < channels_->count(); ++row) {
        if (channels_->item(row)->isSelected()) {
            columns.push_back(channels_->item(row)->data(Qt::UserRole).toInt());
        }
    }
    return columns;
}

void CGraphSelRangeDlg::ShowRecordRange(long from, long to) {
    from_edit_->setText(QString::number(from));
    to_edit_->setText(QString::number(to));
}

void CGraphSelRangeDlg::OnChannelsChanged() {
    if (static_cast<int>(channels_->selectedItems().size()) > kMaxChannels) {
        ShowMessageBoxId(IDP_GRAPH_TOO_MANY_CHANNELS, MB_OK | MB_ICONEXCLAMATION, true);
        SelectChannels({});
    }
    const std::vector<int> columns = ChosenColumns();
    grid_.ClearSelection();
    grid_.SelectColumns(columns);
    UpdateRangeControls(static_cast<int>(columns.size()));
    ShowRecordRange(1, grid_.GetRowCount());
}

void CGraphSelRangeDlg::OnAllRecordsClicked() {
    const bool all = all_records_box_->isChecked();
    all_records_ = all ? 1 : 0;
    if (all) {
        ShowRecordRange(1, grid_.GetRowCount());
        SelectRecordRange();
    }
    EnableRecordEdits(!all);
}

void CGraphSelRangeDlg::SelectRecordRange() {
    const std::vector<int> columns = ChosenColumns();
    grid_.ClearSelection();
    grid_.SelectColumns(columns);
    grid_.SelectRecordRange(columns, EditValue(from_edit_), EditValue(to_edit_));
}

void CGraphSelRangeDlg::OnRecordEditLeft(QLineEdit* edit, long unchangedValue) {
    if (!validate_on_leave_ || !isVisible()) {
        return;
    }
    platform::DataExchange exchange(true);
    int value = 0;
    platform::ExchangeInt(exchange, edit, value);
    platform::ValidateRange(exchange, value, 1, static_cast<int>(grid_.GetRowCount()));
    if (!exchange.failed() && value != unchangedValue) {
        SelectRecordRange();
    }
}

bool CGraphSelRangeDlg::SelectListedColumnsFromGrid() {
    std::vector<int> rows;
    for (const int column : grid_.GetSelectedCols()) {
        if (column > 0 && static_cast<std::size_t>(column) < column_table_.size() &&
            column_table_[static_cast<std::size_t>(column)] != kNotListed) {
            rows.push_back(column_table_[static_cast<std::size_t>(column)]);
        }
    }
    if (static_cast<int>(rows.size()) > kMaxChannels) {
        SelectChannels({});
        UpdateRangeControls(0);
        return false;
    }
    SelectChannels(rows);
    UpdateRangeControls(static_cast<int>(rows.size()));
    return true;
}

void CGraphSelRangeDlg::TakeGridRowSelection() {
    long first = 0;
    long last = 0;
    if (!grid_.GetSelectedRows(first, last)) {
        return;
    }
    ShowRecordRange(first, last);
    all_records_box_->setChecked(false);
    all_records_ = 0;
    EnableRecordEdits(true);
}

void CGraphSelRangeDlg::OnOK() {
    if (ChosenColumns().empty()) {
        ShowMessageBoxId(IDP_GRAPH_NO_CHANNEL, MB_OK | MB_ICONEXCLAMATION, true);
        channels_->setFocus();
        return;
    }
    // The record numbers lie within the file and the first comes before the last.
    platform::DataExchange exchange(true);
    int from = 0;
    int to = 0;
    const int rows = static_cast<int>(grid_.GetRowCount());
    platform::ExchangeInt(exchange, from_edit_, from);
    platform::ValidateRange(exchange, from, 1, rows);
    platform::ExchangeInt(exchange, to_edit_, to);
    platform::ValidateRange(exchange, to, 1, rows);
    if (exchange.failed()) {
        return;
    }
    if (from >= to) {
        ShowMessageBoxId(IDP_GRAPH_EMPTY_RANGE, MB_OK | MB_ICONEXCLAMATION, true);
        return;
    }
    hide();
    if (RunTypeStep()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        UpdateData(true);
        grid_.ApplyRangeDialogSelection(ChosenColumns(), all_records_ != 0, from_, to_);
        QApplication::restoreOverrideCursor();
        Destroy();
        grid_.ActivateFrame();
        grid_.RequestGraph();
    }
}

// The type step (and the Y-axis step behind it); true when the user went through to the graph.
bool CGraphSelRangeDlg::RunTypeStep() {
    std::vector<std::string> headings;
    for (const int column : ChosenColumns()) {
        headings.push_back(grid_.GetColumnHeading(column));
    }
    CGraphSelTypeDlg type(grid_, std::move(headings), parentWidget());
    type.showDataCursor = attributes_.showDataCursor;
    type.showDataPoints = attributes_.showDataPoints;
    type.showAnalysisValues = attributes_.showAnalysisValues;
    type.attributeSource = attributes_.useDefaultAttributes == 1 ? 0 : 1;
    type.defaultMethod = attributes_.defaultPlottingMethod;
    type.method = attributes_.plottingMethod;
    const std::string annotation = attributes_.annotation;
    const int result = type.DoModal();
    if (result == IDCANCEL) {
        OnCancel();
        return false;
    }
    if (result != IDOK) {
        show();  // Back: the choices are still there
        return false;
    }
    if (type.attributeSource == 0) {
        attributes_.SetDefaultAttributes(true, false, false, true);
        attributes_.useDefaultAttributes = 1;
    } else {
        attributes_.LoadGOAttributes(false, false, false, true);
        attributes_.useDefaultAttributes = 0;
    }
    attributes_.defaultPlottingMethod = type.defaultMethod;
    attributes_.plottingMethod = type.method;
    attributes_.showDataCursor = type.showDataCursor;
    attributes_.showDataPoints = type.showDataPoints;
    attributes_.showAnalysisValues = type.showAnalysisValues;
    attributes_.annotation = annotation;
    return true;
}

void CGraphSelRangeDlg::OnCancel() {
    if (destroyed_) {
        return;
    }
    grid_.ClearSelection();
    Destroy();
}

// Hands the grid back its normal selection and goes; the grid is never touched after this.
void CGraphSelRangeDlg::Destroy() {
    destroyed_ = true;
    hide();
    grid_.EnableSelection(kSelectionNormal);
    grid_.SetRangeDialogMode(kRangeDialogGone);
    grid_.RangeDialogClosed();
    deleteLater();
}
