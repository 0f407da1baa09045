// Filling the placeholders of texts from the text tables, never reading a value the caller did not pass.
#include "platform/base/text_format.h"

#include "platform/base/program_texts.h"

namespace platform {
namespace {

constexpr std::string_view kFlags = "-+ #0";
constexpr std::string_view kDigits = "0123456789*";
constexpr std::string_view kConversions = "diouxXeEfFgGaAcspn";

// The length of the printf conversion that starts with the "%" at `start`; 0 when there is none there.
// "%%" counts as one.
std::size_t PrintfConversionLength(std::string_view text, std::size_t start) {
    std::size_t i = start + 1;
    if (i < text.size() && text[i] == '%') {
        return 2;
    }
    const auto skip = [&](std::string_view set) {
        while (i < text.size() && set.find(text[i]) != std::string_view::npos) {
            ++i;
        }
    };
    skip(kFlags);
    skip(kDigits);
    if (i < text.size() && text[i] == '.') {
        ++i;
        skip(kDigits);
    }
    for (const std::string_view length : {"hh", "ll", "h", "l", "z"}) {
        if (text.substr(i).starts_with(length)) {
            i += length.size();
            break;
        }
    }
    const bool converts = i < text.size() && kConversions.find(text[i]) != std::string_view::npos;
    return converts ? i + 1 - start : 0;
}

// The index (from 0) of the "%1".."%9" at `start`; -1 when there is none there.
int NumberedPlaceholder(std::string_view text, std::size_t start) {
    const char next = start + 1 < text.size() ? text[start + 1] : '\0';
    return text[start] == '%' && next >= '1' && next <= '9' ? next - '1' : -1;
}

}  // namespace

std::string FillPrintfPlaceholders(std::string_view format, std::initializer_list<std::string_view> values) {
    auto value = values.begin();
    std::string out;
    out.reserve(format.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        const std::size_t length = format[i] == '%' ? PrintfConversionLength(format, i) : 0;
        if (length == 0) {
            out += format[i];
            continue;
        }
        if (format[i + 1] == '%') {
            out += '%';
        } else if (value != values.end()) {
            out += *value++;
        }
        i += length - 1;
    }
    return out;
}

std::string FormatLoadedText(unsigned id, std::initializer_list<std::string_view> values) {
    return FillPrintfPlaceholders(LoadText(id), values);
}

std::string FillNumberedPlaceholders(std::string_view pattern,
                                     std::initializer_list<std::string_view> values) {
    const std::vector<std::string_view> args(values);
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const int index = NumberedPlaceholder(pattern, i);
        if (index >= 0 && static_cast<std::size_t>(index) < args.size()) {
            out += args[static_cast<std::size_t>(index)];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::vector<std::string> TextPlaceholders(std::string_view text) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            continue;
        }
        std::size_t length = PrintfConversionLength(text, i);
        if (length == 0 && NumberedPlaceholder(text, i) >= 0) {
            length = 2;
        }
        if (length > 0) {
            found.emplace_back(text.substr(i, length));
            i += length - 1;
        }
    }
    return found;
}

}  // namespace platform
