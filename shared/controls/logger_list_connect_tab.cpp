#include "shared/controls/logger_list_connect_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <filesystem>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "platform/io/serial_port_source.h"
#include "platform/ui/control_id.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/shell_helpers.h"
#include "shared/common/message_box.h"
#include "shared/controls/combo_box_port.h"
#include "shared/controls/logger_list_ids.h"
#include "shared/controls/windows1252_validator.h"
#include "shared/link/port_names.h"
#include "shared/loggerlist/baud_table.h"

namespace {

// The parts of IDS_LIST_DIALOG_TEXTS.
enum DialogText { kTitle, kTypeLabel, kNetwork, kModem, kDirect, kBaudLabel, kFolderLabel, kBrowse, kSerial };

QString Labelled(unsigned id) {
    return platform::ToQString(LoadText(id)) + ":";
}

template <class Control>
Control* WithId(Control* control, int id) {
    platform::SetControlId(control, id);
    return control;
}

QLineEdit* TextEdit(QWidget* parent, int id, std::size_t length, const std::string& text) {
    auto* edit = WithId(new QLineEdit(platform::ToQString(text), parent), id);
    edit->setMaxLength(static_cast<int>(length));
    edit->setValidator(new Windows1252Validator(edit));
    return edit;
}

QComboBox* BaudList(QWidget* parent, int id, int count, int selected) {
    auto* list = WithId(new QComboBox(parent), id);
    for (int index = 0; index < count; ++index) {
        list->addItem(QString::number(BaudRateAt(index)));
    }
    list->setCurrentIndex(selected);
    return list;
}

std::string Text(const QLineEdit* edit) {
    return platform::FromQString(edit->text());
}

}  // namespace

CLoggerListConnectTab::CLoggerListConnectTab(const CLogger& entry,
                                             std::unique_ptr<platform::SerialPortSource> ports,
                                             QWidget* parent)
    : QWidget(parent),
      address_(entry.GetPhoneOrAddress()),
      phone_(entry.GetPhoneOrAddress()),
      net_port_(entry.GetNetPort().empty() ? "3001" : entry.GetNetPort()) {
    const std::int16_t type = entry.GetConnectType();
    const int baudIndex = BaudIndexOf(entry.GetBaudRate(), kDirectBaudDefault);
    const int modemIndex = BaudIndexOf(entry.GetBaudRate(), kModemBaudDefault);
    auto* layout = new QGridLayout(this);
    layout->addWidget(WithId(new QLabel(TextPart(IDS_LIST_DIALOG_TEXTS, kSerial) + " " +
                                        platform::ToQString(entry.GetSerial())),
                             IDC_LIST_SERIAL_TEXT),
                      0, 0, 1, 2);
    if (!entry.GetDescription().empty()) {
        layout->addWidget(WithId(new QLabel("[" + platform::ToQString(entry.GetDescription()) + "]"),
                                 IDC_LIST_DESCRIPTION_TEXT),
                          0, 2);
    }
    type_ = WithId(new QComboBox(this), IDC_LIST_TYPE);
    for (const DialogText text : {kNetwork, kModem, kDirect}) {
        type_->addItem(TextPart(IDS_LIST_DIALOG_TEXTS, text));
    }
    layout->addWidget(new QLabel(TextPart(IDS_LIST_DIALOG_TEXTS, kTypeLabel)), 1, 0);
    layout->addWidget(type_, 1, 1, 1, 2);

    field_label_ = WithId(new QLabel(this), IDC_LIST_FIELD_LABEL);
    field_ = TextEdit(this, IDC_LIST_FIELD, CLogger::kAddressLength, "");
    layout->addWidget(field_label_, 2, 0);
    layout->addWidget(field_, 2, 1, 1, 2);

    port_label_ = WithId(new QLabel(this), IDC_LIST_PORT_LABEL);
    port_ = TextEdit(this, IDC_LIST_PORT, CLogger::kNetPortLength, net_port_);
    com_port_ = WithId(new CComboBoxPort(this, std::move(ports)), IDC_LIST_COM_PORT);
    com_port_->FillPortList(IDC_LIST_COM_PORT, true);
    // A port that is not plugged in now stays the entry's port rather than the first one listed.
    const std::string comPort = entry.GetComPort().empty() ? "ttyS0" : entry.GetComPort();
    if (com_port_->FindPortIndex(comPort) < 0) {
        com_port_->addItem(platform::ToQString(comPort));
    }
    com_port_->SelectPortName(comPort);
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(port_);
    portRow->addWidget(com_port_, 1);
    layout->addWidget(port_label_, 3, 0);
    layout->addLayout(portRow, 3, 1, 1, 2);

    baud_label_ = WithId(new QLabel(TextPart(IDS_LIST_DIALOG_TEXTS, kBaudLabel), this), IDC_LIST_BAUD_LABEL);
    direct_baud_ = BaudList(this, IDC_LIST_DIRECT_BAUD, kBaudCount, baudIndex);
    modem_baud_ = BaudList(this, IDC_LIST_MODEM_BAUD, kBaudCount, modemIndex);
    auto* baudRow = new QHBoxLayout;
    baudRow->addWidget(direct_baud_);
    baudRow->addWidget(modem_baud_);
    layout->addWidget(baud_label_, 4, 0);
    layout->addLayout(baudRow, 4, 1, 1, 2);

    folder_ = TextEdit(this, IDC_LIST_FOLDER, CLogger::kDataFolderLength, entry.GetDataFolder());
    auto* browse = WithId(new QPushButton(TextPart(IDS_LIST_DIALOG_TEXTS, kBrowse), this), IDC_LIST_BROWSE);
    layout->addWidget(new QLabel(TextPart(IDS_LIST_DIALOG_TEXTS, kFolderLabel)), 5, 0);
    layout->addWidget(folder_, 5, 1);
    layout->addWidget(browse, 5, 2);
    layout->setRowStretch(6, 1);

    connect(browse, &QPushButton::clicked, this, &CLoggerListConnectTab::Browse);
    connect(folder_, &QLineEdit::editingFinished, this, &CLoggerListConnectTab::CheckFolder);
    connect(type_, qOverload<int>(&QComboBox::currentIndexChanged), this, &CLoggerListConnectTab::Arrange);
    const int typeIndex = type == kConnectDirect  ? kDirectIndex
                          : type == kConnectModem ? kModemIndex
                                                  : kNetworkIndex;
    type_->setCurrentIndex(typeIndex);
    Arrange(typeIndex);
}

void CLoggerListConnectTab::SaveShownFields() {
    if (shown_type_ == kNetworkIndex) {
        address_ = Text(field_);
        net_port_ = Text(port_);
    } else if (shown_type_ == kModemIndex) {
        phone_ = Text(field_);
    }
}

void CLoggerListConnectTab::Arrange(int type) {
    SaveShownFields();
    if (type == shown_type_) {
        return;
    }
    const bool network = type == kNetworkIndex;
    const bool modem = type == kModemIndex;
    const bool direct = type == kDirectIndex;
    field_label_->setVisible(!direct);
    field_->setVisible(!direct);
    if (network) {
        field_label_->setText(Labelled(IDS_LIST_IP_ADDRESS));
        field_->setText(platform::ToQString(address_));
        port_label_->setText(Labelled(IDS_LIST_NET_PORT));
    } else if (modem) {
        field_label_->setText(Labelled(IDS_LIST_PHONE));
        field_->setText(platform::ToQString(phone_));
    } else {
        port_label_->setText(Labelled(IDS_LIST_COM_PORT));
    }
    port_label_->setVisible(!modem);
    port_->setVisible(network);
    port_->setText(platform::ToQString(net_port_));
    com_port_->setVisible(direct);
    com_port_->setEnabled(direct);
    baud_label_->setVisible(!network);
    direct_baud_->setVisible(direct);
    direct_baud_->setEnabled(direct);
    modem_baud_->setVisible(modem);
    modem_baud_->setEnabled(modem);
    shown_type_ = type;
}

std::int16_t CLoggerListConnectTab::GetConnectType() const {
    switch (type_->currentIndex()) {
        case kDirectIndex:
            return kConnectDirect;
        case kModemIndex:
            return kConnectModem;
        default:
            return kConnectNetwork;
    }
}

std::int32_t CLoggerListConnectTab::GetBaudRate() const {
    switch (type_->currentIndex()) {
        case kDirectIndex:
            return BaudRateAt(direct_baud_->currentIndex());
        case kModemIndex:
            return BaudRateAt(modem_baud_->currentIndex());
        default:
            return BaudRateAt(kDirectBaudDefault);
    }
}

std::string CLoggerListConnectTab::GetDataFolder() const {
    return Text(folder_);
}

std::string CLoggerListConnectTab::GetComPort() const {
    return ExtractPortName(platform::FromQString(com_port_->currentText()));
}

std::string CLoggerListConnectTab::GetPhoneNumber() const {
    return shown_type_ == kModemIndex ? Text(field_) : phone_;
}

std::string CLoggerListConnectTab::GetIPAddress() const {
    return shown_type_ == kNetworkIndex ? Text(field_) : address_;
}

std::string CLoggerListConnectTab::GetIPPort() const {
    return shown_type_ == kNetworkIndex ? Text(port_) : net_port_;
}

void CLoggerListConnectTab::Browse() {
    std::filesystem::path start =
        platform::PathFromQString(folder_->text().isEmpty() ? "/" : folder_->text());
    std::filesystem::path chosen;
    if (!BrowseForFolder(start, chosen, LoadText(IDS_LIST_BROWSE_TITLE))) {
        return;
    }
    if (std::filesystem::is_directory(chosen)) {
        folder_->setText(platform::PathToQString(chosen));
        return;
    }
    CMessageBoxTexts box;
    box.prompt = platform::FillPrintfPlaceholders(
        "%s: %s.", {LoadText(IDS_LIST_NOT_A_FOLDER), platform::PathToWindows1252(chosen)});
    box.type = MB_OK | MB_ICONEXCLAMATION;
    box.caption = platform::FillPrintfPlaceholders("%s %s", {"KIVO", LoadText(IDS_LIST_ERROR)});
    ShowMessageBox(box);
}

void CLoggerListConnectTab::CheckFolder() {
    std::error_code error;
    if (!std::filesystem::exists(platform::PathFromQString(folder_->text()), error)) {
        platform::CurrentDesktopServices().Beep();
        Browse();
    }
}
