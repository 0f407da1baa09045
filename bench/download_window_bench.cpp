// The downloads of download_bench, each run without a window and then with the progress window shown
// offscreen and following it, as a session shows it: the window must not slow the download.
// build/bench/download_window_bench.
#include <QApplication>
#include <memory>
#include <string>

#include "bench/download_runs.h"
#include "kivo32/session/download_progress_link.h"
#include "kivo32/tools/download_dialog.h"

namespace {

// Keeps the user-interface thread taking its events while the download runs on the session thread.
int WaitWhileTheWindowRuns(std::future<int>& result) {
    while (result.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return result.get();
}

bench::Measure DownloadWithWindow(const bench::Case& c) {
    auto link = std::make_shared<CDownloadProgressLink>();
    auto* window = new CDownloadDialog([] {});
    window->show();
    window->Follow(link);
    bench::Measure measure =
        bench::Download(c.name + ", progress window", c.model, c.fill, link.get(), WaitWhileTheWindowRuns);
    CloseDownloadDialog(link);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return measure;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    for (const bench::Case& c : bench::kCases) {
        bench::Print(bench::Download(c.name, c.model, c.fill));
        bench::Print(DownloadWithWindow(c));
    }
    return 0;
}
