// The link texts of both languages.
#include "shared/link/link_texts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/base/text_format.h"
#include "shared/link/link_ids.h"
#include "tests/support/resource_texts.h"

namespace {

// Every text the links show exists in both languages with the same placeholders.
TEST(LinkTextsTest, BothLanguagesHoldEveryLinkTextWithTheSamePlaceholders) {
    const platform::TextTable english = testsupport::LoadResourceTexts("en", "link");
    const platform::TextTable french = testsupport::LoadResourceTexts("fr", "link");
    const unsigned ids[] = {IDS_MODEM_HANDLE_FAILED,
                            IDS_PORT_SETUP_FAILED,
                            IDS_MODEM_ESTABLISH_FAILED,
                            IDS_IDENTIFY_FAILED,
                            IDS_NETWORK_SOCKET_FAILED,
                            IDS_PORT_OPEN_FAILED,
                            IDS_PORT_OPEN_FAILED_TITLE,
                            IDS_LOGGER_COMMAND_TOO_LONG,
                            IDS_WAKE_FAILED,
                            IDS_WAKE_ATTEMPT,
                            IDS_PORT_OPENED,
                            IDS_CONNECTED,
                            IDS_CONNECTING,
                            IDS_CONNECTING_TO,
                            IDS_NETWORK_CONNECTED,
                            IDS_CHECKING_PORT,
                            IDS_CHECKING_OTHER_PORT,
                            IDS_CONNECTION_ABORTED,
                            IDS_NETWORK_READ_FAILED,
                            IDS_NETWORK_WRITE_FAILED,
                            IDS_ERROR_CODE,
                            IDS_BAD_ADDRESS,
                            IDS_ERROR,
                            IDS_LOCAL_HOST_FAILED,
                            IDS_LOCAL_HOST_UNUSABLE,
                            IDS_SOCKET_FAILED,
                            IDS_CONNECT_FAILED,
                            IDS_RECEIVE_OVERFLOW_HELP,
                            IDS_RECEIVE_OVERFLOW,
                            IDS_NETWORK_LINK_LOST,
                            IDS_LINK_LOST_STATE,
                            IDS_LINK_LOST,
                            IDS_LINK_LOST_LINE,
                            IDS_PORT_PREFS_HELP,
                            IDS_LOST_PORT_ACTION,
                            IDS_LOST_PORT_REMOVED,
                            IDS_LOST_PORT_MISSING,
                            IDS_LOST_PORT_BACK,
                            IDS_PORT_PREFS_TIP_HELP,
                            IDS_PORT_PREFS_TIP_OK,
                            IDS_PORT_PREFS_TIP_CANCEL,
                            IDS_PORT_PREFS_TIP_UP,
                            IDS_PORT_PREFS_TIP_DOWN,
                            IDS_PORT_PREFS_TIP_REMOVE,
                            IDS_PORT_PREFS_TIP_LIST,
                            IDS_PORT_PREFS_TITLE,
                            IDS_PORT_PREFS_UP,
                            IDS_PORT_PREFS_DOWN,
                            IDS_PORT_PREFS_REMOVE,
                            IDS_PORT_PREFS_HELP_BUTTON,
                            IDS_LOST_PORT_TITLE};
    const auto placeholders = [](const std::string& text) {
        return platform::FillPrintfPlaceholders(text, {"<1>", "<2>", "<3>"}).find("<2>") != std::string::npos
                   ? 2
                   : (platform::FillPrintfPlaceholders(text, {"<1>"}).find("<1>") != std::string::npos ? 1
                                                                                                       : 0);
    };
    for (const unsigned id : ids) {
        ASSERT_TRUE(english.Has(id)) << id;
        ASSERT_TRUE(french.Has(id)) << id;
        EXPECT_EQ(placeholders(english.Get(id)), placeholders(french.Get(id))) << id;
    }
    EXPECT_EQ(placeholders(english.Get(IDS_CHECKING_OTHER_PORT)), 2);
    EXPECT_EQ(placeholders(english.Get(IDS_WAKE_ATTEMPT)), 1);
    EXPECT_EQ(placeholders(english.Get(IDS_LINK_LOST_LINE)), 2);
}

// The modem line's texts: both languages, the same placeholders.
TEST(LinkTextsTest, BothLanguagesHoldEveryModemTextWithTheSamePlaceholders) {
    const platform::TextTable english = testsupport::LoadResourceTexts("en", "modem");
    const platform::TextTable french = testsupport::LoadResourceTexts("fr", "modem");
    const std::pair<unsigned, std::vector<std::string>> ids[] = {
        {IDS_MODEM_ERROR_CAPTION, {}},   {IDS_MODEM_NO_LINE, {}},
        {IDS_MODEM_LINE_IN_USE, {}},     {IDS_MODEM_NOT_DATA_MODEM, {}},
        {IDS_MODEM_LINE_HELD, {}},       {IDS_MODEM_CALL_FAILED, {"<1>"}},
        {IDS_MODEM_DIALING, {"<1>"}},    {IDS_MODEM_BUSY, {}},
        {IDS_MODEM_CALL_ENDED, {"<1>"}}, {IDS_MODEM_FAR_END_HUNG_UP, {}},
        {IDS_MODEM_UNKNOWN_END, {}},     {IDS_MODEM_NO_ANSWER, {}},
        {IDS_MODEM_NO_DIALTONE, {}},     {IDS_MODEM_CALL_NOT_COMPLETED, {}},
        {IDS_MODEM_CONNECTED, {}},       {IDS_MODEM_WRONG_RATE, {"<1>", "<2>", "<3>"}},
    };
    for (const auto& [id, values] : ids) {
        for (const platform::TextTable* table : {&english, &french}) {
            ASSERT_TRUE(table->Has(id)) << id;
            const std::string text = table->Get(id);
            const std::string filled =
                platform::FillPrintfPlaceholders(text, {"<1>", "<2>", "<3>", "<4>"});
            for (const std::string& value : values) {
                EXPECT_NE(filled.find(value), std::string::npos) << id;
            }
            EXPECT_EQ(filled.find(values.empty() ? "<1>" : "<" + std::to_string(values.size() + 1) + ">"),
                      std::string::npos)
                << id;
        }
    }
}

}  // namespace
