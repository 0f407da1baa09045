#include "teldrin/app/start_list.h"

#include <QFileDialog>
#include <iostream>

#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "platform/ui/qt_text.h"
#include "teldrin/app/main_frame.h"
#include "teldrin/core/teldrin_texts.h"

namespace teldrin {
namespace {

void TellStandardError(const std::string& text) {
    std::cerr << "teldrin: " << platform::Windows1252ToUtf8(text);
    if (text.empty() || text.back() != '\n') {
        std::cerr << '\n';
    }
}

// The list the user picks; empty when none. `ended` tells whether the program was ended meanwhile: a
// service manager's stop must not wait for an answer nobody may give.
QString AskForList(CMainFrame& frame, const std::string& loggerListDir, bool& ended) {
    QFileDialog dialog(&frame, "Teldrin", platform::ToQString(loggerListDir),
                       "Logger List (*.lst);;All Files (*)");
    dialog.setFileMode(QFileDialog::ExistingFile);
    QObject::connect(&frame, &CMainFrame::ReadyToQuit, &dialog, [&dialog, &ended] {
        ended = true;
        dialog.reject();
    });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

}  // namespace

StartListOutcome OpenStartList(CMainFrame& frame, QString named, const std::string& loggerListDir,
                               bool someoneAtTheScreen) {
    if (named.isEmpty() && !someoneAtTheScreen) {
        TellStandardError(TeldrinText(IDS_TELDRIN_NO_LIST_GIVEN));
        return StartListOutcome::kNoList;
    }
    if (named.isEmpty()) {
        bool ended = false;
        named = AskForList(frame, loggerListDir, ended);
        if (ended) {
            return StartListOutcome::kEnded;
        }
    }
    // A user who chose no list may still open one from the File menu.
    if (named.isEmpty()) {
        return StartListOutcome::kRun;
    }
    const std::filesystem::path path = platform::PathFromQString(named);
    if (frame.OpenList(path)) {
        return StartListOutcome::kRun;
    }
    TellStandardError(platform::FillPrintfPlaceholders(TeldrinText(IDS_TELDRIN_CANNOT_OPEN_FILE),
                                                       {platform::PathToWindows1252(path)}));
    return someoneAtTheScreen ? StartListOutcome::kRun : StartListOutcome::kNoList;
}

}  // namespace teldrin
