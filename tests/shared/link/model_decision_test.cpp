// The model an identification text names, and the session's decision from it.
#include "shared/link/model_decision.h"

#include <gtest/gtest.h>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "shared/link/link_ids.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/link_test_session.h"
#include "tests/support/scripted_ui_broker.h"

namespace {

class ModelDecisionTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::TextTable texts;
        texts.Set(12500, "Standard");
        texts.Set(9027, "Ornat2");
        texts.Set(IDS_UNKNOWN_MODEL, "Unknown logger");
        SetProgramTexts(std::move(texts));
    }
    void TearDown() override { SetProgramTexts({}); }
};

TEST_F(ModelDecisionTest, TheTextChoosesTypeCodeNameAndVersion) {
    const struct {
        const char* text;
        int typeCode;
        const char* name;
        int firmware;
    } cases[] = {
        {"S0-02.115", 0, "Standard", 115},
        {"SE-02.116", 0, "Standard", 116},
        {"AL1-2.121", 1, "Ornat1", 121},
        {"BL1-2.121", 1, "Ornat1", 121},
        {"CL1-2.121", 1, "Ornat1", 221},  // neither 'A' nor 'B' first: the newer generation
        {"AL4-2.130", 2, "Ornat2", 130},
        {"ZL4-2.130", 2, "Ornat2", 230},
        {"NX401.234", 13, "Quarven RS", 334},  // both Quarven models are 13 here
        {"NX402.262", 13, "Quarven RS", 362},
        {"BUA-2.150", 4, "Nimbo Current", 150},
        {"BUPV2.150", 9, "Nimbo P-Vdc", 150},
        {"BUP-2.150", 5, "Nimbo Pulse", 150},
        {"BUM-2.150", 7, "Nimbo mA", 150},
        {"BUV-2.150", 8, "Nimbo Vdc", 150},
        {"BUT-2.150", 10, "Nimbo 4Temp", 150},
        {"BUC12.150", 6, "Nimbo Combo1", 150},
        {"BUC22.150", 3, "Nimbo Combo2", 150},
        {"BUC92.150", -1, "Unknown logger", 150},  // decoded, but no logger object takes it
    };
    for (const auto& entry : cases) {
        const ModelDecision decision = DecideModel(entry.text);
        EXPECT_TRUE(decision.decoded) << entry.text;
        EXPECT_EQ(decision.typeCode, entry.typeCode) << entry.text;
        EXPECT_EQ(decision.modelName, entry.name) << entry.text;
        EXPECT_EQ(decision.firmwareVersion, entry.firmware) << entry.text;
    }
}

TEST_F(ModelDecisionTest, TextsItDoesNotKnowAreNotDecoded) {
    for (const char* text : {"AL2-2.121", "NX301.234", "BUX-2.150", "QQ", "", "A"}) {
        const ModelDecision decision = DecideModel(text);
        EXPECT_FALSE(decision.decoded) << text;
        EXPECT_EQ(decision.typeCode, -1) << text;
        EXPECT_EQ(decision.modelName, "Unknown logger") << text;
    }
}

}  // namespace
