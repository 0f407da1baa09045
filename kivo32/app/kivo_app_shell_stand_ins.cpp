// Stand-ins for the application members that the commands use and the application shell provides; the
// shell's own definitions replace this file.
#include <QApplication>

#include "kivo32/app/kivo_app.h"
#include "kivo32/views/graph_object_attributes.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/doc_template.h"

namespace {

bool g_close_allowed = true;
int g_wait_cursors = 0;

}  // namespace

platform::DocTemplate* CKivoApp::GetTemplate(int id) {
    for (platform::DocTemplate* docTemplate : GetDocManager().Templates()) {
        if (docTemplate->Id() == static_cast<unsigned>(id)) {
            return docTemplate;
        }
    }
    return nullptr;
}

void CKivoApp::DoWaitCursor(int step) {
    if (step > 0) {
        ++g_wait_cursors;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (step < 0 && g_wait_cursors > 0) {
        --g_wait_cursors;
        QApplication::restoreOverrideCursor();
    }
}

void CKivoApp::EnableCloseCommand() {
    g_close_allowed = true;
}

void CKivoApp::DisableCloseCommand() {
    g_close_allowed = false;
}

bool CKivoApp::IsCloseAllowed() const {
    return g_close_allowed;
}

bool CKivoApp::IsWaitCursorShown() const {
    return g_wait_cursors > 0;
}

void CKivoApp::ShowAboutBox() {}

CGraphObjectAttributes& CKivoApp::GraphAttributes() {
    static CGraphObjectAttributes attributes("KIVO");
    return attributes;
}
