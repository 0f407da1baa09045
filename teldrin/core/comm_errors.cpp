#include "teldrin/core/comm_errors.h"

#include <array>
#include <utility>

#include "platform/base/text_format.h"
#include "teldrin/core/teldrin_texts.h"

namespace teldrin {
namespace {

// Code and text id.
constexpr std::array<std::pair<int, unsigned>, 34> kErrorTexts{{
    {-15, 2013}, {-14, 8543}, {-9, 8542}, {-8, 8541}, {-7, 8540}, {-6, 8539}, {-5, 8538},
    {-4, 8537},  {-3, 8536},  {-2, 8535}, {-1, 8534}, {0, 1000},  {1, 8544},  {2, 8545},
    {3, 8546},   {4, 8547},   {5, 8548},  {6, 8549},  {7, 8550},  {8, 8551},  {9, 8552},
    {10, 8502},  {11, 8553},  {12, 8554}, {13, 8554}, {14, 8203}, {15, 8555}, {16, 8436},
    {17, 2018},  {18, 8560},  {20, 8557}, {21, 8556}, {22, 8559}, {23, 8558},
}};
constexpr unsigned kUnknownErrorText = 8561;

}  // namespace

std::string GetCommErrorText(int code, int failedCalls) {
    if (code == kCommNone) {
        return platform::FillPrintfPlaceholders(TeldrinText(IDS_TELDRIN_NO_ERROR),
                                                {std::to_string(failedCalls)});
    }
    for (const auto& [errorCode, textId] : kErrorTexts) {
        if (errorCode == code) {
            return TeldrinText(textId);
        }
    }
    return platform::FillPrintfPlaceholders(TeldrinText(kUnknownErrorText), {std::to_string(code)});
}

}  // namespace teldrin
