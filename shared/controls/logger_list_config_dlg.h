// CLoggerListConfigDlg: the entry configuration dialog on a list's entries: the connection page and the
// scheduled-calling page of one entry, with Next and Previous to step through the list. OK, Next and
// Previous store the pages into the entry; a field that fails its check keeps the dialog on it.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTabWidget>
#include <ctime>
#include <functional>
#include <memory>

class QDialogButtonBox;
class CLogger;
class CLoggerList;
class CLoggerListConnectTab;
class CLoggerListTeldrinTab;
namespace platform {
class SerialPortSource;
}

// The tab control with the two pages of the entry being edited.
class CLoggerListTabCtrl : public QTabWidget {
    Q_OBJECT
public:
    using PortSourceFactory = std::function<std::unique_ptr<platform::SerialPortSource>()>;
    CLoggerListTabCtrl(PortSourceFactory ports, QWidget* parent = nullptr);

    // Makes both pages anew for `entry` and shows the first.
    void SetLogger(const CLogger& entry);
    // Whether the pages take input, for this entry and the next ones.
    void SetPagesEnabled(bool enabled);
    CLoggerListConnectTab& ConnectPage() const { return *connect_; }
    CLoggerListTeldrinTab& SchedulePage() const { return *schedule_; }

private:
    void LabelScheduleTab(bool on);

    PortSourceFactory ports_;
    bool pages_enabled_ = true;
    CLoggerListConnectTab* connect_ = nullptr;
    CLoggerListTeldrinTab* schedule_ = nullptr;
};

class CLoggerListConfigDlg : public QDialog {
    Q_OBJECT
public:
    // `row` is 1-based. `ports` lists the machine's serial ports (none: udev's); `clock` gives the time the
    // single call's date is reckoned from (none: the system's).
    CLoggerListConfigDlg(CLoggerList& list, int row, QWidget* parent = nullptr,
                         CLoggerListTabCtrl::PortSourceFactory ports = {},
                         std::function<std::time_t()> clock = {});

    int Row() const { return row_; }
    CLoggerListTabCtrl& Tabs() const { return *tabs_; }
    // Whether an entry was stored by Next or Previous (so the list changed even when the dialog ends
    // with Cancel).
    bool ChangedAny() const { return changed_any_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* PreviousButton() const { return previous_; }
    // Shows the entries without changing them: the pages are greyed, Next and Previous only step and
    // Close replaces OK and Cancel.
    void ShowOnly();

    void accept() override;

private:
    // The pages into the current entry; false, with the entry unchanged, when a field fails its check.
    bool StoreEntry();
    void Step(int delta);
    CLogger& Entry() const;

    CLoggerList& list_;
    int row_;
    std::function<std::time_t()> clock_;
    CLoggerListTabCtrl* tabs_;
    QDialogButtonBox* buttons_;
    QPushButton* next_;
    QPushButton* previous_;
    bool changed_any_ = false;
    bool shows_only_ = false;
};
