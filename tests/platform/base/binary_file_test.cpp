// Tests of the binary file, its error causes, the file exception and safe replacing.
#include "platform/base/binary_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace platform {
namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;
using testsupport::ReadWholeFile;
using testsupport::WriteWholeFile;

// Runs `operation` and returns the exception it must throw.
CPSTFileException ThrownBy(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const CPSTFileException& error) {
        return error;
    }
    ADD_FAILURE() << "no CPSTFileException thrown";
    return {};
}

TEST(FileExceptionTest, AFreshRecordHoldsNoError) {
    const CPSTFileException error;
    EXPECT_EQ(error.cause(), CPSTFileException::none);
    EXPECT_EQ(error.osError(), -1);
    EXPECT_TRUE(error.path().empty());
}

TEST(FileExceptionTest, DescribesCausePathAndSystemMessage) {
    const auto error = CPSTFileException::FromErrno(ENOENT, "/data/a.dat");
    EXPECT_EQ(error.cause(), CPSTFileException::fileNotFound);
    EXPECT_EQ(error.osError(), ENOENT);
    EXPECT_EQ(std::string(error.what()), "file not found: /data/a.dat: No such file or directory");
}

TEST(BinaryFileTest, OpenFailuresCarryCauseErrnoAndPath) {
    testsupport::TempFolder folder;
    WriteWholeFile(folder / "plain", "x");
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    struct Case {
        const char* what;
        fs::path path;
        BinaryFile::Mode mode;
        CPSTFileException::Cause cause;
        int error;
    };
    const Case cases[] = {
        {"missing file", folder / "missing.dat", BinaryFile::Mode::Read, CPSTFileException::fileNotFound,
         ENOENT},
        {"missing folder", folder / "no" / "a.dat", BinaryFile::Mode::Create, CPSTFileException::fileNotFound,
         ENOENT},
        {"file used as folder", folder / "plain" / "a.dat", BinaryFile::Mode::Read,
         CPSTFileException::badPath, ENOTDIR},
        {"folder read as file", folder.path(), BinaryFile::Mode::Read, CPSTFileException::accessDenied,
         EISDIR},
        {"folder written as file", folder.path(), BinaryFile::Mode::ReadWrite,
         CPSTFileException::accessDenied, EISDIR},
        // Refused at once: a pipe without a writer would hold the open for ever.
        {"pipe read as file", folder / "pipe", BinaryFile::Mode::Read, CPSTFileException::accessDenied, -1},
        {"pipe written as file", folder / "pipe", BinaryFile::Mode::Create, CPSTFileException::accessDenied,
         -1},
        {"device read as file", "/dev/null", BinaryFile::Mode::Read, CPSTFileException::accessDenied, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto thrown = ThrownBy([&] { BinaryFile file(c.path, c.mode); });
        EXPECT_EQ(thrown.cause(), c.cause);
        EXPECT_EQ(thrown.osError(), c.error);
        EXPECT_EQ(thrown.path(), c.path);

        // The non-throwing open fills the same record.
        BinaryFile file;
        CPSTFileException record;
        EXPECT_FALSE(file.Open(c.path, c.mode, record));
        EXPECT_EQ(record.cause(), c.cause);
        EXPECT_EQ(record.path(), c.path);
        EXPECT_FALSE(file.IsOpen());
    }
}

TEST(BinaryFileTest, PermissionDeniedIsAccessDenied) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not bind root";
    }
    testsupport::TempFolder folder;
    WriteWholeFile(folder / "locked", "x");
    fs::permissions(folder / "locked", fs::perms::none);
    const auto thrown = ThrownBy([&] { BinaryFile file(folder / "locked", BinaryFile::Mode::Read); });
    EXPECT_EQ(thrown.cause(), CPSTFileException::accessDenied);
    EXPECT_EQ(thrown.osError(), EACCES);
}

TEST(BinaryFileTest, ShortReadsAreVisibleAndReadExactRefusesThem) {
    testsupport::TempFolder folder;
    const fs::path path = folder / "five.dat";
    WriteWholeFile(path, "12345");
    BinaryFile file(path, BinaryFile::Mode::Read);
    Bytes buffer(10);
    EXPECT_EQ(file.Read(buffer), 5u);
    EXPECT_EQ(file.Read(buffer), 0u) << "at the end";

    file.Seek(2, BinaryFile::Origin::Begin);
    const auto thrown = ThrownBy([&] { file.ReadExact(buffer.data(), 4); });
    EXPECT_EQ(thrown.cause(), CPSTFileException::endOfFile);
    EXPECT_EQ(thrown.path(), path);

    file.Seek(1, BinaryFile::Origin::Begin);
    file.ReadExact(buffer.data(), 4);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 4), "2345");
}

TEST(BinaryFileTest, WritesSeeksAndLengths) {
    testsupport::TempFolder folder;
    const fs::path path = folder / "rw.dat";
    BinaryFile file(path, BinaryFile::Mode::Create);
    file.Write(Bytes{'a', 'b', 'c', 'd'});
    EXPECT_EQ(file.Position(), 4u);
    EXPECT_EQ(file.Seek(-1, BinaryFile::Origin::End), 3u);
    file.Write(Bytes{'D', 'E'});
    EXPECT_EQ(file.Length(), 5u);
    EXPECT_EQ(file.Seek(-2, BinaryFile::Origin::Current), 3u);
    file.SetLength(2);
    EXPECT_EQ(file.Length(), 2u);
    file.Flush(true);
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(ReadWholeFile(path), "ab");

    // Create truncates; ReadWrite keeps.
    BinaryFile(path, BinaryFile::Mode::ReadWrite).Write(Bytes{'X'});
    EXPECT_EQ(ReadWholeFile(path), "Xb");
    BinaryFile(path, BinaryFile::Mode::Create);
    EXPECT_EQ(ReadWholeFile(path), "");
}

TEST(BinaryFileTest, MisuseThrowsWithItsCause) {
    testsupport::TempFolder folder;
    const fs::path path = folder / "a.dat";
    WriteWholeFile(path, "abc");
    BinaryFile readOnly(path, BinaryFile::Mode::Read);
    EXPECT_EQ(ThrownBy([&] { readOnly.Seek(-1, BinaryFile::Origin::Begin); }).cause(),
              CPSTFileException::badSeek);
    EXPECT_EQ(ThrownBy([&] { readOnly.Write(Bytes{'x'}); }).cause(), CPSTFileException::invalidFile)
        << "writing a file opened for reading";
    EXPECT_EQ(ReadWholeFile(path), "abc");

    BinaryFile closed;
    Bytes buffer(1);
    EXPECT_EQ(ThrownBy([&] { closed.Read(buffer); }).cause(), CPSTFileException::invalidFile);
    EXPECT_EQ(ThrownBy([&] { closed.Length(); }).cause(), CPSTFileException::invalidFile);
    EXPECT_NO_THROW(closed.Close());
}

TEST(BinaryFileTest, MovingHandsOverTheOpenFile) {
    testsupport::TempFolder folder;
    const fs::path path = folder / "a.dat";
    BinaryFile first(path, BinaryFile::Mode::Create);
    BinaryFile second(std::move(first));
    EXPECT_FALSE(first.IsOpen());  // NOLINT(bugprone-use-after-move): the moved-from state is defined
    second.Write(Bytes{'1'});
    BinaryFile third;
    third = std::move(second);
    third.Write(Bytes{'2'});
    EXPECT_EQ(third.Path(), path);
    third.Close();
    EXPECT_EQ(ReadWholeFile(path), "12");
}

TEST(SafeReplaceTest, FailuresThrowAndLeaveTheTargetAlone) {
    testsupport::TempFolder folder;
    const fs::path target = folder / "setup.tbl";
    WriteWholeFile(target, "old");
    const auto thrown = ThrownBy([&] { ReplaceFile(folder / "never-written", target); });
    EXPECT_EQ(thrown.cause(), CPSTFileException::fileNotFound);
    EXPECT_EQ(ReadWholeFile(target), "old");
}

}  // namespace
}  // namespace platform
