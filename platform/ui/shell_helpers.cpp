// The program-wide helpers that show a window: folder browsing, a window's image on the clipboard,
// the program's PDF help, a written file in its viewer, folder copies with a report.
#include "platform/ui/shell_helpers.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QPixmap>
#include <system_error>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/system_error_text.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/base/windows1252.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_ids.h"

namespace {

constexpr const char* kPdfReaderPage = "https://pdfreaders.org/";

constexpr int kImageFailed = -5;

void Tell(const std::string& text, const std::string& caption = {}) {
    platform::CurrentUiBroker().MessageBox(text, caption, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

bool BrowseForFolder(std::filesystem::path& startFolder, std::filesystem::path& chosen,
                     const std::string& title) {
    if (startFolder.empty()) {
        startFolder = platform::PathFromQString(QDir::homePath());
    }
    QString folder;
    platform::CurrentUiBroker().RunDialog("BrowseForFolder", [&] {
        folder = QFileDialog::getExistingDirectory(nullptr, platform::ToQString(title),
                                                   platform::PathToQString(startFolder));
        return 0;
    });
    if (folder.isEmpty()) {
        return false;
    }
    chosen = platform::PathFromQString(folder);
    return true;
}

int CopyWindowToClipboard(QWidget* window) {
    const QPixmap image = window != nullptr ? window->grab() : QPixmap();
    if (image.isNull()) {
        Tell(LoadText(IDS_WINDOW_IMAGE_FAILED));
        return kImageFailed;
    }
    QApplication::clipboard()->setPixmap(image);
    return 1;
}

void OpenProgramPdf(const std::filesystem::path& programFolder, const std::string& fileName) {
    const std::filesystem::path path = programFolder / fileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        Tell(platform::StringPrintf("%s:\n\n    %s.\n\n", LoadText(IDS_PDF_OPEN_FAILED).c_str(),
                                    platform::PathToWindows1252(path).c_str()) +
                 LoadText(IDS_PDF_FILE_NOT_FOUND),
             LoadText(IDS_PDF_OPEN_CAPTION));
    } else if (!platform::CurrentDesktopServices().OpenPath(path)) {
        Tell(LoadText(IDS_PDF_READER_MISSING) + ":\n\n    " + kPdfReaderPage + ".",
             LoadText(IDS_PDF_OPEN_CAPTION));
    }
}

void OpenWrittenFile(const std::filesystem::path& path, unsigned writtenToId) {
    if (platform::CurrentDesktopServices().OpenPath(path)) {
        return;
    }
    std::error_code error;
    const std::filesystem::path fullPath = std::filesystem::absolute(path, error);
    Tell(platform::FormatLoadedText(writtenToId, {platform::PathToWindows1252(error ? path : fullPath)}));
}

bool CopyFolderWithReport(const std::vector<std::filesystem::path>& sources,
                          const std::filesystem::path& target, bool keepExisting) {
    const auto options = std::filesystem::copy_options::recursive |
                         (keepExisting ? std::filesystem::copy_options::skip_existing
                                       : std::filesystem::copy_options::overwrite_existing);
    std::error_code error;
    std::filesystem::create_directories(target, error);
    for (const auto& source : sources) {
        if (error) {
            break;
        }
        std::filesystem::copy(source, target / source.filename(), options, error);
    }
    if (!error) {
        return true;
    }
    std::string text = platform::StringPrintf("Error 0x%02x: ", static_cast<unsigned>(error.value())) +
                       SystemErrorText(error.value());
    for (const auto& source : sources) {
        text += "\r\n" + platform::Utf8ToWindows1252(source.string());
    }
    Tell(text);
    return false;
}
