// CRawDataView: printing the grid with a header and footer line, the page cap, and the page setup.
#include <ctime>

#include "kivo32/views/grid_print_profile.h"
#include "kivo32/views/print_grid_setup_dlg.h"
#include "kivo32/views/print_tokens.h"
#include "kivo32/views/raw_data_view.h"
#include "platform/base/local_time.h"
#include "platform/ui/document.h"
#include "platform/ui/ui_ids.h"
#include "platform/base/message_box_flags.h"

namespace {

// The three cells of a page line with `text` in the cell at `position`.
std::array<std::string, 3> LineCells(const std::string& text, int position) {
    std::array<std::string, 3> cells;
    cells[static_cast<std::size_t>(std::clamp(position, 0, 2))] = text;
    return cells;
}

}  // namespace

bool CRawDataView::OnPreparePrinting(platform::PrintInfo&) {
    const std::tm now = platform::ToLocalTime(std::time(nullptr)).value_or(std::tm{});
    const std::string& title = View::GetDocument()->Title();
    print_properties_.header =
        LineCells(ExpandPrintTokens(title, print_texts_.header, now), print_texts_.headerPosition);
    print_properties_.footer =
        LineCells(ExpandPrintTokens(title, print_texts_.footer, now), print_texts_.footerPosition);
    return true;
}

void CRawDataView::OnBeginPrinting(platform::PagePainter& painter, platform::PrintInfo& info) {
    printer_ = std::make_unique<platform::GridPrinter>(*this, print_properties_);
    printer_->Layout(painter);
    last_page_count_ = printer_->PageCount();
    info.maxPage = last_page_count_;
    info.toPage = std::min(info.toPage, last_page_count_);
}

void CRawDataView::OnPrint(platform::PagePainter& painter, platform::PrintInfo& info) {
    if (printer_ && info.currentPage <= last_page_count_) {
        printer_->PrintPage(painter, info.currentPage);
    }
}

void CRawDataView::OnEndPrinting(platform::PagePainter&, platform::PrintInfo&) {
    printer_.reset();
}

void CRawDataView::OnFilePageSetup() {
    CPrintGridSetupDlg dialog(print_texts_, print_properties_, Printer(), this);
    if (dialog.DoModal() == IDOK) {
        print_texts_ = dialog.GetTexts();
        print_properties_ = dialog.GetProperties();
        if (dialog.SavesDefaults()) {
            SaveGridPrintProfile(print_properties_);
        }
    }
}
