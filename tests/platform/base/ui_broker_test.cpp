// How a box description reaches the user through a broker, and the answers without a user interface.
#include "platform/base/ui_broker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/dialog_request.h"
#include "platform/base/program_texts.h"

namespace {

// Runs every dialog at once and records what it was asked; the own dialog answers with a marker.
class RunningBroker : public platform::UiBroker {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override {
        asked.push_back("MessageBox " + text + "|" + caption + "|" + std::to_string(style));
        return IDYES;
    }
    std::optional<std::filesystem::path> PromptFileName(const platform::FileNameRequest&) override {
        return std::nullopt;
    }
    int RunDialog(std::string_view name, const std::function<int()>& dialog) override {
        asked.push_back(std::string(name));
        return dialog();
    }

    std::vector<std::string> asked;
    std::vector<std::string> ownBoxes;
    bool hasOwnDialog = true;

protected:
    int RunOwnMessageBox(const CMessageBoxIds& box) override {
        if (!hasOwnDialog) {
            return UiBroker::RunOwnMessageBox(box);
        }
        ownBoxes.push_back("ids " + std::to_string(box.promptId));
        return IDC_MSGBOX_BUTTON2;
    }
    int RunOwnMessageBox(const CMessageBoxTexts& box) override {
        if (!hasOwnDialog) {
            return UiBroker::RunOwnMessageBox(box);
        }
        ownBoxes.push_back("texts " + box.prompt);
        return IDC_MSGBOX_BUTTON3;
    }
};

CMessageBoxTexts Texts(const std::string& prompt, unsigned type, bool useStandardBox,
                       const std::string& caption = {}) {
    CMessageBoxTexts box;
    box.prompt = prompt;
    box.type = type;
    box.useStandardBox = useStandardBox;
    box.caption = caption;
    return box;
}

class UiBrokerTest : public testing::Test {
protected:
    void SetUp() override {
        platform::TextTable texts;
        texts.Set(8196, "Overwrite the file?");
        SetProgramTexts(texts);
    }
    void TearDown() override { SetProgramTexts({}); }
};

TEST_F(UiBrokerTest, TheStandardBoxGoesToMessageBoxAndTheOwnOneRunsAsTheOwnDialog) {
    RunningBroker broker;
    EXPECT_EQ(broker.ShowById({.promptId = 8196, .type = MB_YESNO}), IDYES);
    EXPECT_EQ(broker.ShowText(Texts("Continue?", MB_OKCANCEL, true, "Serial port")), IDYES);
    EXPECT_EQ(broker.ShowById({.promptId = 8196, .type = MB_ICONQUESTION, .useStandardBox = false}),
              IDC_MSGBOX_BUTTON2);
    EXPECT_EQ(broker.ShowText(Texts("Store the data?", MB_ICONQUESTION, false)), IDC_MSGBOX_BUTTON3);

    const std::string own(platform::kOwnMessageBoxDialog);
    EXPECT_EQ(broker.asked, (std::vector<std::string>{"MessageBox Overwrite the file?||4",
                                                      "MessageBox Continue?|Serial port|1", own, own}));
    EXPECT_EQ(broker.ownBoxes, (std::vector<std::string>{"ids 8196", "texts Store the data?"}));
}

TEST_F(UiBrokerTest, ABrokerWithoutAnOwnDialogNeverTakesItsQuestionAsAgreed) {
    RunningBroker broker;
    broker.hasOwnDialog = false;
    EXPECT_EQ(broker.ShowById({.promptId = 8196, .type = MB_ICONQUESTION, .useStandardBox = false}),
              IDCANCEL);
    EXPECT_EQ(broker.ShowText(Texts("Store the data?", MB_ICONQUESTION, false)), IDCANCEL);
}

TEST_F(UiBrokerTest, WithoutAUserInterfaceNothingIsShownAndNothingIsAgreed) {
    ASSERT_EQ(platform::InstalledUiBroker(), nullptr);
    platform::UiBroker& none = platform::CurrentUiBroker();
    bool ran = false;
    EXPECT_EQ(none.MessageBox("Continue?", {}, MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(none.ShowById({.promptId = 8196, .type = MB_YESNO, .useStandardBox = false}), IDCANCEL);
    EXPECT_EQ(none.RunDialog("CGetSUTTypeDlg",
                             [&ran] {
                                 ran = true;
                                 return IDOK;
                             }),
              IDCANCEL);
    EXPECT_FALSE(ran);
    EXPECT_EQ(none.PromptFileName({}), std::nullopt);
}

struct CountRequest {
    static constexpr std::string_view kName = "CCountDlg";
    int records = 0;
};

struct OtherRequest {
    static constexpr std::string_view kName = "COtherDlg";
};

TEST_F(UiBrokerTest, ARequestRunsTheAnswerRegisteredForItsTypeWhichWritesIntoIt) {
    RunningBroker broker;
    platform::InstallUiBroker(&broker);
    CountRequest unanswered{.records = 51};
    EXPECT_EQ(platform::RunDialogRequest(unanswered), IDCANCEL);
    EXPECT_TRUE(broker.asked.empty());

    platform::RegisterDialogRunner<CountRequest>([](CountRequest& request) {
        ++request.records;
        return 1884;
    });
    CountRequest counted{.records = 51};
    EXPECT_EQ(platform::RunDialogRequest(counted), 1884);
    EXPECT_EQ(counted.records, 52);
    EXPECT_EQ(broker.asked, (std::vector<std::string>{"CCountDlg"}));
    // The answer is the type's: another type with no answer of its own is not answered by it.
    OtherRequest other;
    EXPECT_EQ(platform::RunDialogRequest(other), IDCANCEL);
    EXPECT_EQ(broker.asked.size(), 1u);
    platform::RegisterDialogRunner<CountRequest>({});
    platform::InstallUiBroker(nullptr);
}

TEST(RequestListTest, VisitsEachTypeInTurn) {
    using Both = platform::RequestList<CountRequest, OtherRequest>;
    std::vector<std::string_view> names;
    Both::ForEach([&names]<class Request>() { names.push_back(Request::kName); });
    EXPECT_EQ(names, (std::vector<std::string_view>{"CCountDlg", "COtherDlg"}));
}

TEST_F(UiBrokerTest, InstallingHandsBackTheBrokerItReplaces) {
    RunningBroker first;
    RunningBroker second;
    EXPECT_EQ(platform::InstallUiBroker(&first), nullptr);
    EXPECT_EQ(platform::InstallUiBroker(&second), &first);
    EXPECT_EQ(&platform::CurrentUiBroker(), &second);
    EXPECT_EQ(platform::InstallUiBroker(nullptr), &second);
    EXPECT_EQ(platform::InstalledUiBroker(), nullptr);
}

}  // namespace
