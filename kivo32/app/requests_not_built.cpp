// The program's answer to the requests whose window is not built yet.
#include "kivo32/app/requests_not_built.h"

#include <memory>
#include <string>
#include <utility>

#include "kivo32/app/app_ids.h"
#include "kivo32/app/kivo_requests.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"

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

}  // namespace

void RegisterRequestsNotBuiltYet(StatusShower showStatus) {
    const auto shared = std::make_shared<const StatusShower>(std::move(showStatus));
    KivoRequestsNotBuiltYet::ForEach([&shared]<class Request>() {
        platform::RegisterDialogRunner<Request>(NotBuiltYetAnswer<Request>(shared));
    });
}
