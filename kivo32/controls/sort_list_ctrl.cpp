// CSortListCtrl: a list of rows of texts that sorts itself by the clicked column.
#include "kivo32/controls/sort_list_ctrl.h"

#include <QHeaderView>

#include "platform/ui/qt_text.h"

namespace {

bool IsNumberText(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= '0' && c <= '9'; });
}

// "dd/dd/dddd".
bool IsDateText(const QString& text) {
    if (text.size() != 10) {
        return false;
    }
    for (int i = 0; i < text.size(); ++i) {
        const bool slash = i == 2 || i == 5;
        if (slash ? text[i] != '/' : !text[i].isDigit()) {
            return false;
        }
    }
    return true;
}

int Compare(int a, int b) {
    return a < b ? -1 : a > b ? 1 : 0;
}

// A row that orders itself by the text of the list's sort column.
class SortItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
        return CSortListCtrl::CompareTexts(text(column), other.text(column)) < 0;
    }
};

}  // namespace

CSortListCtrl::CSortListCtrl(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, &CSortListCtrl::OnHeadingClicked);
}

int CSortListCtrl::AddItem(const std::vector<std::string>& texts) {
    auto* item = new SortItem(this);
    for (int column = 0; column < columnCount() && column < static_cast<int>(texts.size()); ++column) {
        item->setText(column, platform::ToQString(texts[static_cast<std::size_t>(column)]));
    }
    return indexOfTopLevelItem(item);
}

void CSortListCtrl::SortColumn(int column, bool ascending) {
    sort_column_ = column;
    ascending_ = ascending;
    const Qt::SortOrder order = ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(column, order);
    sortItems(column, order);
}

void CSortListCtrl::OnHeadingClicked(int column) {
    SortColumn(column, column == sort_column_ ? !ascending_ : true);
}

int CSortListCtrl::CompareTexts(const QString& a, const QString& b) {
    if (IsNumberText(a)) {
        return Compare(a.toInt(), b.toInt());
    }
    if (IsDateText(a)) {
        for (const auto& [start, length] : {std::pair{6, 4}, std::pair{3, 2}, std::pair{0, 2}}) {
            const int order = Compare(a.mid(start, length).toInt(), b.mid(start, length).toInt());
            if (order != 0) {
                return order;
            }
        }
        return 0;
    }
    return QString::localeAwareCompare(a, b);
}
