// Texts of the ASCII export's result codes, and the box that tells the user of a system error.
#include "shared/common/error_texts.h"

#include "platform/base/base_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/system_error_text.h"
#include "shared/common/common_ids.h"
#include "shared/common/message_box.h"

std::string ExportStatusText(int code) {
    static constexpr unsigned kTexts[8] = {IDS_EXPORT_OK,
                                           IDS_EXPORT_OPEN_FAILED,
                                           IDS_EXPORT_NO_DATA,
                                           0,
                                           IDS_EXPORT_NO_MEMORY,
                                           IDS_EXPORT_HEADER_WRITE_FAILED,
                                           IDS_EXPORT_DATA_READ_FAILED,
                                           IDS_EXPORT_RECORD_WRITE_FAILED};
    if (code == 3) {
        return platform::StringPrintf("InitFieldArray() %s", LoadText(IDS_EXPORT_FIELD_ERROR).c_str());
    }
    if (code >= 0 && code < 8) {
        return LoadText(kTexts[code]);
    }
    return platform::StringPrintf("%s: %d", LoadText(IDS_UNKNOWN_ERROR).c_str(), code);
}

void ShowSystemErrorMessage(int code, const std::string& text, const std::string& caption) {
    CMessageBoxTexts box;
    box.prompt = text + "\n\n" + SystemErrorText(code);
    box.type = MB_OK;
    box.caption = caption;
    ShowMessageBox(box);
}
