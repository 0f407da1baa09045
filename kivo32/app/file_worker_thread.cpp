// CFileWorkerThread: the thread of one file job of the application.
#include "kivo32/app/file_worker_thread.h"

#include <string>
#include <system_error>

#include "platform/base/message_box_flags.h"
#include "platform/base/text_format.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"

CFileWorkerThread::CFileWorkerThread(std::function<void()> job, unsigned failureTextId) {
    if (const std::error_code failed = thread_.Start([job = std::move(job)](std::stop_token) { job(); })) {
        const std::string text = platform::FormatLoadedText(failureTextId, {std::to_string(failed.value())});
        Trace(text);
        ShowMessageBox(text, MB_OK | MB_ICONEXCLAMATION, true);
    }
}
