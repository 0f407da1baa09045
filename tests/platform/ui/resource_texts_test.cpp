// The text tables: every text in both languages with the same placeholders, each id in one file only,
// the English table compiled in, and the French one chosen by its resource library.
#include "platform/ui/resource_texts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>

#include "platform/base/program_texts.h"
#include "platform/base/text_table.h"
#include "tests/support/resource_texts.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

// resources/texts of the source tree.
const std::filesystem::path kTexts = testsupport::ResourceTextsFile("en", "any").parent_path().parent_path();

// id -> text of every file of one language, with the file each id came from.
struct LanguageFiles {
    std::map<unsigned, std::string> texts;
    std::map<unsigned, std::string> fileOf;
    std::vector<std::string> problems;
};

LanguageFiles ReadLanguage(const std::string& language) {
    LanguageFiles result;
    for (const auto& entry : std::filesystem::directory_iterator(kTexts / language)) {
        if (entry.path().extension() != ".txt") {
            continue;
        }
        const std::string name = entry.path().filename().string();
        std::string error;
        const auto table = platform::TextTable::LoadFile(entry.path(), &error);
        if (!table) {
            result.problems.push_back(language + "/" + name + ": " + error);
            continue;
        }
        // The table holds the texts; the ids are the leading digits of its lines.
        std::ifstream file(entry.path());
        std::string line;
        while (std::getline(file, line)) {
            if (line.empty() || line.front() == '#' || line.front() == '\r') {
                continue;
            }
            const unsigned id = static_cast<unsigned>(std::stoul(line));
            if (const auto [other, added] = result.fileOf.emplace(id, name); !added) {
                result.problems.push_back(language + ": id " + std::to_string(id) + " in " + other->second +
                                          " and " + name);
            }
            result.texts[id] = table->Get(id);
        }
    }
    return result;
}

// The placeholders of a text in order: printf conversions and %1 to %9.
std::vector<std::string> Placeholders(const std::string& text) {
    static const std::regex placeholder(
        R"(%%|%[-+ #0]*[0-9*]*(\.[0-9*]+)?(hh|h|ll|l)?[diouxXeEfgGcsp]|%[1-9])");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder); it != std::sregex_iterator();
         ++it) {
        found.push_back(it->str());
    }
    return found;
}

TEST(ResourceTextsTest, EveryTextHasBothLanguagesWithTheSamePlaceholdersAndOneFile) {
    const LanguageFiles english = ReadLanguage("en");
    const LanguageFiles french = ReadLanguage("fr");
    for (const auto& problem : english.problems) {
        ADD_FAILURE() << problem;
    }
    for (const auto& problem : french.problems) {
        ADD_FAILURE() << problem;
    }
    ASSERT_FALSE(english.texts.empty());
    for (const auto& [id, text] : english.texts) {
        const auto translated = french.texts.find(id);
        if (translated == french.texts.end()) {
            ADD_FAILURE() << "id " << id << " of en/" << english.fileOf.at(id) << " has no French text";
            continue;
        }
        EXPECT_EQ(Placeholders(translated->second), Placeholders(text)) << "id " << id;
        EXPECT_EQ(french.fileOf.at(id), english.fileOf.at(id)) << "id " << id;
    }
    for (const auto& [id, text] : french.texts) {
        EXPECT_TRUE(english.texts.contains(id))
            << "id " << id << " of fr/" << french.fileOf.at(id) << " has no English text";
    }
}

TEST(ResourceTextsTest, TheCompiledInTableHoldsEveryEnglishFile) {
    const LanguageFiles english = ReadLanguage("en");
    const platform::TextTable compiled = platform::EnglishTexts();
    EXPECT_EQ(compiled.Size(), english.texts.size());
    for (const auto& [id, text] : english.texts) {
        EXPECT_EQ(compiled.Get(id), text) << "id " << id;
    }
}

TEST(ResourceTextsTest, TheResourceLibraryOfTheLanguageGivesItsTexts) {
    testsupport::EnsureQtApplication();
    const LanguageFiles french = ReadLanguage("fr");
    ASSERT_TRUE(platform::LoadResourceLibrary(platform::kFrenchResources));
    for (const auto& [id, text] : french.texts) {
        EXPECT_EQ(LoadText(id), text) << "id " << id;
    }
    ASSERT_TRUE(platform::LoadResourceLibrary(platform::kEnglishResources));
    EXPECT_EQ(LoadText(61699), "Save changes to %1?");
}

TEST(ResourceTextsTest, AFolderWithABadLineIsRefusedNamingTheFile) {
    testsupport::TempFolder folder;
    std::ofstream(folder / "good.txt") << "1\tone\n";
    std::ofstream(folder / "bad.txt") << "2\ttwo\nthree\n";
    std::string error;
    EXPECT_FALSE(platform::LoadTextFolder(folder.path(), &error).has_value());
    EXPECT_NE(error.find("bad.txt"), std::string::npos) << error;
}

}  // namespace
