// The PC setup dialog's decisions: the USB logger's port, the protocol flag by logger and older-models
// choice, the status label's text, and the folder as stored.
#include "kivo32/dialogs/pc_setup_rules.h"

#include <gtest/gtest.h>

#include "kivo32/dialogs/dialogs_ids.h"
#include "shared/common/app_context.h"

namespace {

TEST(PCSetupRulesTest, TheUsbLoggersPortIsKnownByItsDescription) {
    EXPECT_TRUE(IsUsbLoggerPort("QUARVEN RS (ttyACM0)"));
    EXPECT_FALSE(IsUsbLoggerPort("serial8250 (ttyS0)"));
    EXPECT_FALSE(IsUsbLoggerPort("ttyUSB0"));
    EXPECT_FALSE(IsUsbLoggerPort("QUARVEN KX (ttyUSB1)"));
}

TEST(PCSetupRulesTest, TheLoggerDecidesTheProtocolAndTheOlderModelsChoiceOnlyWithoutOne) {
    struct Case {
        int loggerType;
        bool olderModels;
        bool newProtocol;
        unsigned label;
    };
    const Case cases[] = {
        {kNoLogger, false, true, IDS_NO_LOGGER_KNOWN}, {kNoLogger, true, false, IDS_NO_LOGGER_KNOWN},
        {13, true, true, IDS_NEW_PROTOCOL_LOGGER},     {14, false, true, IDS_NEW_PROTOCOL_LOGGER},
        {12, false, false, IDS_OLDER_MODEL_LOGGER},    {0, true, false, IDS_OLDER_MODEL_LOGGER},
        {15, false, false, IDS_OLDER_MODEL_LOGGER},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(NewProtocolFlag(test.loggerType, test.olderModels), test.newProtocol)
            << test.loggerType << " " << test.olderModels;
        EXPECT_EQ(LoggerKindTextId(test.loggerType), test.label) << test.loggerType;
    }
}

TEST(PCSetupRulesTest, AFolderIsStoredWithoutItsTrailingSlashButTheRootStays) {
    EXPECT_EQ(StoredFolder("/home/user/Data/"), "/home/user/Data");
    EXPECT_EQ(StoredFolder("/home/user/Data"), "/home/user/Data");
    EXPECT_EQ(StoredFolder("/"), "/");
    EXPECT_EQ(StoredFolder(""), "");
}

}  // namespace
