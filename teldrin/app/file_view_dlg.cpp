#include "teldrin/app/file_view_dlg.h"

#include <QListWidget>
#include <QMessageBox>
#include <QVBoxLayout>
#include <fstream>
#include <string>

#include "platform/ui/qt_text.h"
#include "teldrin/core/file_log.h"

namespace teldrin {

CFileViewDlg::CFileViewDlg(CTeldrinLogFile& log, bool eventLog, QWidget* parent)
    : QDialog(parent), log_(log), event_log_(eventLog), lines_(new QListWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lines_);
    resize(700, 450);
}

int CFileViewDlg::exec() {
    const std::filesystem::path path = log_.Path();
    const QString shown = platform::PathToQString(path);
    setWindowTitle((event_log_ ? QString("Log File - %1") : QString("Error File - %1")).arg(shown));
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        const QString question = event_log_ ? QString("Event Log file %1 not found.\n\nCreate New file?")
                                            : QString("Error Log file %1 not found.\n\nCreate New file?");
        if (QMessageBox::question(parentWidget(), "Teldrin", question.arg(shown),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) !=
                QMessageBox::Yes ||
            !log_.Clear()) {
            return Rejected;
        }
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        QMessageBox::warning(parentWidget(), "Teldrin", QString("Erreur:Impossible d'ouvrir %1").arg(shown));
        return Rejected;
    }
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines_->addItem(platform::ToQString(line));
    }
    return QDialog::exec();
}

}  // namespace teldrin
