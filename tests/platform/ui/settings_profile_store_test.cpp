// The settings store on the program's settings file: sections with blanks, Windows-1252 texts and texts
// with commas read back from the file as written; a value never written is missing; a damaged file is
// told apart and what could be read of it is kept.
#include "platform/ui/settings_profile_store.h"

#include <gtest/gtest.h>

#include <QSettings>

#include "platform/ui/qt_text.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace {

std::unique_ptr<QSettings> SettingsFile(const std::filesystem::path& path) {
    return std::make_unique<QSettings>(platform::PathToQString(path), QSettings::IniFormat);
}

TEST(SettingsProfileStoreTest, ValuesReadBackFromTheFileAsWritten) {
    testsupport::TempFolder folder;
    const std::filesystem::path path = folder / "KIVO.ini";
    {
        platform::SettingsProfileStore store(SettingsFile(path));
        store.WriteProfileString("Window Startup State", "Position", "-008 -008 1928 1048");
        store.WriteProfileString("KIVO Dirs", "DataDir",
                                 "/home/r\xe9gis/Donn\xe9"
                                 "es");
        store.WriteProfileString("Modem Connect", "ModemInit", "AT&F, S0=0");
        store.WriteProfileInt("Direct Connect", "DirectBaud", -57600);
    }
    platform::SettingsProfileStore store(SettingsFile(path));
    EXPECT_EQ(store.GetProfileString("Window Startup State", "Position", "?"), "-008 -008 1928 1048");
    EXPECT_EQ(store.GetProfileString("KIVO Dirs", "DataDir", "?"),
              "/home/r\xe9gis/Donn\xe9"
              "es");
    EXPECT_EQ(store.GetProfileString("Modem Connect", "ModemInit", "?"), "AT&F, S0=0");
    EXPECT_EQ(store.GetProfileInt("Direct Connect", "DirectBaud", 0), -57600);
    EXPECT_EQ(store.ReadValue("Direct Connect", "DirectParity"), std::nullopt);
}

TEST(SettingsProfileStoreTest, AHandEditedListReadsAsItsText) {
    testsupport::TempFolder folder;
    const std::filesystem::path path = folder / "KIVO.ini";
    testsupport::WriteWholeFile(path, "[Modem%20Connect]\nModemInit=ATZ, ATE0\n");
    platform::SettingsProfileStore store(SettingsFile(path));
    EXPECT_EQ(store.GetProfileString("Modem Connect", "ModemInit", "?"), "ATZ, ATE0");
}

TEST(SettingsProfileStoreTest, ADamagedFileKeepsWhatCouldBeRead) {
    testsupport::TempFolder folder;
    const std::filesystem::path path = folder / "KIVO.ini";
    testsupport::WriteWholeFile(path, "[Window%20Startup%20State]\nPosition=1 2 3 4\n[Direct%20Conn");
    const platform::SettingsProfileStore store(SettingsFile(path));
    EXPECT_FALSE(store.ReadWhole());
    EXPECT_EQ(store.GetProfileString("Window Startup State", "Position", "?"), "1 2 3 4");

    testsupport::WriteWholeFile(path, "[Window%20Startup%20State]\nPosition=1 2 3 4\n");
    EXPECT_TRUE(platform::SettingsProfileStore(SettingsFile(path)).ReadWhole());
}

}  // namespace
