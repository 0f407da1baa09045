#include "shared/controls/logger_list_view.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/command_state.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/tool_tip_delay.h"
#include "shared/common/message_box.h"
#include "shared/controls/logger_list_clipboard.h"
#include "shared/controls/logger_list_config_dlg.h"
#include "shared/controls/logger_list_doc.h"
#include "shared/controls/logger_list_model.h"
#include "shared/controls/windows1252_validator.h"

namespace {

using Column = CLoggerListModel::Column;

// Button cells drawn as push buttons; text cells edited within their field's length.
class LoggerListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (index.column() != Column::kConnectColumn && index.column() != Column::kConfigureColumn) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionButton button;
        button.rect = option.rect.adjusted(1, 1, -1, -1);
        button.text = index.data().toString();
        button.state = QStyle::State_Enabled | QStyle::State_Raised;
        const QVariant colour = index.data(Qt::ForegroundRole);
        if (colour.isValid()) {
            button.palette.setBrush(QPalette::ButtonText, colour.value<QBrush>());
        }
        QApplication::style()->drawControl(QStyle::CE_PushButton, &button, painter);
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setMaxLength(static_cast<int>(index.column() == Column::kSerialColumn
                                                    ? CLogger::kSerialLength
                                                    : CLogger::kDescriptionLength));
            edit->setValidator(new Windows1252Validator(edit));
        }
        return editor;
    }
};

constexpr unsigned kCaptions[] = {IDS_LIST_ADD,   IDS_LIST_DELETE, IDS_LIST_COPY,
                                  IDS_LIST_PASTE, IDS_LIST_UP,     IDS_LIST_DOWN};
// The strip of buttons at the right: 24 pixels high, 31 apart, 120 wide.
constexpr int kStripWidth = 160;
constexpr int kButtonLeft = 16;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 24;
constexpr int kButtonPitch = 31;

void Beep() {
    platform::CurrentDesktopServices().Beep();
}

}  // namespace

CLoggerListView::CLoggerListView(QWidget* parent) : platform::View(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    grid_ = new QTableView(this);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setItemDelegate(new LoggerListDelegate(grid_));
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    layout->addWidget(grid_, 1);
    auto* strip = new QWidget(this);
    strip->setFixedWidth(kStripWidth);
    layout->addWidget(strip);
    for (int button = 0; button < kButtonCount; ++button) {
        buttons_[button] = new QPushButton(platform::ToQString(LoadText(kCaptions[button])), strip);
        buttons_[button]->setGeometry(kButtonLeft, 5 + button * kButtonPitch, kButtonWidth, kButtonHeight);
        buttons_[button]->setToolTip(platform::ToQString(LoadText(IDS_LIST_TIP_ADD + button)));
        connect(buttons_[button], &QPushButton::clicked, this,
                [this, button] { OnCommand(ButtonCommand(button)); });
    }
    shown_only_ = new QLabel(platform::ToQString(LoadText(IDS_LIST_SHOWN_ONLY)), strip);
    shown_only_->setWordWrap(true);
    const int belowButtons = 5 + kButtonCount * kButtonPitch;
    shown_only_->setGeometry(kButtonLeft, belowButtons, kButtonWidth,
                             shown_only_->heightForWidth(kButtonWidth));
    shown_only_->hide();
    // Made once: the view shows each document it is given through the same grid.
    grid_->horizontalHeader()->setSectionsClickable(true);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (section == Column::kSerialColumn) {
            SortBySerial();
        }
    });
    connect(grid_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (QApplication::keyboardModifiers() == Qt::NoModifier) {
            OnClickedButton(index.row(), index.column());
        }
    });
}

CLoggerListView::~CLoggerListView() = default;

CLoggerListDoc& CLoggerListView::Document() const {
    return *static_cast<CLoggerListDoc*>(GetDocument());
}

LoggerListHost& CLoggerListView::Host() const {
    return Document().Host();
}

void CLoggerListView::OnInitialUpdate() {
    model_ = new CLoggerListModel(Document(), this);
    grid_->setModel(model_);
    // Widths in the ratio 4 : 8 : 34 : 20 : 8, the row header first.
    const int unit = grid_->fontMetrics().averageCharWidth();
    grid_->verticalHeader()->setFixedWidth(4 * unit);
    // A button column is at least as wide as its caption.
    const QFontMetrics metrics = grid_->fontMetrics();
    for (const auto& [column, width] : {std::pair{0, 8}, {1, 34}, {2, 20}, {3, 8}}) {
        const int caption = metrics.horizontalAdvance(model_->index(0, column).data().toString()) + 3 * unit;
        const int header =
            metrics.horizontalAdvance(model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        grid_->setColumnWidth(
            column, std::max({width * unit, header + 3 * unit, column == 1 || column == 2 ? 0 : caption}));
    }
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { RefreshButtons(); });
    shown_only_->setVisible(!Host().EditsLists());
    platform::SetToolTipDelay(this, 250);
    // The frame takes the grid's whole width and the button strip beside it.
    if (platform::ChildFrame* frame = ParentFrame()) {
        int gridWidth = grid_->verticalHeader()->width() + 2 * grid_->frameWidth() +
                        grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        for (int column = 0; column < model_->columnCount(); ++column) {
            gridWidth += grid_->columnWidth(column);
        }
        frame->resize(gridWidth + kStripWidth + (frame->width() - width()), frame->height());
    }
    grid_->setCurrentIndex(model_->index(0, Column::kConnectColumn));
    RefreshButtons();
}

void CLoggerListView::OnUpdate(platform::View*, long hint) {
    if (hint == kHintStoreListEdits) {
        // Leaving the cell being edited stores what its editor holds.
        const QModelIndex current = grid_->currentIndex();
        if (current.isValid()) {
            grid_->setCurrentIndex(model_->index(current.row(), Column::kConnectColumn));
        }
        return;
    }
    if (model_ != nullptr) {
        model_->Reload();
    }
}

void CLoggerListView::OnActivateView(bool active) {
    // A view whose list is closing has nothing to show.
    if (GetDocument() != nullptr) {
        Host().ShowListToolbar(active);
    }
}

std::vector<int> CLoggerListView::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : grid_->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

unsigned CLoggerListView::ButtonCommand(int button) const {
    const LoggerListCommandIds ids = Host().CommandIds();
    const unsigned commands[] = {ids.add, ids.remove, ids.copy, ids.paste, ids.moveUp, ids.moveDown};
    return commands[button];
}

void CLoggerListView::RefreshButtons() {
    const std::vector<int> rows = SelectedRows();
    const bool one = rows.size() == 1;
    const bool edits = Host().EditsLists();
    buttons_[kAddButton]->setEnabled(edits);
    buttons_[kDeleteButton]->setEnabled(edits && !rows.empty());
    buttons_[kUpButton]->setEnabled(edits && one && rows[0] >= 1);
    buttons_[kDownButton]->setEnabled(edits && one && rows[0] + 1 < model_->rowCount());
    // Any list's copy can be pasted: the clipboard says, not this view.
    buttons_[kPasteButton]->setEnabled(edits && ClipboardHoldsEntry());
}

void CLoggerListView::SelectOnly(int row) {
    grid_->selectionModel()->clearSelection();
    grid_->selectRow(row);
}

void CLoggerListView::Changed() {
    model_->Reload();
    Document().SetModifiedFlag();
    RefreshButtons();
}

bool CLoggerListView::OnCommand(unsigned id) {
    const LoggerListCommandIds ids = Host().CommandIds();
    if (ids.Changes(id) && !Host().EditsLists()) {
        return true;
    }
    if (id == ids.add) {
        Add();
    } else if (id == ids.remove) {
        Delete();
    } else if (id == ids.clear) {
        Clear();
    } else if (id == ids.copy) {
        Copy();
    } else if (id == ids.paste) {
        Paste();
    } else if (id == ids.moveUp) {
        Move(-1);
    } else if (id == ids.moveDown) {
        Move(1);
    } else {
        return platform::View::OnCommand(id);
    }
    return true;
}

bool CLoggerListView::OnUpdateCommand(platform::CommandState& state) {
    const LoggerListCommandIds ids = Host().CommandIds();
    if (ids.Changes(state.id) && !Host().EditsLists()) {
        state.enabled = false;
        return true;
    }
    if (state.id == ids.copy || state.id == ids.clear || state.id == ids.paste) {
        state.enabled = SelectedRows().size() < 2;
        return true;
    }
    if (state.id == ids.remove) {
        state.enabled = !SelectedRows().empty();
        return true;
    }
    return platform::View::OnUpdateCommand(state);
}

void CLoggerListView::Add() {
    if (Document().GetCount() >= CLoggerList::kMaxEntries) {
        ShowMessageBoxId(IDS_LIST_FULL, MB_OK | MB_ICONEXCLAMATION, true);
        return;
    }
    Document().InsertNewLogger(-1);
    Changed();
}

void CLoggerListView::Delete() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) {
        return;
    }
    if (Document().GetCount() == 1) {
        Clear();
        return;
    }
    // From the last selected to the first; the list keeps one entry, reset, when all go.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        Document().RemoveAt(static_cast<std::size_t>(*row));
    }
    grid_->selectionModel()->clearSelection();
    Changed();
}

void CLoggerListView::Clear() {
    const std::vector<int> rows = SelectedRows();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        Document().List().ClearAt(static_cast<std::size_t>(*row));
    }
    Changed();
}

void CLoggerListView::Copy() {
    const std::vector<int> rows = SelectedRows();
    if (rows.size() != 1) {
        Beep();
        return;
    }
    if (!CopyToClipboard(Document().GetLogger(static_cast<std::size_t>(rows[0])))) {
        Beep();
    }
    RefreshButtons();
}

void CLoggerListView::Paste() {
    if (Document().GetCount() >= CLoggerList::kMaxEntries) {
        ShowMessageBoxId(IDS_LIST_FULL, MB_OK | MB_ICONEXCLAMATION, true);
        return;
    }
    const std::vector<int> rows = SelectedRows();
    // Only an entry that can be pasted makes a new one.
    if (rows.empty() || !ClipboardHoldsEntry()) {
        Beep();
        return;
    }
    CLogger& entry = Document().InsertNewLogger(rows[0]);
    PasteFromClipboard(entry);
    Changed();
    SelectOnly(rows[0]);
}

void CLoggerListView::Move(int step) {
    const std::vector<int> rows = SelectedRows();
    const int target = rows.size() == 1 ? rows[0] + step : -1;
    if (target < 0 || target >= model_->rowCount()) {
        Beep();
        return;
    }
    Document().List().Swap(static_cast<std::size_t>(rows[0]), static_cast<std::size_t>(target));
    Changed();
    SelectOnly(target);
}

void CLoggerListView::SortBySerial() {
    if (!Host().EditsLists()) {
        return;
    }
    // One direction for every list view: ascending first, then in turn.
    static bool ascending = true;
    Document().List().Sort(ascending);
    ascending = !ascending;
    Changed();
    grid_->scrollToTop();
}

void CLoggerListView::OnClickedButton(int row, int column) {
    if (row < 0 || row >= model_->rowCount()) {
        return;
    }
    if (column == Column::kConnectColumn) {
        Connect(row);
    } else if (column == Column::kConfigureColumn) {
        Configure(row);
    }
}

void CLoggerListView::Connect(int row) {
    if (Host().SessionRunning()) {
        ShowMessageBoxId(IDS_LIST_SESSION_RUNNING, MB_OK | MB_ICONEXCLAMATION, true);
        return;
    }
    SelectOnly(row);
    const CLogger& entry = Document().GetLogger(static_cast<std::size_t>(row));
    switch (entry.GetConnectType()) {
        case kConnectDirect:
            Host().ConnectDirect(entry.GetComPort(), entry.GetBaudRate());
            break;
        case kConnectModem:
            Host().ConnectModem(entry.GetPhoneOrAddress(), entry.GetBaudRate());
            break;
        case kConnectNetwork:
            Host().ConnectNetwork(entry.GetPhoneOrAddress(), entry.GetNetPort());
            break;
        default:
            Beep();
    }
}

void CLoggerListView::Configure(int row) {
    CLoggerListConfigDlg dialog(Document().List(), row + 1, this);
    if (!Host().EditsLists()) {
        dialog.ShowOnly();
    }
    if (dialog.exec() != QDialog::Rejected || dialog.ChangedAny()) {
        Changed();
    }
}
