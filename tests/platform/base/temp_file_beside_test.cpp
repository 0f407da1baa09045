// Tests of the temporary file of a save: it replaces its target only once complete, and a later save
// removes what a killed save left behind, but nothing that a running process holds or that is not its own.
#include "platform/base/temp_file_beside.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <string>

#include "platform/base/binary_file.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadWholeFile;
using testsupport::WriteWholeFile;

std::set<std::string> FileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(TempFileBesideTest, ASaveReplacesTheTargetOnlyOnceCompleteAndAGivenUpOneLeavesNothing) {
    testsupport::TempFolder folder;
    const fs::path target = folder / "setup.tbl";
    WriteWholeFile(target, "old");
    {
        TempFileBeside temp(target);
        EXPECT_EQ(temp.Path().parent_path(), target.parent_path());
        EXPECT_TRUE(fs::exists(temp.Path())) << "the name is taken until the save uses it";
        TempFileBeside other(target);
        EXPECT_NE(other.Path(), temp.Path());
        EXPECT_TRUE(fs::exists(temp.Path())) << "a held file is no leftover";

        BinaryFile file(temp.Path(), BinaryFile::Mode::Create);
        file.Write("new", 3);
        file.Close();
        EXPECT_EQ(ReadWholeFile(target), "old") << "the old file stays whole until the rename";
        temp.ReplaceTarget();
        EXPECT_EQ(ReadWholeFile(target), "new");
        EXPECT_FALSE(temp.IsActive());
    }
    EXPECT_EQ(FileNames(folder.path()), std::set<std::string>{"setup.tbl"}) << "the other save was given up";

    EXPECT_THROW(TempFileBeside(folder / "no-folder" / "a.tbl"), CPSTFileException);
}

TEST(TempFileBesideTest, ALaterSaveRemovesTheLeftoversOfItsTargetThatNoRunningProcessHolds) {
    testsupport::TempFolder folder;
    const fs::path target = folder / "data.kivo";
    WriteWholeFile(target, "old");
    // A save in another process, which stops before it is done.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        TempFileBeside temp(target);
        const char byte = 1;
        (void)!::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    const std::set<std::string> withRunningSave = FileNames(folder.path());
    ASSERT_EQ(withRunningSave.size(), 2u);

    // Files that only look alike, and the same pattern for another target.
    const std::set<std::string> others = {".data.kivo.tmp",          ".data.kivo.1234abc.tmp",
                                          ".data.kivo.1234ABCD.tmp", ".data.kivo.1234abcd.tmp.keep",
                                          "data.kivo.1234abcd.tmp",  ".data.kivo2.1234abcd.tmp",
                                          ".other.kivo.1234abcd.tmp"};
    for (const std::string& name : others) {
        WriteWholeFile(folder / name, "not ours");
    }
    // Left by a save that died: nobody holds it.
    WriteWholeFile(folder / ".data.kivo.0badf00d.tmp", "left behind");

    EXPECT_EQ(RemoveSaveLeftovers(target), 1);
    std::set<std::string> expected = withRunningSave;
    expected.insert(others.begin(), others.end());
    EXPECT_EQ(FileNames(folder.path()), expected) << "the running save keeps its file";

    ASSERT_EQ(::kill(writer, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(writer, &status, 0), writer);
    {
        TempFileBeside save(target);
        EXPECT_EQ(FileNames(folder.path()).size(), others.size() + 2) << "the target and this save's file";
    }
    expected = others;
    expected.insert("data.kivo");
    EXPECT_EQ(FileNames(folder.path()), expected) << "the killed save's file went with the next save";
}

TEST(TempFileBesideTest, EveryNameTheFolderTakesCanBeSavedAndItsLeftoversAreStillFound) {
    // The temporary name holds the target's name cut short where the whole would pass 255 bytes, never
    // inside a character.
    const std::string e = "\xc3\xa9";
    struct Case {
        std::string name;
        std::string cut;
    };
    std::string accents;
    for (int i = 0; i < 127; ++i) {
        accents += e;
    }
    const Case cases[] = {
        {std::string(241, 'a'), std::string(241, 'a')},
        {std::string(242, 'a'), std::string(241, 'a')},
        {std::string(255, 'a'), std::string(241, 'a')},
        {accents, accents.substr(0, 240)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.size());
        testsupport::TempFolder folder;
        const fs::path target = folder / c.name;
        const std::string leftover = "." + c.cut + ".0badf00d.tmp";
        WriteWholeFile(folder / leftover, "left behind");
        TempFileBeside temp(target);
        EXPECT_FALSE(fs::exists(folder / leftover));
        BinaryFile file(temp.Path(), BinaryFile::Mode::Create);
        file.Write("new", 3);
        file.Close();
        temp.ReplaceTarget();
        EXPECT_EQ(ReadWholeFile(target), "new");
        EXPECT_EQ(FileNames(folder.path()), std::set<std::string>{c.name});
    }
}

// Saves the text "new" through `target`, as every save does.
void SaveNew(const fs::path& target) {
    TempFileBeside temp(target);
    BinaryFile file(temp.Path(), BinaryFile::Mode::Create);
    file.Write("new", 3);
    file.Close();
    temp.ReplaceTarget();
}

TEST(TempFileBesideTest, ASaveThroughALinkWritesItsFileAndSpecialFilesAreRefused) {
    testsupport::TempFolder folder;
    fs::create_directory(folder / "real");
    WriteWholeFile(folder / "real" / "data.csv", "old");
    // A link in another folder, relative, and a link to a link.
    fs::create_symlink("real/data.csv", folder / "link.csv");
    fs::create_symlink(folder / "link.csv", folder / "second.csv");
    // A link to a file not yet there: the save makes it.
    fs::create_symlink("real/new.csv", folder / "dangling.csv");
    for (const char* link : {"link.csv", "second.csv"}) {
        SCOPED_TRACE(link);
        WriteWholeFile(folder / "real" / "data.csv", "old");
        SaveNew(folder / link);
        EXPECT_TRUE(fs::is_symlink(folder / link));
        EXPECT_EQ(ReadWholeFile(folder / "real" / "data.csv"), "new");
    }
    SaveNew(folder / "dangling.csv");
    EXPECT_TRUE(fs::is_symlink(folder / "dangling.csv"));
    EXPECT_EQ(ReadWholeFile(folder / "real" / "new.csv"), "new");
    EXPECT_EQ(FileNames(folder / "real"), (std::set<std::string>{"data.csv", "new.csv"}));

    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    fs::create_symlink("pipe", folder / "to-pipe");
    struct Case {
        fs::path target;
        CPSTFileException::Cause cause;
    };
    const Case refused[] = {
        {folder / "pipe", CPSTFileException::accessDenied},
        {folder / "to-pipe", CPSTFileException::accessDenied},
        {"/dev/null", CPSTFileException::accessDenied},
        {folder / "real", CPSTFileException::accessDenied},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.target);
        try {
            TempFileBeside temp(c.target);
            ADD_FAILURE() << "not refused";
        } catch (const CPSTFileException& error) {
            EXPECT_EQ(error.cause(), c.cause);
            EXPECT_EQ(error.path(), c.target);
        }
    }
    EXPECT_EQ(fs::status(folder / "pipe").type(), fs::file_type::fifo);
    EXPECT_EQ(fs::status("/dev/null").type(), fs::file_type::character);
}

}  // namespace
}  // namespace platform
