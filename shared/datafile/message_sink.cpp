// The message sink that shows each message in the program-wide message box.
#include "shared/datafile/message_sink.h"

#include "platform/base/file_exception.h"
#include "shared/common/message_box.h"

namespace {

class CMessageBoxSink : public CMessageSink {
public:
    void ShowMessage(const std::string& text) override {
        ShowMessageBox(text, MB_OK | MB_ICONEXCLAMATION, true);
    }
};

}  // namespace

void CMessageSink::ReportFileException(const CPSTFileException& error) {
    ShowMessage(error.MessageText());
}

CMessageSink& MessageBoxSink() {
    static CMessageBoxSink sink;
    return sink;
}
