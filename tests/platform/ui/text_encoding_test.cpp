// The text files are Windows-1252, as the program reads them, and their accents reach Qt's windows intact.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QString>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/resource_texts.h"
#include "platform/ui/standard_message_box.h"
#include "platform/ui/ui_ids.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

namespace fs = std::filesystem;

bool IsContinuation(unsigned char byte) {
    return byte >= 0x80 && byte <= 0xBF;
}

// What in `content` is not plain Windows-1252 text: bytes without a character, control bytes, and the
// UTF-8 forms of accented letters (C2/C3 xx) and of typographic punctuation (E2 80 xx, E2 82 AC), which
// an editor saving in UTF-8 leaves and which Windows-1252 shows as "Ã©" or "â€™".
std::vector<std::string> EncodingProblems(std::string_view content) {
    std::vector<std::string> problems;
    int line = 1;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const auto byte = static_cast<unsigned char>(content[i]);
        const auto next = [&](std::size_t ahead) {
            return i + ahead < content.size() ? static_cast<unsigned char>(content[i + ahead]) : 0;
        };
        const std::string at = "line " + std::to_string(line) + ": ";
        if (byte == '\n') {
            ++line;
        } else if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) {
            problems.push_back(at + "a byte without a character");
        } else if (byte < 0x20 && byte != '\t' && byte != '\r') {
            problems.push_back(at + "a control byte");
        } else if ((byte == 0xC2 || byte == 0xC3) && IsContinuation(next(1))) {
            problems.push_back(at + "a UTF-8 letter");
        } else if (byte == 0xE2 && (next(1) == 0x80 || next(1) == 0x82) && IsContinuation(next(2))) {
            problems.push_back(at + "UTF-8 punctuation");
        } else if (byte == 0xEF && next(1) == 0xBB && next(2) == 0xBF) {
            problems.push_back(at + "a UTF-8 byte-order mark");
        }
    }
    return problems;
}

TEST(TextEncodingTest, TheCheckTellsWindows1252FromUtf8) {
    struct Case {
        std::string_view text;
        std::vector<std::string> problems;
    };
    const Case cases[] = {
        {"1\t\xE9l\xE9gant\r\n2\t\x80 5\x85 \x92\x9C", {}},  // élégant, € 5… ’œ
        {"1\tEnregistr\xE9\xA0?", {}},                       // é then a no-break space
        {"1\tt\xC3\xA9l\xC3\xA9", {"line 1: a UTF-8 letter", "line 1: a UTF-8 letter"}},
        {"1\tok\n2\tl\xE2\x80\x99heure \xE2\x82\xAC",
         {"line 2: UTF-8 punctuation", "line 2: UTF-8 punctuation"}},
        {"\xEF\xBB\xBF# texts", {"line 1: a UTF-8 byte-order mark"}},
        {"1\ta\x81 \x1A", {"line 1: a byte without a character", "line 1: a control byte"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.text);
        EXPECT_EQ(EncodingProblems(test.text), test.problems);
    }
}

TEST(TextEncodingTest, EveryTextFileIsWindows1252) {
    const fs::path texts = fs::path(KIVO_SOURCE_DIR) / "resources" / "texts";
    for (const char* language : {"en", "fr"}) {
        for (const auto& entry : fs::directory_iterator(texts / language)) {
            if (entry.path().extension() != ".txt") {
                continue;
            }
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream content;
            content << in.rdbuf();
            for (const std::string& problem : EncodingProblems(content.str())) {
                ADD_FAILURE() << language << "/" << entry.path().filename().string() << " " << problem;
            }
        }
    }
}

TEST(TextEncodingTest, AFrenchMessageShowsItsAccentsInQt) {
    testsupport::EnsureQtApplication();
    ASSERT_TRUE(platform::LoadResourceLibrary(platform::kFrenchResources));
    {
        platform::StandardMessageBox box(nullptr, LoadText(AFX_IDP_PARSE_STRING_SIZE),
                                         LoadText(AFX_IDP_FAILED_TO_START_PRINT), MB_OK);
        EXPECT_EQ(box.text(), QString::fromUtf8("Veuillez entrer au plus %1 caract\u00E8res."));
        EXPECT_EQ(box.windowTitle(), QString::fromUtf8("L'impression n'a pas pu d\u00E9marrer."));
    }
    platform::LoadResourceLibrary(platform::kEnglishResources);
}

// The standard buttons are Qt's own words: they follow the program's language, both ways.
TEST(TextEncodingTest, TheStandardButtonsSpeakTheProgramsLanguage) {
    testsupport::EnsureQtApplication();
    const auto yesText = [] {
        platform::StandardMessageBox box(nullptr, "?", "?", MB_YESNO);
        return box.button(QMessageBox::Yes)->text();
    };
    ASSERT_TRUE(platform::LoadResourceLibrary(platform::kFrenchResources));
    EXPECT_EQ(yesText(), QString::fromUtf8("&Oui"));
    platform::LoadResourceLibrary(platform::kEnglishResources);
    EXPECT_EQ(yesText(), QString::fromUtf8("&Yes"));
}

}  // namespace
