// CSetupTableView: the firmware-level check, the setup check and the print-out of the setup view.
#include "kivo32/setupeditor/setup_table_view.h"

#include <ctime>

#include "kivo32/setupeditor/setup_page_plan.h"
#include "kivo32/setupeditor/setupeditor_ids.h"
#include "kivo32/setupeditor/sut_doc.h"
#include "platform/base/local_time.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "shared/datafile/raw_data.h"
#include "shared/setup/firmware_level.h"

namespace {

// The six fields of a start or stop time as the form shows them: month, day, two-digit year, hour,
// minute, second.
std::array<std::string, 6> DateTimeFields(std::time_t time) {
    const std::optional<std::tm> local = platform::ToLocalTime(time);
    if (!local) {
        return {};
    }
    const auto field = [](int value) { return platform::StringPrintf("%02d", value); };
    return {field(local->tm_mon + 1), field(local->tm_mday), field(local->tm_year % 100),
            field(local->tm_hour),    field(local->tm_min),  field(local->tm_sec)};
}

}  // namespace

CSetupTableView::CSetupTableView(QWidget* parent) : platform::View(parent) {}

CSUTDoc* CSetupTableView::GetDocument() const {
    return dynamic_cast<CSUTDoc*>(platform::View::GetDocument());
}

void CSetupTableView::OnInitialUpdate() {
    firmware_level_ = CheckFirmwareLevel();
    platform::View::OnInitialUpdate();
}

int CSetupTableView::CheckFirmwareLevel() const {
    const CSUTDoc* document = GetDocument();
    return ::CheckFirmwareLevel(document->GetFileHeader().GetVersion(),
                                document->GetSetupTable().GetHeader());
}

bool CSetupTableView::ValidateSetup(bool, bool) {
    return true;
}

bool CSetupTableView::OnPreparePrinting(platform::PrintInfo&) {
    // The form's values go into the table first; a doubtful setup still prints.
    GetDocument()->ValidateWiring(false);
    return true;
}

void CSetupTableView::OnBeginPrinting(platform::PagePainter& painter, platform::PrintInfo& info) {
    const platform::PrintFont previous = painter.SelectFont(SetupPrintOut::kRegularFont);
    const int lineHeight = painter.TextHeight();
    const int pageHeight = lineHeight > 0 ? painter.DrawingRect().Height() / lineHeight * lineHeight : 0;
    print_pages_ = PlanSetupPages(GetDocument()->GetSetupTable(), lineHeight, pageHeight);
    print_position_ = {4 * painter.AverageCharWidth(), 0};
    painter.SelectFont(previous);
    info.maxPage = static_cast<int>(print_pages_.size());
    info.toPage = std::min(info.toPage, info.maxPage);
}

void CSetupTableView::OnPrint(platform::PagePainter& painter, platform::PrintInfo& info) {
    if (info.currentPage < 1 || info.currentPage > static_cast<int>(print_pages_.size())) {
        return;
    }
    const CSetupTable& table = GetDocument()->GetSetupTable();
    print_position_.y = 0;
    // The items restore the page's font after their labelled lines and print their notes in it.
    const platform::PrintFont previous = painter.SelectFont(SetupPrintOut::kRegularFont);
    SetupPrintOut printOut(painter, print_position_, table.GetModelCode(), GetPrintSettings());
    for (const int item : print_pages_[static_cast<std::size_t>(info.currentPage - 1)]) {
        table.DescribeItem(printOut, item);
    }
    painter.SelectFont(previous);
}

void CSetupTableView::OnEndPrinting(platform::PagePainter&, platform::PrintInfo&) {
    print_pages_.clear();
}

SetupViewSettings CSetupTableView::GetPrintSettings() const {
    const CSUTDoc* document = GetDocument();
    const CSetupTable& table = document->GetSetupTable();
    const CSUTExtendedData& extended = table.GetExtendedData();
    SetupViewSettings settings;
    settings.documentTitle = document->Title();
    settings.intervalText = CRawData::FormatIntervalCode(table.GetHeader().GetIntervalCode());
    settings.startAtOnce = extended.GetStartTime() == 0;
    if (!settings.startAtOnce) {
        settings.startFields = DateTimeFields(extended.GetStartTime());
    }
    settings.noStopTime = extended.GetStopTime() == 0;
    if (!settings.noStopTime) {
        settings.stopFields = DateTimeFields(extended.GetStopTime());
    }
    const bool ring = (table.GetHeader().GetOptionByte() & CSUTHeader::kOptionRingMemory) != 0;
    settings.memoryModeText = LoadText(ring ? IDS_PRINT_MEMORY_RING : IDS_PRINT_MEMORY_LINEAR);
    settings.demandWindowText = platform::FormatLoadedText(
        IDS_PRINT_MINUTES, {std::to_string(static_cast<int>(extended.GetDemandWindow()))});
    return settings;
}
