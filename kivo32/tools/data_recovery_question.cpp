// The recovery question's text and buttons.
#include "kivo32/tools/data_recovery_question.h"

#include "kivo32/tools/download_window_ids.h"
#include "platform/base/text_format.h"

RecoveryQuestion DescribeRecoveryQuestion(int recordCount, bool portLost, const std::string& prefix) {
    RecoveryQuestion question;
    question.offersKeep = recordCount > 0;
    question.offersTryAgain = !portLost;
    const std::string count = std::to_string(recordCount);
    if (question.offersKeep) {
        question.message = platform::FormatLoadedText(
            portLost ? IDS_RECOVERY_RECORDS_PORT_LOST : IDS_RECOVERY_RECORDS, {prefix, count});
    } else {
        question.message = platform::FormatLoadedText(
            portLost ? IDS_RECOVERY_NOTHING_PORT_LOST : IDS_RECOVERY_NOTHING, {prefix});
    }
    return question;
}
