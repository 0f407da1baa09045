#include "shared/controls/logger_list_config_dlg.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/io/serial_port_source.h"
#include "platform/ui/control_id.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box.h"
#include "shared/controls/logger_list_connect_tab.h"
#include "shared/controls/logger_list_ids.h"
#include "shared/controls/logger_list_teldrin_tab.h"
#include "shared/controls/windows1252_validator.h"
#include "shared/loggerlist/logger_list.h"

namespace {

enum DialogText { kTitle = 0, kNext = 9, kPrevious = 10 };

unsigned FaultMessage(ScheduleFault::Kind kind) {
    switch (kind) {
        case ScheduleFault::kMonth:
        case ScheduleFault::kDayNotInMonth:
            return IDS_LIST_BAD_DATE;
        case ScheduleFault::kZeroInterval:
            return IDS_LIST_BAD_INTERVAL;
        default:
            return IDS_LIST_BAD_TIME;
    }
}

bool ValidNetPort(const std::string& text) {
    bool ok = false;
    const int port = QString::fromStdString(text).toInt(&ok);
    return ok && port >= 1 && port <= 65535;
}

}  // namespace

CLoggerListTabCtrl::CLoggerListTabCtrl(PortSourceFactory ports, QWidget* parent)
    : QTabWidget(parent), ports_(std::move(ports)) {
    platform::SetControlId(this, IDC_LIST_TABS);
}

void CLoggerListTabCtrl::SetLogger(const CLogger& entry) {
    while (count() > 0) {
        QWidget* page = widget(0);
        removeTab(0);
        delete page;
    }
    connect_ = new CLoggerListConnectTab(entry, ports_ ? ports_() : nullptr, this);
    schedule_ = new CLoggerListTeldrinTab(entry, this);
    addTab(connect_, platform::ToQString(LoadText(IDS_LIST_CONNECT_TAB)));
    addTab(schedule_, QString());
    LabelScheduleTab(entry.IsScheduleOn());
    connect(schedule_, &CLoggerListTeldrinTab::ScheduleSwitched, this, &CLoggerListTabCtrl::LabelScheduleTab);
    SetPagesEnabled(pages_enabled_);
    setCurrentIndex(0);
}

void CLoggerListTabCtrl::SetPagesEnabled(bool enabled) {
    pages_enabled_ = enabled;
    // The pages, not the tabs: both stay reachable.
    connect_->setEnabled(enabled);
    schedule_->setEnabled(enabled);
}

void CLoggerListTabCtrl::LabelScheduleTab(bool on) {
    setTabText(
        1, "Teldrin - " + platform::ToQString(LoadText(on ? IDS_LIST_SCHEDULE_ON : IDS_LIST_SCHEDULE_OFF)));
}

CLoggerListConfigDlg::CLoggerListConfigDlg(CLoggerList& list, int row, QWidget* parent,
                                           CLoggerListTabCtrl::PortSourceFactory ports,
                                           std::function<std::time_t()> clock)
    : QDialog(parent), list_(list), row_(row), clock_(std::move(clock)) {
    if (!clock_) {
        clock_ = [] { return std::time(nullptr); };
    }
    setWindowTitle(TextPart(IDS_LIST_DIALOG_TEXTS, kTitle));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new CLoggerListTabCtrl(std::move(ports), this);
    layout->addWidget(tabs_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    previous_ = buttons_->addButton(TextPart(IDS_LIST_DIALOG_TEXTS, kPrevious), QDialogButtonBox::ActionRole);
    next_ = buttons_->addButton(TextPart(IDS_LIST_DIALOG_TEXTS, kNext), QDialogButtonBox::ActionRole);
    platform::SetControlId(previous_, IDC_LIST_PREVIOUS);
    platform::SetControlId(next_, IDC_LIST_NEXT);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(next_, &QPushButton::clicked, this, [this] { Step(1); });
    connect(previous_, &QPushButton::clicked, this, [this] { Step(-1); });
    tabs_->SetLogger(Entry());
}

CLogger& CLoggerListConfigDlg::Entry() const {
    return list_.GetLogger(static_cast<std::size_t>(row_ - 1));
}

bool CLoggerListConfigDlg::StoreEntry() {
    const CLoggerListConnectTab& connection = tabs_->ConnectPage();
    const std::int16_t type = connection.GetConnectType();
    if (type == kConnectNetwork && !ValidNetPort(connection.GetIPPort())) {
        tabs_->setCurrentIndex(0);
        ShowMessageBoxId(IDS_LIST_BAD_NET_PORT, MB_OK | MB_ICONEXCLAMATION, true);
        return false;
    }
    if (const auto fault = tabs_->SchedulePage().UpdateSchedule(clock_())) {
        tabs_->setCurrentIndex(1);
        ShowMessageBoxId(FaultMessage(fault->kind), MB_OK | MB_ICONEXCLAMATION, true);
        return false;
    }
    CLogger& entry = Entry();
    // The block holds the one-byte copy of the connection type: the type set below stays in both.
    entry.SetScheduleBlock(tabs_->SchedulePage().GetScheduleBlock());
    entry.SetConnectType(type);
    entry.SetBaudRate(connection.GetBaudRate());
    entry.SetDataFolder(connection.GetDataFolder());
    entry.SetScheduleOn(tabs_->SchedulePage().IsScheduleOn());
    if (type == kConnectDirect) {
        entry.SetComPort(connection.GetComPort());
    } else if (type == kConnectModem) {
        entry.SetPhoneOrAddress(connection.GetPhoneNumber());
    } else {
        entry.SetPhoneOrAddress(connection.GetIPAddress());
        entry.SetNetPort(connection.GetIPPort());
    }
    return true;
}

void CLoggerListConfigDlg::ShowOnly() {
    shows_only_ = true;
    tabs_->SetPagesEnabled(false);
    buttons_->setStandardButtons(QDialogButtonBox::Close);
}

void CLoggerListConfigDlg::accept() {
    if (shows_only_) {
        QDialog::reject();
    } else if (StoreEntry()) {
        QDialog::accept();
    }
}

void CLoggerListConfigDlg::Step(int delta) {
    const int row = row_ + delta;
    if (row < 1 || row > static_cast<int>(list_.GetCount())) {
        platform::CurrentDesktopServices().Beep();
        return;
    }
    if (!shows_only_) {
        // The entry left keeps what its pages hold, as OK would store it.
        if (!StoreEntry()) {
            return;
        }
        changed_any_ = true;
    }
    row_ = row;
    tabs_->SetLogger(Entry());
}
