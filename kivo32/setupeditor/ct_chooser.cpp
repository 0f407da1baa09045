// CCTChooser: the CT catalogue list and its pictures.
#include "kivo32/setupeditor/ct_chooser.h"

#include <QBitmap>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <fstream>

#include "kivo32/setupeditor/setupeditor_ids.h"
#include "kivo32/setuprules/ct_catalogue.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/base/windows1252.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/tool_tip_delay.h"
#include "shared/controls/dialog_buttons.h"

namespace {

constexpr int kPictureSize = 64;
// Rows the list shows without scrolling.
constexpr int kVisibleRows = 4;

// A picture at list size with magenta transparent; a null icon when the file is missing or unreadable.
QIcon PictureOf(const std::filesystem::path& file) {
    QPixmap picture;
    if (!picture.load(platform::PathToQString(file))) {
        return {};
    }
    picture.setMask(picture.createMaskFromColor(Qt::magenta));
    return QIcon(picture.scaled(kPictureSize, kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace

CCTChooser::CCTChooser(QWidget* parent, std::filesystem::path catalogue, std::filesystem::path pictures)
    : platform::Dialog(parent),
      catalogue_(std::move(catalogue)),
      pictures_(std::move(pictures)),
      list_(new QTreeWidget(this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_CT_CHOOSER_TITLE)));
    platform::SetControlId(list_, IDC_CT_CHOOSER_LIST);
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setIconSize(QSize(kPictureSize, kPictureSize));
    list_->setToolTip(platform::ToQString(LoadText(IDS_CT_CHOOSER_LIST_TIP)));
    QStringList headings;
    for (const unsigned id : kCTChooserHeadingIds) {
        headings << platform::ToQString(LoadText(id));
    }
    list_->setHeaderLabels(headings);
    list_->header()->resizeSection(0, kPictureSize + 8);
    // One click on a row chooses it.
    connect(list_, &QTreeWidget::itemClicked, this, [this] { OnOK(); });
    QDialogButtonBox* buttons = MakeOkCancelButtons(this);
    platform::FindControlAs<QPushButton>(buttons, IDOK)
        ->setToolTip(platform::ToQString(LoadText(IDS_CT_CHOOSER_OK_TIP)));
    platform::FindControlAs<QPushButton>(buttons, IDCANCEL)
        ->setToolTip(platform::ToQString(LoadText(IDS_CT_CHOOSER_CANCEL_TIP)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    setMinimumSize(200, 260);
    platform::SetToolTipDelay(this, kToolTipDelayMs);
}

bool CCTChooser::OnInitDialog() {
    std::ifstream in(catalogue_);
    if (!in) {
        const std::string path = platform::PathToWindows1252(catalogue_);
        platform::CurrentUiBroker().MessageBox(platform::FormatLoadedText(IDS_FILE_DOES_NOT_EXIST, {path}),
                                               path, MB_OK);
        EndDialog(IDCANCEL);
        return false;
    }
    for (const CTCatalogueRow& row : ParseCTCatalogue(in)) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(1, platform::ToQString(row.name));
        item->setText(2, platform::ToQString(row.outputKind));
        item->setText(3, platform::ToQString(row.ratedValue));
        item->setText(4, platform::ToQString(row.secondValue));
        if (!row.picture.empty()) {
            item->setIcon(0, PictureOf(pictures_ / row.picture));
        }
    }
    FitListToRows();
    return platform::Dialog::OnInitDialog();
}

void CCTChooser::FitListToRows() {
    // Whole names and values: each column as wide as its heading and texts, the list as wide as its
    // columns. Measured from the texts, as the list lays out no row before it shows.
    const int textMargin =
        2 * (list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1);
    for (int column = 1; column < list_->columnCount(); ++column) {
        int width = list_->header()->sectionSizeHint(column);
        for (int row = 0; row < list_->topLevelItemCount(); ++row) {
            const QString text = list_->topLevelItem(row)->text(column);
            width = std::max(width, list_->fontMetrics().horizontalAdvance(text) + textMargin);
        }
        list_->setColumnWidth(column, width);
    }
    const int border = 2 * list_->frameWidth();
    list_->setMinimumWidth(list_->header()->length() + border +
                           list_->verticalScrollBar()->sizeHint().width());
    const int row = list_->topLevelItemCount() > 0 ? list_->sizeHintForRow(0) : kPictureSize;
    list_->setMinimumHeight(list_->header()->sizeHint().height() + kVisibleRows * row + border);
}

void CCTChooser::OnOK() {
    name_.clear();
    if (const QTreeWidgetItem* row = list_->currentItem()) {
        name_ = platform::FromQString(row->text(1));
        output_kind_ = platform::FromQString(row->text(2));
        rated_value_ = platform::FromQString(row->text(3));
        second_value_ = platform::FromQString(row->text(4));
    }
    EndDialog(IDOK);
}

void CCTChooser::OnCancel() {
    name_.clear();
    EndDialog(IDCANCEL);
}

bool CCTChooser::GetChoice(std::string& name, std::string& outputKind, std::string& ratedValue,
                           std::string& secondValue) const {
    if (name_.empty()) {
        return false;
    }
    name = name_;
    outputKind = output_kind_;
    ratedValue = rated_value_;
    secondValue = second_value_;
    return true;
}
