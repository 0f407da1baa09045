// CAnalysisValueDlg: the analysis values of the selected channel and their text report.
#include "kivo32/loadprofile/analysis_value_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <algorithm>

#include "kivo32/loadprofile/load_profile_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "platform/ui/control_id.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box.h"

namespace {

// The width of a box that shows its whole text: the text, the margins Qt keeps around it and the frame
// the style draws.
int WidthShowingWhole(const QLineEdit& line) {
    constexpr int kQtTextMargins = 2 * 2;
    const QFontMetrics metrics = line.fontMetrics();
    const QMargins margins = line.textMargins();
    const QSize text(
        metrics.horizontalAdvance(line.text()) + kQtTextMargins + margins.left() + margins.right() + 1,
        metrics.height());
    QStyleOptionFrame option;
    option.initFrom(&line);
    option.lineWidth =
        line.hasFrame() ? line.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &line) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    return line.style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, &line).width();
}

}  // namespace

CAnalysisValueDlg::CAnalysisValueDlg(std::filesystem::path dataFile, QWidget* parent)
    : QDialog(parent),
      data_file_(std::move(dataFile)),
      heading_(new QLabel(this)),
      report_(new QPushButton(this)) {
    platform::SetControlId(this, IDC_ANALYSIS_DIALOG);
    auto* layout = new QVBoxLayout(this);
    platform::SetControlId(heading_, IDC_ANALYSIS_HEADING);
    layout->addWidget(heading_);
    heading_->hide();
    for (std::size_t index = 0; index < lines_.size(); ++index) {
        lines_[index] = new QLineEdit(this);
        lines_[index]->setReadOnly(true);
        platform::SetControlId(lines_[index], IDC_ANALYSIS_FIRST_VALUE + static_cast<int>(index));
        layout->addWidget(lines_[index]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    report_->setText(platform::ToQString(LoadText(IDS_LP_REPORT_BUTTON)));
    platform::SetControlId(report_, IDC_ANALYSIS_REPORT);
    buttons->addButton(report_, QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(report_, &QPushButton::clicked, this, [this] { OnReport(); });
}

void CAnalysisValueDlg::SetAnalysisValues(const AnalysisValueRecord& record) {
    record_ = record;
    display_ = AnalysisDisplayTexts(record);
    setWindowTitle(platform::ToQString(display_.title));
    heading_->setText(platform::ToQString(display_.heading));
    heading_->setVisible(!display_.heading.empty());
    int widest = 0;
    for (std::size_t index = 0; index < lines_.size(); ++index) {
        QLineEdit* line = lines_[index];
        line->setText(platform::ToQString(display_.lines[index]));
        // A text wider than the box would show its end, cutting the value's first digits: the box shows
        // the text from its start, and is made wide enough for the whole of it.
        line->setCursorPosition(0);
        widest = std::max(widest, WidthShowingWhole(*line));
        // Only the lines the kind fills show: one value, or as many ranked values as there are.
        line->setVisible(!display_.lines[index].empty());
    }
    for (QLineEdit* line : lines_) {
        line->setMinimumWidth(widest);
    }
}

bool CAnalysisValueDlg::OnReport() {
    const std::filesystem::path report = AnalysisReportPath(data_file_);
    const std::string shownPath = platform::Utf8ToWindows1252(report.string());
    if (!AppendAnalysisReport(report, record_)) {
        ShowMessageBox(platform::FormatLoadedText(IDS_LP_FILE_IN_USE, {shownPath}),
                       MB_OK | MB_ICONEXCLAMATION, true);
        return false;
    }
    if (!platform::CurrentDesktopServices().OpenPath(report)) {
        ShowMessageBox(platform::FormatLoadedText(IDS_LP_VIEWER_FAILED, {shownPath}),
                       MB_OK | MB_ICONEXCLAMATION, true);
        return false;
    }
    return true;
}
