// The texts of the helpers in every language.
#include <gtest/gtest.h>

#include <vector>

#include "platform/base/base_ids.h"
#include "platform/base/file_exception.h"
#include "shared/common/common_ids.h"
#include "tests/support/resource_texts.h"

namespace {

// Every id the helpers use, in every language, as 8-bit Windows-1252 text.
TEST(CommonTextsTest, EachLanguageHasEveryTextOfTheHelpers) {
    std::vector<unsigned> ids = {IDS_DAY_SUNDAY,
                                 IDS_DAY_MONDAY,
                                 IDS_DAY_TUESDAY,
                                 IDS_DAY_WEDNESDAY,
                                 IDS_DAY_THURSDAY,
                                 IDS_DAY_FRIDAY,
                                 IDS_DAY_SATURDAY,
                                 IDS_UNKNOWN_ERROR,
                                 IDS_EXPORT_OK,
                                 IDS_EXPORT_OPEN_FAILED,
                                 IDS_EXPORT_NO_DATA,
                                 IDS_EXPORT_NO_MEMORY,
                                 IDS_EXPORT_HEADER_WRITE_FAILED,
                                 IDS_EXPORT_DATA_READ_FAILED,
                                 IDS_EXPORT_RECORD_WRITE_FAILED,
                                 IDS_EXPORT_FIELD_ERROR};
    for (unsigned cause = CPSTFileException::none; cause <= CPSTFileException::endOfFile; ++cause) {
        ids.push_back(IDS_FILE_ERROR_CAUSES + cause);
    }
    for (const char* language : {"en", "fr"}) {
        const platform::TextTable texts = testsupport::LoadResourceTexts(language, "common");
        EXPECT_EQ(texts.Size(), ids.size()) << language;
        for (unsigned id : ids) {
            EXPECT_FALSE(texts.Get(id).empty()) << language << " " << id;
        }
    }
    // "é" is one byte 0xE9 in Windows-1252, two in UTF-8.
    EXPECT_EQ(testsupport::LoadResourceTexts("fr", "common").Get(IDS_EXPORT_NO_MEMORY),
              "La m\xE9moire est insuffisante pour l'exportation.");
}

}  // namespace
