// CRecordTimeCheck: the check of a data file's record times on a worker with its own reader.
#include "kivo32/views/record_time_check.h"

#include <QApplication>
#include <QMetaObject>
#include <QTimer>
#include <string>
#include <vector>

#include "kivo32/views/views_ids.h"
#include "platform/base/program_texts.h"
#include "shared/common/trace_log.h"
#include "shared/datafile/message_sink.h"
#include "shared/datafile/raw_data.h"

namespace {

// How often a finding that waits for a modal window looks again.
constexpr int kModalWaitMs = 200;

// Shows `texts` once no modal window is open (the Save As of the download's CSV, a question), so that
// one window shows at a time and the finding comes after what the download asked. Nothing once the
// check's owner is gone.
void ShowWhenNoModalWindow(const std::weak_ptr<int>& alive, const std::vector<std::string>& texts) {
    if (!alive.lock()) {
        return;
    }
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(kModalWaitMs, QCoreApplication::instance(),
                           [alive, texts] { ShowWhenNoModalWindow(alive, texts); });
        return;
    }
    for (const std::string& text : texts) {
        MessageBoxSink().ShowMessage(text + "\n\n" + LoadText(IDS_DATA_ERRORS_HINT));
    }
}

class CollectedMessages : public CMessageSink {
public:
    void ShowMessage(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

}  // namespace

CRecordTimeCheck::CRecordTimeCheck(const std::filesystem::path& path) {
    if (const std::error_code failed =
            thread_.Start([this, path](const std::stop_token& stop) { Run(path, stop); })) {
        Trace("CRecordTimeCheck: no thread for the check of the record times (" +
              std::to_string(failed.value()) + "); it is left out");
    }
}

void CRecordTimeCheck::Run(const std::filesystem::path& path, const std::stop_token& stop) {
    CollectedMessages found;
    CRawData reader;
    reader.SetMessageSink(found);
    const bool checked = reader.Initialize() && reader.OpenDataFile(path) && reader.InitRecordAccess(false) &&
                         reader.CheckRecordTimes([&stop] { return !stop.stop_requested(); });
    reader.CloseDataFile();
    if (checked && !found.texts.empty()) {
        std::weak_ptr<int> alive = alive_;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [alive, texts = std::move(found.texts)] { ShowWhenNoModalWindow(alive, texts); },
            Qt::QueuedConnection);
    }
}
