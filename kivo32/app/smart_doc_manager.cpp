// kivo32's document manager.
#include "kivo32/app/smart_doc_manager.h"

#include "kivo32/app/command_ids.h"
#include "kivo32/app/smart_mdi_template.h"
#include "kivo32/dialogs/dialogs_ids.h"
#include "kivo32/dialogs/get_doc_type_dlg.h"
#include "kivo32/views/raw_data_graph_template.h"
#include "kivo32/views/raw_data_template.h"
#include "kivo32/views/raw_data_view.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/ui_broker.h"
#include "platform/base/window_messages.h"
#include "platform/ui/application.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"

namespace {

void ReportNoTemplates(unsigned messageId) {
    Trace("Error: no document templates registered with CWinApp.\n");
    platform::CurrentUiBroker().MessageBox(LoadText(messageId), {}, MB_OK | MB_ICONEXCLAMATION);
}

// The kind that opens `path`: the one chosen, unless the name's extension belongs to another kind (a
// setup table named where a data file was chosen), which the chosen kind could not read.
platform::DocTemplate& KindOfFile(platform::DocTemplate& chosen,
                                  const std::vector<platform::DocTemplate*>& kinds,
                                  const std::filesystem::path& path) {
    platform::Document* open = nullptr;
    if (chosen.MatchDocType(path, open) != platform::DocTemplate::Match::Maybe) {
        return chosen;
    }
    for (platform::DocTemplate* kind : kinds) {
        if (kind->MatchDocType(path, open) != platform::DocTemplate::Match::Maybe) {
            return *kind;
        }
    }
    return chosen;
}

}  // namespace

CSmartDocManager::CSmartDocManager(std::function<bool()> isSetupRead, CGraphObjectAttributes& graphAttributes)
    : is_setup_read_(std::move(isSetupRead)), graph_attributes_(graphAttributes) {}

platform::DocTemplate* CSmartDocManager::FindTemplate(unsigned id) const {
    for (platform::DocTemplate* docTemplate : Templates()) {
        if (docTemplate->Id() == id) {
            return docTemplate;
        }
    }
    return nullptr;
}

platform::DocTemplate* CSmartDocManager::ChooseTemplate(bool newDocument) {
    const auto choices = CGetDocTypeDlg::Choices(Templates(), newDocument);
    if (choices.empty()) {
        Trace("Error: no document templates to select from!\n");
        return nullptr;
    }
    if (choices.size() == 1) {
        return choices.front();
    }
    CGetDocTypeDlg dialog(choices, newDocument, GetMainFrame());
    const int answer =
        platform::CurrentUiBroker().RunDialog("CGetDocTypeDlg", [&dialog] { return dialog.DoModal(); });
    return answer == IDOK ? dialog.ChosenTemplate() : nullptr;
}

void CSmartDocManager::OnFileNew() {
    if (Templates().empty()) {
        ReportNoTemplates(AFX_IDP_FAILED_TO_CREATE_DOC);
        return;
    }
    platform::DocTemplate* chosen = nullptr;
    if (is_setup_read_ && is_setup_read_()) {
        chosen = FindTemplate(kSetupTableTemplateId);
    } else if (Templates().size() > 1) {
        chosen = ChooseTemplate(true);
    } else {
        chosen = Templates().front();
    }
    if (chosen == nullptr) {
        return;
    }
    if (chosen->Id() == kRawDataTemplateId) {
        if (platform::MainFrame* frame = GetMainFrame()) {
            frame->Target()->PostMessage(platform::Message(WM_COMMAND, ID_LOGGER_DOWNLOAD));
        }
    } else if (chosen->Id() == kRawDataGraphTemplateId) {
        OpenGraphRangeDialog();
    } else {
        chosen->OpenDocumentFile({});
    }
}

void CSmartDocManager::OpenGraphRangeDialog() {
    if (auto* grid = dynamic_cast<CRawDataView*>(platform::GetActiveView(GetMainFrame()))) {
        grid->OpenGraphRangeDialog(graph_attributes_);
    } else {
        ShowMessageBoxId(IDP_GRAPH_NOT_MADE, MB_OK | MB_ICONEXCLAMATION, true);
    }
}

void CSmartDocManager::OnFileOpen() {
    if (Templates().empty()) {
        ReportNoTemplates(AFX_IDP_FAILED_TO_OPEN_DOC);
        return;
    }
    platform::DocTemplate* chosen = Templates().size() > 1 ? ChooseTemplate(false) : Templates().front();
    if (chosen == nullptr) {
        return;
    }
    if (const auto path =
            DoPromptFileName({}, IDS_FILE_OPEN_TITLE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, true, chosen)) {
        OpenDocumentWith(KindOfFile(*chosen, Templates(), *path), *path);
    }
}

void CSmartDocManager::OnFileNewSetupTable() {
    if (platform::DocTemplate* setupTables = FindTemplate(kSetupTableTemplateId)) {
        setupTables->OpenDocumentFile({});
    }
}

std::optional<std::filesystem::path> CSmartDocManager::DoPromptFileName(const std::filesystem::path& proposed,
                                                                        unsigned titleId, unsigned flags,
                                                                        bool open,
                                                                        platform::DocTemplate* docTemplate) {
    auto chosen = platform::DocManager::DoPromptFileName(proposed, titleId, flags, open, docTemplate);
    if (chosen && docTemplate != nullptr) {
        docTemplate->SetInitialFolder(chosen->parent_path());
    }
    return chosen;
}
