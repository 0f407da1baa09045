// CSortListCtrl: a list of rows of texts that sorts itself by the column whose heading the user
// clicks: numbers as numbers, dd/dd/yyyy dates as dates, anything else as text.
#pragma once

#include <QTreeWidget>
#include <string>
#include <vector>

class CSortListCtrl : public QTreeWidget {
    Q_OBJECT

public:
    explicit CSortListCtrl(QWidget* parent = nullptr);

    // A row at the end with one text per heading (Windows-1252; missing ones empty, extra ones
    // dropped); its index.
    int AddItem(const std::vector<std::string>& texts);
    void DeleteAllItems() { clear(); }

    // Sorts by `column` and shows the direction in its heading.
    void SortColumn(int column, bool ascending);
    int SortedColumn() const { return sort_column_; }
    bool Ascending() const { return ascending_; }

    // The order of two texts of a column, chosen by the kind of `a`: empty or digits only compares
    // both as whole numbers, "dd/dd/dddd" as dates (year, then the middle field, then the first),
    // anything else as text in the user's locale. Negative, 0 or positive.
    static int CompareTexts(const QString& a, const QString& b);

private:
    // A heading click sorts that column ascending, or the sorted column the other way.
    void OnHeadingClicked(int column);

    int sort_column_ = -1;
    bool ascending_ = true;
};
