#include "teldrin/app/about_dlg.h"

#include <sys/sysinfo.h>
#include <QLabel>
#include <QVBoxLayout>
#include <system_error>

#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/common/release_version.h"
#include "shared/controls/dialog_buttons.h"
#include "teldrin/core/teldrin_texts.h"

namespace teldrin {
namespace {

constexpr std::uintmax_t kKilobyte = 1024;

std::string KilobytesText(unsigned textId, std::uintmax_t bytes) {
    return platform::FillPrintfPlaceholders(TeldrinText(textId), {std::to_string(bytes / kKilobyte)});
}

void AddText(QVBoxLayout* layout, int id, const std::string& text, QWidget* parent) {
    auto* label = new QLabel(platform::ToQString(text), parent);
    platform::SetControlId(label, id);
    layout->addWidget(label);
}

}  // namespace

std::string CAboutDlg::FreeSpaceText(std::optional<std::uintmax_t> freeBytes,
                                     const std::filesystem::path& folder) {
    if (!freeBytes) {
        return TeldrinText(IDS_TELDRIN_UNAVAILABLE);
    }
    return platform::FillPrintfPlaceholders(
        TeldrinText(IDS_TELDRIN_FREE_SPACE),
        {std::to_string(*freeBytes / kKilobyte), platform::PathToWindows1252(folder)});
}

CAboutDlg::CAboutDlg(const std::filesystem::path& dataFolder, QWidget* parent) : platform::Dialog(parent) {
    setWindowTitle("Teldrin");
    auto* layout = new QVBoxLayout(this);
    AddText(layout, kProgramVersion, std::string("Teldrin ") + kReleaseVersion, this);
    auto* webLink = new QLabel(QString("<a href=\"%1\">%1</a>").arg(kMakerWebAddress), this);
    webLink->setOpenExternalLinks(true);
    platform::SetControlId(webLink, kWebLink);
    layout->addWidget(webLink);

    struct sysinfo memory {};
    if (::sysinfo(&memory) == 0) {
        AddText(layout, kTotalMemory,
                KilobytesText(IDS_TELDRIN_TOTAL_MEMORY, std::uintmax_t{memory.totalram} * memory.mem_unit),
                this);
        AddText(layout, kAvailableMemory,
                KilobytesText(IDS_TELDRIN_AVAILABLE_MEMORY, std::uintmax_t{memory.freeram} * memory.mem_unit),
                this);
    }
    std::error_code error;
    const std::filesystem::space_info space = std::filesystem::space(dataFolder, error);
    AddText(layout, kFreeSpace,
            FreeSpaceText(error ? std::nullopt : std::optional<std::uintmax_t>(space.available), dataFolder),
            this);
    layout->addWidget(MakeCloseButton(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace teldrin
