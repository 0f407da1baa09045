// RunGridWalk: a long walk over a data file's rows on a worker thread behind a modal progress window.
#include "kivo32/views/grid_walk.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <string>

#include "platform/base/job_thread.h"
#include "platform/base/program_texts.h"
#include "platform/ui/qt_text.h"
#include "shared/common/trace_log.h"
#include "shared/controls/controls_ids.h"
#include "shared/datafile/message_sink.h"

namespace {

// How often the waiting window looks at the walk.
constexpr int kPollMilliseconds = 25;

}  // namespace

class GridWalkReader::Quiet : public CMessageSink {
public:
    void ShowMessage(const std::string&) override {}
};

GridWalkReader::GridWalkReader(const CRawData& shown) : quiet_(std::make_unique<Quiet>()) {
    data_.SetMessageSink(*quiet_);
    open_ = data_.Initialize() && data_.OpenDataFile(shown.GetPath()) && data_.InitRecordAccess(false);
}

GridWalkReader::~GridWalkReader() {
    data_.CloseDataFile();
}

bool RunGridWalk(QWidget* parent, const std::string& label, const std::function<bool(GridWalkProgress&)>& work) {
    GridWalkProgress progress;
    bool result = false;
    platform::JobThread worker;
    if (const std::error_code failed = worker.Start([&](std::stop_token) { result = work(progress); })) {
        Trace("RunGridWalk(): no thread for " + label + " (" + std::to_string(failed.value()) + ")");
        return false;
    }
    QProgressDialog window(platform::ToQString(label), platform::ToQString(LoadText(IDS_CANCEL)), 0, 100,
                           parent);
    window.setWindowModality(Qt::ApplicationModal);
    window.setMinimumDuration(0);
    window.setAutoClose(false);
    window.setAutoReset(false);
    QObject::connect(&window, &QProgressDialog::canceled, [&progress] { progress.Stop(); });
    window.show();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (worker.Finished()) {
            loop.quit();
        } else {
            window.setValue(progress.Percent());
        }
    });
    poll.start(kPollMilliseconds);
    loop.exec();
    worker.Join();
    return result && !progress.Stopped();
}
