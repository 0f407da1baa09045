// CCOMPortPrefsDlg: the port preferences: the known and present ports in the order the port lists offer
// them, each checked (offered) or not (hidden), and device paths typed in; OK stores them as the
// known-port list.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "platform/io/serial_port_source.h"
#include "platform/ui/dialog.h"
#include "shared/link/com_port_prefs.h"

class CCOMPortPrefsDlg : public platform::Dialog {
    Q_OBJECT

public:
    // The tool tips of this dialog come quicker than the program's others.
    static constexpr int kToolTipDelayMs = 250;

    // `source` lists the ports present (none: the ports udev knows); item `selection` is selected first.
    explicit CCOMPortPrefsDlg(QWidget* parent = nullptr,
                              std::unique_ptr<platform::SerialPortSource> source = {}, int selection = 0);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    // Shows the items of the preferences with `selection` selected.
    void ShowItems(int selection);
    void UpdateButtons();
    int Selection() const { return list_->currentRow(); }

    std::unique_ptr<platform::SerialPortSource> source_;
    CCOMPortPrefs prefs_;
    int initial_selection_;
    QListWidget* list_;
    QPushButton* up_;
    QPushButton* down_;
    QPushButton* remove_;
    QPushButton* help_;
    QLineEdit* path_;
    QPushButton* add_;
};
