// The user data folder below the XDG documents folder, under the tests' own home folder.
#include "shared/common/user_data_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

// Sets or clears an environment variable for its lifetime.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            previous_ = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnvironment() { previous_ ? ::setenv(name_, previous_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> previous_;
};

class UserDataFolderTest : public testing::Test {
protected:
    void WriteUserDirs(const std::string& documentsLine) {
        fs::create_directories(config_.path());
        std::ofstream(config_ / "user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                  << "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                                  << documentsLine << "\n";
    }

    testsupport::TempFolder home_;
    testsupport::TempFolder config_;
    ScopedEnvironment homeVariable_{"HOME", home_.path().c_str()};
    ScopedEnvironment configVariable_{"XDG_CONFIG_HOME", config_.path().c_str()};
};

TEST_F(UserDataFolderTest, WithoutUserDirsItIsBelowDocumentsOfTheHomeFolder) {
    fs::path folder;
    EXPECT_TRUE(GetUserDataFolder(folder));
    EXPECT_EQ(folder, home_ / "Documents" / "TARV" / "KIVO");
    EXPECT_EQ(UserDataFolder(), folder);
}

TEST_F(UserDataFolderTest, FollowsTheDocumentsFolderOfUserDirs) {
    struct Case {
        std::string line;
        fs::path documents;
    };
    const Case cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"", home_ / "Dokumente"},
        {"  XDG_DOCUMENTS_DIR=\"/srv/docs\"", "/srv/docs"},
        {"XDG_DOCUMENTS_DIR=\"$HOME\"", home_.path()},
        {"XDG_DOCUMENTS_DIR=relative", home_ / "Documents"},
        {"XDG_DOCUMENTS_DIR=\"elsewhere/docs\"", home_ / "Documents"},
        {"# XDG_DOCUMENTS_DIR=\"$HOME/Old\"", home_ / "Documents"},
    };
    for (const Case& c : cases) {
        WriteUserDirs(c.line);
        EXPECT_EQ(UserDataFolder(), c.documents / "TARV" / "KIVO") << c.line;
    }
}

TEST_F(UserDataFolderTest, AnUnsetConfigHomeMeansDotConfig) {
    ScopedEnvironment noConfigHome("XDG_CONFIG_HOME", nullptr);
    fs::create_directories(home_ / ".config");
    std::ofstream(home_ / ".config" / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n";
    EXPECT_EQ(UserDataFolder(), home_ / "Docs" / "TARV" / "KIVO");
}

}  // namespace
