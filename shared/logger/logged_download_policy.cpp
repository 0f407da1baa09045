// The unattended program's rule for a broken download: keep what came, and log it.
#include "shared/logger/logged_download_policy.h"

#include <utility>

#include "platform/base/text_format.h"

namespace {

constexpr const char* kEventLine = "Communication error during download: %d records received successfully.";
constexpr const char* kErrorLine =
    "Error: Communication error occurred during download. %d records received successfully.";

}  // namespace

DownloadPolicy LoggedDownloadPolicy(std::function<void(const std::string&)> writeEvent,
                                    std::function<void(const std::string&)> writeError) {
    DownloadPolicy policy;
    policy.recover = [writeEvent = std::move(writeEvent), writeError = std::move(writeError)](int records,
                                                                                              bool) {
        const std::string count = std::to_string(records);
        writeEvent(platform::FillPrintfPlaceholders(kEventLine, {count}));
        writeError(platform::FillPrintfPlaceholders(kErrorLine, {count}));
        return kReadDataKept;
    };
    return policy;
}
