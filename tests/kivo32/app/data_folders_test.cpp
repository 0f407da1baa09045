// The first-run set-up of the user data folder: when it runs, what it makes and copies, the one-time
// offer of the older generation's files, and the failures that close the program.
#include "kivo32/app/data_folders.h"

#include <gtest/gtest.h>

#include <optional>

#include "kivo32/app/app_ids.h"
#include "kivo32/settings/registry_values.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/resource_texts.h"
#include "tests/support/memory_profile_store.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadWholeFile;

// Writes a file, making its folders first.
void WriteWholeFile(const fs::path& path, std::string_view content) {
    fs::create_directories(path.parent_path());
    testsupport::WriteWholeFile(path, content);
}

const testsupport::MemoryProfileStore::Key kFresh{kKivoMiscSection, "FreshInstall"};
const testsupport::MemoryProfileStore::Key kOlderCopied{kKivoMiscSection, "KIVO11FilesCopied"};
const testsupport::MemoryProfileStore::Key kOlderPath{"KIVO 11 Dir", "Path"};

class DataFoldersTest : public testing::Test {
protected:
    DataFoldersTest() {
        SetProgramTexts(platform::EnglishTexts());
        // The installation has no "Firmware" or "Images".
        WriteWholeFile(installed_ / "Dorvane" / "readme.txt", "dorvane");
        WriteWholeFile(installed_ / "Data" / "Sample.kivo", "sample");
        WriteWholeFile(installed_ / "Default Setups" / "Three phase.sut", "setup");
        WriteWholeFile(installed_ / "Loggers" / "Loggers.kll", "list");
        WriteWholeFile(older_ / "Data" / "Old.kivo", "old data");
        WriteWholeFile(older_ / "Setups" / "Old.sut", "old setup");
        WriteWholeFile(older_ / "Dorvane" / "Export" / "Old.csv", "old export");
        // The user's own folders, for the cases where the user data folder exists already.
        registry_.dataDir = (root_ / "mine" / "Data").string();
        registry_.setupTableDir = (root_ / "mine" / "Setups").string();
        registry_.loggerListDir = (root_ / "mine" / "Loggers").string();
    }

    DataFolderSetUp Run() { return SetUpDataFolders(store_, registry_, {user_, installed_}); }

    testsupport::TempFolder root_;
    const fs::path user_ = root_ / "Documents" / "TARV" / "KIVO";
    const fs::path installed_ = root_ / "share" / "kivo";
    const fs::path older_ = root_ / "KIVO 11";
    testsupport::ScriptedUiBroker broker_;
    testsupport::MemoryProfileStore store_;
    CRegistryValues registry_;
};

TEST_F(DataFoldersTest, RunsOnAFreshInstallationOrAMissingFolderAndOffersTheOlderFilesOnce) {
    struct Case {
        const char* name;
        std::optional<int> fresh;  // nullopt: never written
        bool userFolderExists;
        bool installationPresent;
        std::optional<std::string> olderPath;  // nullopt: never written ("none")
        int olderCopied;
        std::optional<int> answer;  // to the offer; nullopt: not asked
        bool ran;
        bool olderFilesCopied;
    };
    const std::string older = older_.string();
    const Case cases[] = {
        {"second start", 0, true, true, older, 0, {}, false, false},
        {"first start", {}, false, true, {}, 0, {}, true, false},
        {"fresh again over an existing folder", 1, true, true, "none", 0, {}, true, false},
        {"fresh but the folder is gone", 0, false, true, {}, 0, {}, true, false},
        {"installation without its folders", {}, false, false, {}, 0, {}, true, false},
        {"older generation copied on OK", {}, false, true, older, 0, IDOK, true, true},
        {"older generation declined", {}, false, true, older, 0, IDCANCEL, true, false},
        {"older generation copied before", 1, true, true, older, 1, {}, true, false},
        {"older generation recorded empty", {}, false, true, "", 0, {}, true, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        testsupport::TempFolder scratch;
        testsupport::MemoryProfileStore store;
        testsupport::ScriptedUiBroker broker;
        CRegistryValues registry = registry_;
        const fs::path user = scratch / "Documents" / "TARV" / "KIVO";
        if (test.fresh) {
            store.values[kFresh] = std::to_string(*test.fresh);
        }
        if (test.olderPath) {
            store.values[kOlderPath] = *test.olderPath;
        }
        store.values[kOlderCopied] = std::to_string(test.olderCopied);
        if (test.userFolderExists) {
            fs::create_directories(user);
        }
        if (test.answer) {
            broker.AnswerMessageBox(*test.answer);
        }

        const DataFolderSetUp result = SetUpDataFolders(
            store, registry, {user, test.installationPresent ? installed_ : scratch / "none"});

        EXPECT_EQ(result.ran, test.ran);
        EXPECT_FALSE(result.exitProgram);
        EXPECT_TRUE(result.saveAtExit);
        const bool copied = test.ran && test.installationPresent;
        EXPECT_EQ(fs::exists(user / "Dorvane" / "readme.txt"), copied);
        EXPECT_EQ(fs::exists(user / "Default Setups" / "Three phase.sut"), copied);
        EXPECT_EQ(fs::exists(user / "Loggers" / "Loggers.kll"), copied);
        EXPECT_FALSE(fs::exists(user / "Firmware"));
        EXPECT_EQ(store.values.count(kFresh) == 1 && store.values[kFresh] == "0",
                  test.ran || test.fresh == 0);

        // A folder made here points the registry's folders into it; an existing one leaves them alone.
        const fs::path dataDir = registry.dataDir;
        if (test.ran && !test.userFolderExists) {
            EXPECT_EQ(dataDir, user / "Data");
            EXPECT_EQ(fs::path(registry.setupTableDir), user / "Setups");
            EXPECT_EQ(fs::path(registry.loggerListDir), user / "Loggers");
        } else {
            EXPECT_EQ(registry.dataDir, registry_.dataDir);
        }
        if (test.ran) {
            EXPECT_TRUE(fs::is_directory(registry.dataDir));
            EXPECT_TRUE(fs::is_directory(registry.setupTableDir));
            EXPECT_TRUE(fs::is_directory(registry.loggerListDir));
        }

        const auto asked = broker.Boxes();
        ASSERT_EQ(asked.size(), test.answer ? 1u : 0u);
        if (test.answer) {
            EXPECT_EQ(asked[0].ids.promptId, IDS_COPY_OLDER_FILES);
            EXPECT_EQ(asked[0].ids.type, MB_OKCANCEL | MB_ICONQUESTION);
        }
        // The older generation's "Dorvane/Export" lands by its own name, as its "Data" does.
        EXPECT_EQ(fs::exists(user / "Data" / "Old.kivo"), test.olderFilesCopied);
        EXPECT_EQ(fs::exists(user / "Setups" / "Old.sut"), test.olderFilesCopied);
        EXPECT_EQ(fs::exists(user / "Export" / "Old.csv"), test.olderFilesCopied);
        EXPECT_EQ(store.values[kOlderCopied], test.olderFilesCopied || test.olderCopied ? "1" : "0");
    }
}

TEST_F(DataFoldersTest, AFreshInstallationKeepsTheUsersFilesAndAddsOnlyTheMissingOnes) {
    WriteWholeFile(user_ / "Default Setups" / "Three phase.sut", "changed by the user");
    store_.values[kFresh] = "1";

    EXPECT_TRUE(Run().ran);

    EXPECT_EQ(ReadWholeFile(user_ / "Default Setups" / "Three phase.sut"), "changed by the user");
    EXPECT_EQ(ReadWholeFile(user_ / "Data" / "Sample.kivo"), "sample");
    EXPECT_EQ(store_.values[kFresh], "0");
}

TEST_F(DataFoldersTest, ACopyThatFailsHalfwayClosesTheProgramWithoutSavingAndRunsAgainNextTime) {
    // "Dorvane" copies; "Data" cannot, as the user has a file where its folder "Data" would go.
    fs::create_directories(user_);
    WriteWholeFile(user_ / "Data", "in the way");
    registry_.dataDir = (root_ / "mine" / "Data").string();
    broker_.SetDefaultAnswer(IDOK);

    const DataFolderSetUp result = Run();

    EXPECT_TRUE(result.exitProgram);
    EXPECT_FALSE(result.saveAtExit);
    EXPECT_TRUE(fs::exists(user_ / "Dorvane" / "readme.txt"));
    EXPECT_EQ(store_.values.count(kFresh), 0u);
    // The copy's own report, then the folder error.
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text.rfind("Error 0x", 0), 0u) << asked[0].text;
    EXPECT_EQ(asked[1].text, LoadText(IDS_DATA_FOLDER_ERROR) + "\r\n" + user_.string());
}

TEST_F(DataFoldersTest, AFolderThatCannotBeMadeClosesTheProgramButKeepsTheSettings) {
    // A file stands where the setup-table folder would go.
    fs::create_directories(user_);
    WriteWholeFile(root_ / "mine" / "Setups", "in the way");
    broker_.SetDefaultAnswer(IDOK);

    const DataFolderSetUp result = Run();

    EXPECT_TRUE(result.exitProgram);
    EXPECT_TRUE(result.saveAtExit);
    EXPECT_FALSE(fs::exists(user_ / "Dorvane"));
    EXPECT_EQ(store_.values.count(kFresh), 0u);
    const auto boxes = broker_.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].texts.prompt,
              LoadText(IDS_DATA_FOLDER_ERROR) + "\r\n" + (root_ / "mine" / "Setups").string());
    EXPECT_EQ(boxes[0].texts.type, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(DataFoldersTest, AFailedCopyOfTheOlderFilesClosesTheProgramAndAsksAgainLater) {
    store_.values[kOlderPath] = older_.string();
    fs::create_directories(user_);
    store_.values[kFresh] = "1";
    WriteWholeFile(user_ / "Setups", "in the way");
    registry_.setupTableDir = (root_ / "mine" / "Setups").string();
    broker_.AnswerMessageBox(IDOK);
    broker_.SetDefaultAnswer(IDOK);

    const DataFolderSetUp result = Run();

    EXPECT_TRUE(result.exitProgram);
    EXPECT_FALSE(result.saveAtExit);
    EXPECT_EQ(store_.values[kFresh], "0");
    EXPECT_EQ(store_.values.count(kOlderCopied), 0u);
    EXPECT_EQ(broker_.Boxes().back().ids.promptId, IDS_OLDER_FILES_NOT_COPIED);
}

}  // namespace
