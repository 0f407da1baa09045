// The choice of the kind of document for File New and File Open.
#include "kivo32/dialogs/get_doc_type_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <string>

#include "kivo32/dialogs/dialogs_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/application.h"
#include "platform/ui/control_id.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

namespace {

// Kinds that open only from the views of an open data file, never by File New or File Open.
constexpr std::array<const char*, 4> kNeverListed = {"Load Profile", "Analysis Graph",
                                                     "Daily Profile Data Type", "Daily Profile Graph Type"};
constexpr const char* kGraphKind = "Graph File";
// Where the dialog sits from the top-left corner of the main frame's client area.
constexpr int kOffsetFromClientArea = 15;

}  // namespace

std::vector<platform::DocTemplate*> CGetDocTypeDlg::Choices(
    const std::vector<platform::DocTemplate*>& templates, bool newDocument) {
    std::vector<platform::DocTemplate*> choices;
    for (platform::DocTemplate* docTemplate : templates) {
        const std::string name = docTemplate->GetDocString(platform::DocTemplate::fileNewName);
        if (name.empty() || std::find(kNeverListed.begin(), kNeverListed.end(), name) != kNeverListed.end()) {
            continue;
        }
        const bool hasFileType = !docTemplate->GetDocString(platform::DocTemplate::filterExt).empty();
        if (name == kGraphKind && hasFileType == newDocument) {
            continue;
        }
        choices.push_back(docTemplate);
    }
    return choices;
}

CGetDocTypeDlg::CGetDocTypeDlg(std::vector<platform::DocTemplate*> choices, bool newDocument, QWidget* parent)
    : platform::Dialog(parent),
      choices_(std::move(choices)),
      chosen_(choices_.empty() ? nullptr : choices_.front()),
      list_(new QListWidget(this)) {
    const std::string title = LoadText(newDocument ? IDS_FILE_NEW_TITLE : IDS_FILE_OPEN_TITLE);
    setWindowTitle(platform::ToQString(title));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(platform::ToQString("&" + title), this);
    label->setBuddy(list_);
    platform::SetControlId(label, IDC_DOC_TYPE_LABEL);
    layout->addWidget(label);
    platform::SetControlId(list_, IDC_DOC_TYPE_LIST);
    layout->addWidget(list_);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
    layout->addWidget(MakeOkCancelButtons(this));
}

bool CGetDocTypeDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    for (platform::DocTemplate* docTemplate : choices_) {
        list_->addItem(platform::ToQString(docTemplate->GetDocString(platform::DocTemplate::fileNewName)));
    }
    list_->setCurrentRow(0);
    const platform::Application* application = platform::Application::Instance();
    if (const platform::MainFrame* frame = application != nullptr ? application->GetMainWindow() : nullptr) {
        const QWidget* clientArea = frame->MdiArea();
        move(clientArea->mapToGlobal(QPoint(kOffsetFromClientArea, kOffsetFromClientArea)));
    }
    return true;
}

void CGetDocTypeDlg::OnOK() {
    const int row = list_->currentRow();
    if (row >= 0 && static_cast<std::size_t>(row) < choices_.size()) {
        chosen_ = choices_[static_cast<std::size_t>(row)];
    }
    platform::Dialog::OnOK();
}
