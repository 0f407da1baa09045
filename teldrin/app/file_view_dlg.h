// CFileViewDlg: one of teldrin's logs, line by line. A log that does not exist yet is made on request.
#pragma once

#include <QDialog>

class QListWidget;

namespace teldrin {

class CTeldrinLogFile;

class CFileViewDlg : public QDialog {
    Q_OBJECT
public:
    // `eventLog`: the event log's titles, else the error log's.
    CFileViewDlg(CTeldrinLogFile& log, bool eventLog, QWidget* parent = nullptr);
    // Asks to create a missing log, then shows it; Cancel when it is missing and not made or unreadable.
    int exec() override;

private:
    CTeldrinLogFile& log_;
    bool event_log_;
    QListWidget* lines_;
};

}  // namespace teldrin
