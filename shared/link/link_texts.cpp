// The link's user texts with their placeholders filled.
#include "shared/link/link_texts.h"

#include "platform/base/program_texts.h"
#include "platform/base/system_error_text.h"
#include "platform/base/text_format.h"
#include "shared/link/link_ids.h"

std::string FormatLinkText(unsigned id, std::initializer_list<std::string_view> values) {
    return platform::FormatLoadedText(id, values);
}

std::string LostLinkText(unsigned headId, int error) {
    return FormatLinkText(IDS_LINK_LOST_LINE, {LoadText(headId), SystemErrorText(error)});
}
