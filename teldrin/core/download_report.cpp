#include "teldrin/core/download_report.h"

#include <array>
#include <utility>

#include "shared/logger/download_result.h"
#include "teldrin/core/teldrin_texts.h"

namespace teldrin {
namespace {

constexpr unsigned kDataReadFailed = 2009;
constexpr unsigned kNoData = 2017;
constexpr unsigned kNoNewData = 8435;

constexpr std::array<std::pair<int, unsigned>, 10> kFailureTexts{{
    {kReadDataAssemblyFailed, 8659},
    {kReadDataNothingReceived, 8657},
    {kReadDataRawFileSetupFailed, 8656},
    {kReadDataRawFileFailed, 8655},
    {kReadDataNoRecordSize, 8654},
    {kReadDataSizeUnknown, 8653},
    {kReadDataStatusFailed, 8652},
    {kReadDataSetupHeaderFailed, 8651},
    {kReadDataSetupBlocksFailed, 8650},
    {kReadDataCancelled, 8658},
}};

}  // namespace

std::vector<std::string> DownloadResultLines(int result, bool readAll, const std::string& serial) {
    if (result == kReadDataDone || result == kReadDataKept) {
        return {};
    }
    if (result == kReadDataNothingToRead) {
        return {TeldrinText(readAll ? kNoData : kNoNewData)};
    }
    for (const auto& [code, text] : kFailureTexts) {
        if (code == result) {
            return {TeldrinText(kDataReadFailed), serial + ": " + TeldrinText(text) + "\n"};
        }
    }
    return {TeldrinText(kDataReadFailed)};
}

}  // namespace teldrin
