// The program's answer to the requests whose window is not built yet.
#include "kivo32/app/requests_not_built.h"

#include <memory>
#include <string>
#include <utility>

#include "kivo32/app/app_ids.h"
#include "kivo32/app/kivo_requests.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/message_box.h"

namespace {

using StatusShower = std::function<void(const std::string&)>;

// Cancelled: the command leaves the logger as it is.
template <class Request>
platform::DialogRunner<Request> NotBuiltYetAnswer(const std::shared_ptr<const StatusShower>& showStatus) {
    return [showStatus](Request&) {
        platform::TraceMissingWindow(Request::kName);
        (*showStatus)(LoadText(IDS_WINDOW_NOT_BUILT));
        return IDCANCEL;
    };
}

// A broken download keeps what it received rather than lose it to a question nobody can answer. The
// user is told in a box: a status text would be gone with the end of the download's wait cursor.
template <>
platform::DialogRunner<DataRecoveryRequest> NotBuiltYetAnswer(const std::shared_ptr<const StatusShower>&) {
    return [](DataRecoveryRequest& request) {
        platform::TraceMissingWindow(DataRecoveryRequest::kName);
        ShowMessageBox(
            platform::FormatLoadedText(IDS_PARTIAL_DOWNLOAD_KEPT, {std::to_string(request.recordsReceived)}),
            MB_OK | MB_ICONINFORMATION, true);
        return IDOK;
    };
}

}  // namespace

void RegisterRequestsNotBuiltYet(StatusShower showStatus) {
    const auto shared = std::make_shared<const StatusShower>(std::move(showStatus));
    KivoRequestsNotBuiltYet::ForEach([&shared]<class Request>() {
        platform::RegisterDialogRunner<Request>(NotBuiltYetAnswer<Request>(shared));
    });
}
