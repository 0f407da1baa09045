// The document manager: the templates, File New and File Open, the recent-file list, and finding a
// document by its file.
#include "platform/ui/doc_manager.h"

#include <QMdiArea>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/document.h"
#include "platform/ui/ui_ids.h"

namespace platform {
namespace {

void ShowFrameworkMessage(unsigned id) {
    CurrentUiBroker().MessageBox(LoadText(id), {}, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

DocManager::DocManager() = default;

DocManager::~DocManager() {
    // Documents close before their templates go.
    CloseAllDocuments();
}

DocTemplate* DocManager::AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate) {
    docTemplate->manager_ = this;
    templates_.push_back(std::move(docTemplate));
    return templates_.back().get();
}

std::vector<DocTemplate*> DocManager::Templates() const {
    std::vector<DocTemplate*> templates;
    for (const auto& docTemplate : templates_) {
        templates.push_back(docTemplate.get());
    }
    return templates;
}

namespace {

void ActivateDocument(Document& document) {
    if (!document.Frames().empty()) {
        ChildFrame* frame = document.Frames().front();
        if (QMdiArea* area = frame->mdiArea()) {
            area->setActiveSubWindow(frame);
        }
    }
}

}  // namespace

Document* DocManager::OpenDocumentFile(const std::filesystem::path& path) {
    DocTemplate* best = nullptr;
    auto bestMatch = DocTemplate::Match::Maybe;
    for (const auto& docTemplate : templates_) {
        Document* open = nullptr;
        const auto match = docTemplate->MatchDocType(path, open);
        if (match == DocTemplate::Match::AlreadyOpen) {
            ActivateDocument(*open);
            return open;
        }
        if (best == nullptr || match > bestMatch) {
            best = docTemplate.get();
            bestMatch = match;
        }
    }
    return best != nullptr ? best->OpenDocumentFile(path) : nullptr;
}

Document* DocManager::OpenDocumentWith(DocTemplate& docTemplate, const std::filesystem::path& path) {
    Document* open = nullptr;
    if (docTemplate.MatchDocType(path, open) == DocTemplate::Match::AlreadyOpen) {
        ActivateDocument(*open);
        return open;
    }
    return docTemplate.OpenDocumentFile(path);
}

Document* DocManager::ReopenDocumentWith(DocTemplate& docTemplate, const std::filesystem::path& path) {
    Document* open = nullptr;
    if (docTemplate.MatchDocType(path, open) != DocTemplate::Match::AlreadyOpen) {
        return docTemplate.OpenDocumentFile(path);
    }
    if (!open->ReloadFile()) {
        return nullptr;
    }
    ActivateDocument(*open);
    return open;
}

Document* DocManager::OpenRecentFile(std::size_t index) {
    if (index >= recent_files_.Entries().size()) {
        return nullptr;
    }
    Document* document = OpenDocumentFile(recent_files_.Entries()[index]);
    if (document == nullptr) {
        recent_files_.Remove(index);
    }
    return document;
}

Document* DocManager::FindDocumentByPath(const std::filesystem::path& path) const {
    for (const auto& docTemplate : templates_) {
        for (Document* document : docTemplate->Documents()) {
            if (SamePath(document->PathName(), path)) {
                return document;
            }
        }
    }
    return nullptr;
}

std::size_t DocManager::DocumentCount() const {
    std::size_t count = 0;
    for (const auto& docTemplate : templates_) {
        count += docTemplate->Documents().size();
    }
    return count;
}

void DocManager::OnFileNew() {
    if (templates_.empty()) {
        ShowFrameworkMessage(AFX_IDP_FAILED_TO_CREATE_DOC);
        return;
    }
    templates_.front()->OpenDocumentFile({});
}

void DocManager::OnFileOpen() {
    if (templates_.empty()) {
        ShowFrameworkMessage(AFX_IDP_FAILED_TO_OPEN_DOC);
        return;
    }
    if (const auto path =
            DoPromptFileName({}, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, true, nullptr)) {
        OpenDocumentFile(*path);
    }
}

std::optional<std::filesystem::path> DocManager::DoPromptFileName(const std::filesystem::path& proposed,
                                                                  unsigned titleId, unsigned flags, bool open,
                                                                  DocTemplate* docTemplate) {
    if (docTemplate != nullptr) {
        return PromptFileName(proposed, titleId, flags, open, {docTemplate}, docTemplate->InitialFolder());
    }
    return PromptFileName(proposed, titleId, flags, open, Templates());
}

std::optional<std::filesystem::path> DocManager::PromptFileName(const std::filesystem::path& proposed,
                                                                unsigned titleId, unsigned flags, bool open,
                                                                const std::vector<DocTemplate*>& templates,
                                                                const std::filesystem::path& initialFolder) {
    FileNameRequest request;
    request.open = open;
    request.title = LoadText(titleId);
    request.flags = flags | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_ENABLESIZING;
    request.initialFolder = initialFolder;
    request.fileName = proposed;
    for (DocTemplate* docTemplate : templates) {
        const auto extensions = docTemplate->Extensions();
        const std::string name = docTemplate->GetDocString(DocTemplate::filterName);
        if (name.empty() || extensions.empty()) {
            continue;
        }
        FileFilter filter{name, {}};
        for (const auto& extension : extensions) {
            filter.patterns.push_back("*" + extension);
        }
        if (request.defaultExtension.empty()) {
            request.defaultExtension = extensions.front().substr(1);
        }
        request.filters.push_back(std::move(filter));
    }
    request.filters.push_back(FileFilter{LoadText(AFX_IDS_ALLFILTER), {"*"}});
    return CurrentUiBroker().PromptFileName(request);
}

bool DocManager::SaveAllModified() {
    for (const auto& docTemplate : templates_) {
        if (!docTemplate->SaveAllModified()) {
            return false;
        }
    }
    return true;
}

void DocManager::CloseAllDocuments() {
    for (const auto& docTemplate : templates_) {
        docTemplate->CloseAllDocuments();
    }
}

bool DocManager::SaveAndCloseAllDocuments() {
    for (const auto& docTemplate : templates_) {
        // Closing one document may close others (a graph with its grid): the list is taken afresh.
        for (auto open = docTemplate->Documents(); !open.empty(); open = docTemplate->Documents()) {
            if (!open.front()->SaveModified()) {
                return false;
            }
            open.front()->OnCloseDocument();
        }
    }
    return true;
}

}  // namespace platform
