// CFileWorkerThread: the thread of one file job of the application.
#include "kivo32/app/file_worker_thread.h"

#include <string>
#include <system_error>

#include "platform/base/message_box_flags.h"
#include "platform/base/text_format.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"

CFileWorkerThread::CFileWorkerThread(std::function<void()> job, unsigned failureTextId) {
    try {
        thread_ = std::thread([this, job = std::move(job)] {
            job();
            finished_ = true;
        });
    } catch (const std::system_error& error) {
        const std::string text =
            platform::FormatLoadedText(failureTextId, {std::to_string(error.code().value())});
        Trace(text);
        ShowMessageBox(text, MB_OK | MB_ICONEXCLAMATION, true);
        finished_ = true;
    }
}

CFileWorkerThread::~CFileWorkerThread() {
    if (thread_.joinable()) {
        thread_.join();
    }
}
