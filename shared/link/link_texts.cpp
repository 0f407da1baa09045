// The link's user texts with their placeholders filled.
#include "shared/link/link_texts.h"

#include "platform/base/text_format.h"

std::string FormatLinkText(unsigned id, std::initializer_list<std::string_view> values) {
    return platform::FormatLoadedText(id, values);
}
