// Safe placeholder filling of user texts.
#include "shared/link/link_texts.h"

#include <cctype>
#include <vector>

#include "platform/base/program_texts.h"

std::string FillPlaceholders(std::string_view format, std::initializer_list<std::string_view> values) {
    std::vector<std::string_view> pending(values);
    std::size_t next = 0;
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        if (format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // Flags, width, precision and length letters up to the conversion letter.
        std::size_t end = i + 1;
        while (end < format.size() && !std::isalpha(static_cast<unsigned char>(format[end]))) {
            ++end;
        }
        while (end < format.size() && (format[end] == 'l' || format[end] == 'h')) {
            ++end;
        }
        if (end == format.size()) {
            out.append(format.substr(i));
            break;
        }
        if (next < pending.size()) {
            out.append(pending[next]);
        }
        ++next;
        i = end;
    }
    return out;
}

std::string FormatLinkText(unsigned id, std::initializer_list<std::string_view> values) {
    return FillPlaceholders(LoadText(id), values);
}
