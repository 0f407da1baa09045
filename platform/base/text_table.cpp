// User texts by numeric id, loaded from one "<id><TAB><text>" file per language and area.
#include "platform/base/text_table.h"

#include <charconv>
#include <utility>

#include "platform/base/binary_file.h"
#include "platform/base/text_format.h"

namespace platform {
namespace {

// Undoes the escapes \n \t \\ of `text`; nullopt on any other escape or a lone final backslash.
std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        switch (text[i]) {
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

std::optional<unsigned> ParseId(std::string_view digits) {
    unsigned id = 0;
    const auto* end = digits.data() + digits.size();
    const auto [stop, status] = std::from_chars(digits.data(), end, id);
    if (digits.empty() || status != std::errc() || stop != end) {
        return std::nullopt;
    }
    return id;
}

}  // namespace

const std::string& TextTable::Get(unsigned id) const {
    static const std::string kMissing;
    const auto found = texts_.find(id);
    return found == texts_.end() ? kMissing : found->second;
}

bool TextTable::Has(unsigned id) const {
    return texts_.contains(id);
}

void TextTable::Set(unsigned id, std::string text) {
    texts_[id] = std::move(text);
}

void TextTable::Merge(const TextTable& other) {
    for (const auto& [id, text] : other.texts_) {
        texts_[id] = text;
    }
}

std::vector<unsigned> TextTable::FallBackWherePlaceholdersDiffer(const TextTable& reference) {
    std::vector<unsigned> replaced;
    for (auto& [id, text] : texts_) {
        const auto original = reference.texts_.find(id);
        if (original != reference.texts_.end() &&
            TextPlaceholders(text) != TextPlaceholders(original->second)) {
            text = original->second;
            replaced.push_back(id);
        }
    }
    return replaced;
}

std::optional<TextTable> TextTable::Parse(std::string_view content, std::string* error) {
    TextTable table;
    std::size_t lineNumber = 0;
    const auto fail = [&](const char* reason) -> std::optional<TextTable> {
        if (error != nullptr) {
            *error = "line " + std::to_string(lineNumber) + ": " + reason;
        }
        return std::nullopt;
    };
    while (!content.empty()) {
        ++lineNumber;
        const std::size_t lineEnd = content.find('\n');
        std::string_view line = content.substr(0, lineEnd);
        content.remove_prefix(lineEnd == std::string_view::npos ? content.size() : lineEnd + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            return fail("no tab between id and text");
        }
        const auto id = ParseId(line.substr(0, tab));
        if (!id) {
            return fail("the id is not a decimal number");
        }
        auto text = Unescape(line.substr(tab + 1));
        if (!text) {
            return fail("unknown escape in the text (only \\n \\t \\\\)");
        }
        if (!table.texts_.emplace(*id, std::move(*text)).second) {
            return fail("the id appears twice");
        }
    }
    return table;
}

std::optional<TextTable> TextTable::LoadFile(const std::filesystem::path& path, std::string* error) {
    std::string content;
    try {
        BinaryFile file(path, BinaryFile::Mode::Read);
        content.resize(file.Length());
        content.resize(file.Read(content.data(), content.size()));
    } catch (const CPSTFileException& failure) {
        if (error != nullptr) {
            *error = failure.what();
        }
        return std::nullopt;
    }
    std::string parseError;
    auto table = Parse(content, &parseError);
    if (!table && error != nullptr) {
        *error = path.string() + ": " + parseError;
    }
    return table;
}

}  // namespace platform
