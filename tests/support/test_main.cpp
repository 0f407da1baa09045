// GoogleTest main of every test program: a private home folder and a fixed time zone, so that no test
// reads or writes the real user's files or depends on the machine's zone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "tests/support/temp_folder.h"

namespace {

void SetFolder(const char* variable, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    ::setenv(variable, folder.c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);

    testsupport::TempFolder home;
    SetFolder("HOME", home.path());
    SetFolder("XDG_CONFIG_HOME", home / ".config");
    SetFolder("XDG_DATA_HOME", home / ".local/share");
    SetFolder("XDG_CACHE_HOME", home / ".cache");
    SetFolder("XDG_STATE_HOME", home / ".local/state");
    SetFolder("XDG_RUNTIME_DIR", home / "runtime");
    std::filesystem::permissions(home / "runtime", std::filesystem::perms::owner_all);
    std::filesystem::create_directories(home / "Documents");
    ::setenv("TZ", "UTC", 1);
    ::setenv("LC_ALL", "C", 1);
    ::tzset();

    return RUN_ALL_TESTS();
}
