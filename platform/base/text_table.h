// User texts by numeric id, loaded from one "<id><TAB><text>" file per language and area.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class TextTable {
public:
    // The text of `id`, or an empty text when the table has none.
    const std::string& Get(unsigned id) const;
    bool Has(unsigned id) const;
    void Set(unsigned id, std::string text);
    // Takes every entry of `other`, replacing texts of the same id.
    void Merge(const TextTable& other);
    // Each text whose placeholders (TextPlaceholders) differ from those of `reference`'s text of the same
    // id takes the reference's text, so that a translation never asks for values its callers do not
    // pass. Returns the ids replaced; ids the reference lacks stay.
    std::vector<unsigned> FallBackWherePlaceholdersDiffer(const TextTable& reference);
    std::size_t Size() const { return texts_.size(); }

    // One "<id><TAB><text>" line each: decimal id, text with the escapes \n \t \\; empty lines and
    // lines starting with # are skipped; a trailing CR is dropped. On a malformed line returns nullopt
    // and, when `error` is given, a message naming the line number.
    static std::optional<TextTable> Parse(std::string_view content, std::string* error = nullptr);
    // Parse() of a file's contents; an unreadable file is an error too.
    static std::optional<TextTable> LoadFile(const std::filesystem::path& path, std::string* error = nullptr);

private:
    std::map<unsigned, std::string> texts_;
};

}  // namespace platform
