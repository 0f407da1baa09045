// The system's text of an error code, for telling the user why an operation failed.
#include "platform/base/system_error_text.h"

#include <algorithm>
#include <cstring>

#include "platform/base/base_ids.h"
#include "platform/base/program_texts.h"

std::string SystemErrorText(int code) {
    // strerrordesc_np answers null for an unknown code, where strerror would make up a text.
    const char* description = ::strerrordesc_np(code);
    if (description == nullptr) {
        return LoadText(IDS_UNKNOWN_ERROR);
    }
    std::string text(description);
    text.resize(std::min(text.find_first_of("\r\n"), text.size()));
    return text;
}
