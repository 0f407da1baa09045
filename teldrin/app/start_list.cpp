#include "teldrin/app/start_list.h"

#include <QFileDialog>
#include <iostream>

#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "platform/ui/qt_text.h"
#include "teldrin/app/main_frame.h"
#include "teldrin/app/unattended_platform.h"
#include "teldrin/core/teldrin_texts.h"

namespace teldrin {
namespace {

void TellStandardError(const std::string& text) {
    std::cerr << "teldrin: " << platform::Windows1252ToUtf8(text);
    if (text.empty() || text.back() != '\n') {
        std::cerr << '\n';
    }
}

}  // namespace

bool OpenStartList(CMainFrame& frame, QString named, const std::string& loggerListDir) {
    const bool nobodyToAsk = NobodyAtTheScreen();
    if (named.isEmpty() && nobodyToAsk) {
        TellStandardError(TeldrinText(IDS_TELDRIN_NO_LIST_GIVEN));
        return false;
    }
    if (named.isEmpty()) {
        named = QFileDialog::getOpenFileName(&frame, "Teldrin", platform::ToQString(loggerListDir),
                                             "Logger List (*.lst);;All Files (*)");
    }
    // A user who chose no list may still open one from the File menu.
    if (named.isEmpty()) {
        return true;
    }
    const std::filesystem::path path = platform::PathFromQString(named);
    if (frame.OpenList(path)) {
        return true;
    }
    TellStandardError(platform::FillPrintfPlaceholders(TeldrinText(IDS_TELDRIN_CANNOT_OPEN_FILE),
                                                       {platform::PathToWindows1252(path)}));
    return !nobodyToAsk;
}

}  // namespace teldrin
