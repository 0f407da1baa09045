// Every text id that the code names has a wording in English and in French. The ids are read from the
// source tree at test time, so that an id added anywhere is checked without a list to keep up.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/base/text_table.h"
#include "platform/ui/resource_texts.h"
#include "tests/support/source_tree.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

// Text ids: IDS_ (strings), IDP_ (prompts) and the framework's AFX_IDS_ and AFX_IDP_.
const std::regex kTextIdName(R"(^(AFX_)?ID[SP]_\w+$)");
// The other numbers an ids header may hold: controls, commands, window and thread messages, status
// notice codes, message-box styles, file-dialog flags, system commands, answer bits, and the dialog
// answers written as one word (IDYESTOALL, IDCUSTOM1, IDHELP_BUTTON).
const std::regex kOtherIdName(R"(^((IDC|ID|WM|STATUS|MB|OFN|SC|XMESSAGEBOX)_\w+|ID[A-Z]+[0-9]*(_BUTTON)?)$)");
// `constexpr <type> NAME = <value>;`, also when the formatter wraps it.
const std::regex kConstant(R"(\bconstexpr\b[^=;{}()]*?\b(\w+)\s*=\s*([^;{}]+);)");

struct Problem {
    std::string constant;
    std::string what;
    std::string where;  // file:line
};

struct Constant {
    std::string name;
    std::string value;
    std::string where;  // file:line, for the failure message
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// `code` with its comments blanked out, line ends kept so that line numbers stay right.
std::string WithoutComments(std::string code) {
    for (std::size_t i = 0; i + 1 < code.size(); ++i) {
        if (code[i] == '/' && code[i + 1] == '/') {
            for (; i < code.size() && code[i] != '\n'; ++i) {
                code[i] = ' ';
            }
        } else if (code[i] == '/' && code[i + 1] == '*') {
            for (; i + 1 < code.size() && !(code[i] == '*' && code[i + 1] == '/'); ++i) {
                code[i] = code[i] == '\n' ? '\n' : ' ';
            }
            code[i] = ' ';
            if (i + 1 < code.size()) {
                code[i + 1] = ' ';
            }
        }
    }
    return code;
}

bool IsIdsHeader(const fs::path& file) {
    return file.filename().string().ends_with("_ids.h");
}

// The constants of every source file under `root`'s code folders: all of an ids header, and text ids
// wherever else they are written.
std::vector<Constant> FindConstants(const fs::path& root, std::vector<Problem>& problems) {
    std::vector<Constant> found;
    for (const fs::path& file : testsupport::ProgramSourceFiles(root)) {
        const std::string code = WithoutComments(ReadFile(file));
        if (!IsIdsHeader(file) && code.find("IDS_") == std::string::npos &&
            code.find("IDP_") == std::string::npos) {
            continue;
        }
        const std::string shownFile = fs::relative(file, root).generic_string();
        for (auto it = std::sregex_iterator(code.begin(), code.end(), kConstant);
             it != std::sregex_iterator(); ++it) {
            const std::string name = (*it)[1];
            const bool isText = std::regex_match(name, kTextIdName);
            if (!isText && !IsIdsHeader(file)) {
                continue;
            }
            const auto line = 1 + std::count(code.begin(), code.begin() + it->position(), '\n');
            const std::string where = shownFile + ":" + std::to_string(line);
            if (!isText && !std::regex_match(name, kOtherIdName)) {
                problems.push_back({name, "neither a text id nor a known other kind", where});
                continue;
            }
            found.push_back({name, (*it)[2], where});
        }
    }
    return found;
}

std::string Trimmed(const std::string& text) {
    return std::regex_replace(text, std::regex(R"(^\s+|\s+$)"), "");
}

// A decimal or hexadecimal literal, with or without a u suffix.
std::optional<unsigned> ParseLiteral(const std::string& literal) {
    std::string text = Trimmed(literal);
    if (text.ends_with('u') || text.ends_with('U')) {
        text.pop_back();
    }
    const bool hex = text.starts_with("0x") || text.starts_with("0X");
    const char* begin = text.data() + (hex ? 2 : 0);
    const char* end = text.data() + text.size();
    unsigned value = 0;
    const auto [stop, status] = std::from_chars(begin, end, value, hex ? 16 : 10);
    return begin != end && status == std::errc() && stop == end ? std::optional<unsigned>(value)
                                                                : std::nullopt;
}

// The problems of the text ids of the tree at `root` against its resources/texts/en and fr.
std::vector<Problem> TextIdProblems(const fs::path& root,
                                    std::map<std::string, unsigned>* textIds = nullptr) {
    std::vector<Problem> problems;
    const std::vector<Constant> constants = FindConstants(root, problems);
    std::map<std::string, unsigned> values;
    for (const Constant& constant : constants) {
        // A value may name a constant written before it.
        const auto named = values.find(Trimmed(constant.value));
        const auto value =
            named != values.end() ? std::optional<unsigned>(named->second) : ParseLiteral(constant.value);
        if (value) {
            values[constant.name] = *value;
        }
    }

    struct Language {
        const char* folder;
        const char* name;
        platform::TextTable texts;
    };
    std::vector<Language> languages = {{"en", "English", {}}, {"fr", "French", {}}};
    for (Language& language : languages) {
        std::string error;
        auto table = platform::LoadTextFolder(root / "resources" / "texts" / language.folder, &error);
        if (!table) {
            problems.push_back({language.folder, "text files not loaded", error});
        }
        language.texts = table ? std::move(*table) : platform::TextTable();
    }

    for (const Constant& constant : constants) {
        if (!std::regex_match(constant.name, kTextIdName)) {
            continue;
        }
        const auto value = values.find(constant.name);
        if (value == values.end()) {
            problems.push_back({constant.name, "value is not a number the check can read", constant.where});
            continue;
        }
        if (textIds != nullptr) {
            (*textIds)[constant.name] = value->second;
        }
        for (const Language& language : languages) {
            if (language.texts.Get(value->second).empty()) {
                problems.push_back(
                    {constant.name,
                     "no " + std::string(language.name) + " text for id " + std::to_string(value->second),
                     constant.where});
            }
        }
    }
    return problems;
}

TEST(TextIdsTest, EveryTextIdOfTheCodeHasAWordingInBothLanguages) {
    std::map<std::string, unsigned> textIds;
    const std::vector<Problem> problems = TextIdProblems(KIVO_SOURCE_DIR, &textIds);
    for (const Problem& problem : problems) {
        ADD_FAILURE() << problem.constant << ": " << problem.what << " (" << problem.where << ")";
    }
    // The scan reaches the ids headers and reads their decimal and hexadecimal values.
    EXPECT_EQ(textIds["IDS_DATA_FILE_UNREADABLE"], 8193u);
    EXPECT_EQ(textIds["AFX_IDP_ASK_TO_SAVE"], 61699u);
}

TEST(TextIdsTest, TheCheckReportsMissingAndEmptyTextsAndIdsItCannotPlace) {
    testsupport::TempFolder root;
    fs::create_directories(root / "shared" / "demo");
    fs::create_directories(root / "kivo32" / "demo");
    fs::create_directories(root / "resources" / "texts" / "en");
    fs::create_directories(root / "resources" / "texts" / "fr");
    std::ofstream(root / "shared" / "demo" / "demo_ids.h")
        << "// inline constexpr unsigned IDS_IN_A_COMMENT = 999;\n"
           "inline constexpr unsigned IDS_BOTH = 100;\n"
           "inline constexpr unsigned IDS_NO_FRENCH = 0x65;\n"
           "inline constexpr unsigned AFX_IDP_EMPTY_ENGLISH = 102u ;\n"
           "inline constexpr unsigned IDS_SAME_AS_BOTH = IDS_BOTH;\n"
           "inline constexpr unsigned IDS_WRAPPED_BY_THE_FORMATTER =\n    100;\n"
           "inline constexpr unsigned IDS_FROM_AN_EXPRESSION = WM_APP + 1;\n"
           "inline constexpr int IDC_FIELD = 1000;\n"
           "inline constexpr int IDYESTOALL = 19;\n"
           "inline constexpr unsigned WM_DEMO = WM_APP + 0xD0;\n"
           "/* inline constexpr unsigned IDS_IN_A_BLOCK = 998; */\n"
           "inline constexpr unsigned IDR_NEW_KIND = 7;\n";
    std::ofstream(root / "kivo32" / "demo" / "demo.cpp")
        << "namespace {\nconstexpr unsigned IDS_OUTSIDE_THE_HEADER = 103;\nconstexpr int kRows = 4;\n}\n";
    std::ofstream(root / "resources" / "texts" / "en" / "demo.txt")
        << "100\tBoth\n101\tEnglish only\n102\t\n";
    std::ofstream(root / "resources" / "texts" / "fr" / "demo.txt")
        << "100\tLes deux\n102\tVide en anglais\n";

    std::vector<std::pair<std::string, std::string>> found;
    for (const Problem& problem : TextIdProblems(root.path())) {
        found.emplace_back(problem.constant, problem.what);
    }
    EXPECT_THAT(found,
                testing::UnorderedElementsAre(
                    testing::Pair("IDR_NEW_KIND", "neither a text id nor a known other kind"),
                    testing::Pair("IDS_NO_FRENCH", "no French text for id 101"),
                    testing::Pair("AFX_IDP_EMPTY_ENGLISH", "no English text for id 102"),
                    testing::Pair("IDS_FROM_AN_EXPRESSION", "value is not a number the check can read"),
                    testing::Pair("IDS_OUTSIDE_THE_HEADER", "no English text for id 103"),
                    testing::Pair("IDS_OUTSIDE_THE_HEADER", "no French text for id 103")));
}

}  // namespace
