// A document template: which document, frame and view make one kind of window, and its open documents.
#include "platform/ui/doc_template.h"

#include <QMdiArea>
#include <QPointer>
#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/base/program_texts.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/document.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/ui_ids.h"
#include "platform/ui/view.h"

namespace platform {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::filesystem::path Normalised(const std::filesystem::path& path) {
    std::error_code error;
    const auto canonical = std::filesystem::weakly_canonical(path, error);
    return error ? std::filesystem::absolute(path, error).lexically_normal() : canonical;
}

}  // namespace

bool SamePath(const std::filesystem::path& first, const std::filesystem::path& second) {
    return !first.empty() && !second.empty() && Normalised(first) == Normalised(second);
}

DocTemplate::DocTemplate(unsigned id, DocumentFactory makeDocument, FrameFactory makeFrame,
                         ViewFactory makeView)
    : id_(id),
      doc_strings_(Split(LoadText(id), '\n')),
      make_document_(std::move(makeDocument)),
      make_frame_(std::move(makeFrame)),
      make_view_(std::move(makeView)) {}

DocTemplate::~DocTemplate() = default;

std::string DocTemplate::GetDocString(DocStringIndex index) const {
    const auto position = static_cast<std::size_t>(index);
    return position < doc_strings_.size() ? doc_strings_[position] : std::string();
}

std::vector<std::string> DocTemplate::Extensions() const {
    std::vector<std::string> extensions;
    for (std::string extension : Split(GetDocString(filterExt), ';')) {
        std::erase(extension, ' ');
        if (!extension.empty()) {
            extensions.push_back(extension.front() == '.' ? extension : "." + extension);
        }
    }
    return extensions;
}

std::string DocTemplate::DefaultExtension() const {
    const auto extensions = Extensions();
    return extensions.empty() ? std::string() : extensions.front();
}

std::vector<Document*> DocTemplate::Documents() const {
    std::vector<Document*> documents;
    for (const auto& document : documents_) {
        documents.push_back(document.get());
    }
    return documents;
}

Document* DocTemplate::OpenDocumentFile(const std::filesystem::path& path, bool makeVisible) {
    Document* document = CreateNewDocument();
    ChildFrame* frame = CreateNewFrame(document);
    bool ok = false;
    if (path.empty()) {
        const std::string base = GetDocString(docName);
        document->SetTitle(base.empty() ? LoadText(AFX_IDS_UNTITLED)
                                        : base + std::to_string(++untitled_count_));
        ok = document->OnNewDocument();
    } else {
        ok = document->OnOpenDocument(path);
        if (ok) {
            document->SetPathName(path);
        }
    }
    if (!ok) {
        // Closing takes the frame and the document away.
        document->OnCloseDocument();
        return nullptr;
    }
    InitialUpdateFrame(frame, document, makeVisible);
    return document;
}

Document* DocTemplate::CreateNewDocument() {
    documents_.push_back(make_document_());
    Document* document = documents_.back().get();
    document->template_ = this;
    return document;
}

ChildFrame* DocTemplate::CreateNewFrame(Document* document) {
    ChildFrame* frame = make_frame_();
    View* view = make_view_();
    view->AttachDocument(document);
    frame->SetView(view);
    if (manager_ != nullptr && manager_->GetMainFrame() != nullptr) {
        manager_->GetMainFrame()->AddChild(frame);
    }
    return frame;
}

void DocTemplate::InitialUpdateFrame(ChildFrame* frame, Document* document, bool makeVisible) {
    const QPointer<ChildFrame> alive(frame);
    if (frame->ActiveView() != nullptr) {
        frame->ActiveView()->OnInitialUpdate();
    }
    // A first update that waits in an event loop (a long load) may see its frame or document close.
    if (alive == nullptr || frame->IsClosing() || frame->ActiveDocument() != document) {
        return;
    }
    document->UpdateFrameTitles();
    if (makeVisible) {
        frame->show();
        if (QMdiArea* area = frame->mdiArea()) {
            area->setActiveSubWindow(frame);
        }
    }
}

void DocTemplate::RemoveDocument(Document* document) {
    std::erase_if(documents_, [document](const auto& owned) { return owned.get() == document; });
}

DocTemplate::Match DocTemplate::MatchDocType(const std::filesystem::path& path, Document*& match) const {
    match = nullptr;
    for (const auto& document : documents_) {
        if (SamePath(document->PathName(), path)) {
            match = document.get();
            return Match::AlreadyOpen;
        }
    }
    const auto extensions = Extensions();
    const std::string extension = path.extension().string();
    const bool fits = std::any_of(extensions.begin(), extensions.end(), [&extension](const std::string& own) {
        return own.size() == extension.size() &&
               std::equal(own.begin(), own.end(), extension.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) ==
                          std::tolower(static_cast<unsigned char>(b));
               });
    });
    return fits ? Match::Extension : Match::Maybe;
}

bool DocTemplate::SaveAllModified() {
    for (Document* document : Documents()) {
        if (!document->SaveModified()) {
            return false;
        }
    }
    return true;
}

void DocTemplate::CloseAllDocuments() {
    // Each close removes the document from the list: work on a copy.
    for (Document* document : Documents()) {
        document->OnCloseDocument();
    }
}

}  // namespace platform
