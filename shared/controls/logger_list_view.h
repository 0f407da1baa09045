// CLoggerListView: a logger list as a grid of one row per entry (connect button, serial number,
// description, configure button), with the side buttons that add, delete, copy, paste and move entries.
#pragma once

#include <QPushButton>
#include <QTableView>
#include <array>
#include <vector>

#include "platform/ui/view.h"

class QLabel;
class CLoggerListDoc;
class CLoggerListModel;
class LoggerListHost;

class CLoggerListView : public platform::View {
    Q_OBJECT
public:
    // The view's commands in the order of its side buttons.
    enum Button {
        kAddButton,
        kDeleteButton,
        kCopyButton,
        kPasteButton,
        kUpButton,
        kDownButton,
        kButtonCount
    };

    explicit CLoggerListView(QWidget* parent = nullptr);
    ~CLoggerListView() override;

    void OnInitialUpdate() override;
    void OnUpdate(platform::View* sender, long hint) override;
    void OnActivateView(bool active) override;
    bool OnCommand(unsigned id) override;
    bool OnUpdateCommand(platform::CommandState& state) override;

    QTableView* Grid() const { return grid_; }
    QPushButton* SideButton(Button button) const { return buttons_[button]; }
    // The selected rows, ascending (0-based entry indexes).
    std::vector<int> SelectedRows() const;
    // The cells' clicks: connect (column 0) and configure (column 3).
    void OnClickedButton(int row, int column);
    // A click on the serial number's header.
    void SortBySerial();

private:
    CLoggerListDoc& Document() const;
    LoggerListHost& Host() const;
    // The command of a side button, in the program's numbering.
    unsigned ButtonCommand(int button) const;
    void RefreshButtons();
    void SelectOnly(int row);
    void Changed();
    void Add();
    void Delete();
    void Clear();
    void Copy();
    void Paste();
    void Move(int step);
    void Connect(int row);
    void Configure(int row);

    QTableView* grid_ = nullptr;
    CLoggerListModel* model_ = nullptr;
    std::array<QPushButton*, kButtonCount> buttons_{};
    // Under the buttons where the program only shows lists: why they are greyed.
    QLabel* shown_only_ = nullptr;
};
