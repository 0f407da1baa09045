// Tests of the logger-list file: golden bytes of new and two-entry lists, the version rules with the
// conversion of older lists, the refusal of damaged files with nothing kept, and the lock.
#include "shared/loggerlist/logger_list_file.h"

#include <gtest/gtest.h>

#include "platform/base/message_box_flags.h"
#include "shared/loggerlist/logger_list_io.h"
#include "shared/loggerlist/logger_list_lock.h"
#include "shared/loggerlist/loggerlist_ids.h"
#include "tests/shared/loggerlist/entry_bytes.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace {

using namespace entrybytes;

const LoggerDefaults kKivo{57600, 2};

Bytes FileBytes(const std::filesystem::path& path) {
    const std::string text = testsupport::ReadWholeFile(path);
    return Bytes(text.begin(), text.end());
}

Bytes NetworkEntry(const std::string& folder) {
    Bytes entry = Kivo32Entry();
    entry[250] = 3;
    entry[442] = 3;
    const Bytes text = golden::Text(folder, 128);
    std::copy(text.begin(), text.end(), entry.begin() + 102);
    return entry;
}

// A 434-byte record: serial, type byte at old 222 (16-bit) and the one-byte copy at old 414.
Bytes OldEntry(const std::string& serial, std::uint8_t type16, std::uint8_t type8) {
    Bytes entry = golden::Text(serial, 6) + Zeros(27) + golden::Text("555-0100", 22) +
                  golden::Text("3001", 8) + golden::Text("COM2", 12) + Zeros(128 + 13) +
                  Hex("00 E1 00 00 00 00") + Hex("00 00") + Zeros(18) + Hex("01 02 FF FF FF FF") +
                  Zeros(154) + Hex("01 00 FF FF FF FF 64 00") + Zeros(4) + Zeros(1) + Zeros(19);
    entry[222] = type16;
    entry[414] = type8;
    return entry;
}

class LoggerListFileTest : public ::testing::Test {
protected:
    std::filesystem::path Write(const Bytes& bytes) {
        const auto path = folder_ / "list.lst";
        testsupport::WriteWholeFile(path, std::string(bytes.begin(), bytes.end()));
        return path;
    }

    testsupport::TempFolder folder_;
    testsupport::ScriptedUiBroker broker_;
};

TEST_F(LoggerListFileTest, NewListSavedAtOnce) {
    CLoggerList list(kKivo);
    list.NewList("/home/me/Data");
    EXPECT_FALSE(list.IsModified());
    const auto path = folder_ / "new.lst";
    ASSERT_TRUE(SaveLoggerList(path, list));
    const Bytes expected =
        ListHeader(Hex("2E 01")) + Hex("01 00") + FirstTag() + NetworkEntry("/home/me/Data");
    ASSERT_EQ(expected.size(), 519u);
    EXPECT_EQ(FileBytes(path), expected);
}

TEST_F(LoggerListFileTest, TwoEntriesReadAndWrittenByteForByte) {
    Bytes second = Kivo32Entry();
    second[0] = 'B';
    const Bytes file =
        ListHeader(Hex("2E 01")) + Hex("02 00") + FirstTag() + Kivo32Entry() + Hex("01 80") + second;
    CLoggerList list(kKivo);
    const LoggerListOpened opened = OpenLoggerList(Write(file), list, "ttyS0");
    ASSERT_TRUE(opened.opened);
    EXPECT_FALSE(opened.readOnly);
    EXPECT_FALSE(list.IsModified());
    ASSERT_EQ(list.GetCount(), 2u);
    EXPECT_EQ(list.GetLogger(1).GetSerial(), "B");
    EXPECT_EQ(WriteLoggerList(list.Header(), list.Entries()), file);
    EXPECT_TRUE(broker_.Asked().empty());
}

TEST_F(LoggerListFileTest, VersionRules) {
    const Bytes old =
        Hex("02 00") + FirstTag() + OldEntry("AB1", 0, 1) + Hex("01 80") + OldEntry("AB2", 0, 3);
    struct Case {
        const char* what;
        Bytes file;
        std::optional<int> answer;  // to the conversion question
        unsigned message;           // 0 for none
        bool opened;
    };
    const Case cases[] = {
        {"300, Yes", ListHeader(Hex("2C 01")) + old, IDYES, IDS_LIST_CONVERT_OLD, true},
        {"300, No", ListHeader(Hex("2C 01")) + old, IDNO, IDS_LIST_CONVERT_OLD, false},
        {"300, Cancel", ListHeader(Hex("2C 01")) + old, IDCANCEL, IDS_LIST_CONVERT_OLD, false},
        {"301", ListHeader(Hex("2D 01")) + old, std::nullopt, 0, true},
        {"303", ListHeader(Hex("2F 01")) + Hex("01 00") + FirstTag() + Kivo32Entry(), std::nullopt,
         IDS_LIST_NOT_A_LIST, false},
        {"kind 1", ListHeader(Hex("2E 01"), Hex("01 00")) + Hex("01 00") + FirstTag() + Kivo32Entry(),
         std::nullopt, IDS_LIST_NOT_A_LIST, false},
    };
    for (const Case& c : cases) {
        testsupport::ScriptedUiBroker broker;
        if (c.message != 0) {
            broker.AnswerRequest<LoggerListMessageRequest>(c.answer.value_or(IDOK));
        }
        CLoggerList list(kKivo);
        list.NewList("/kept");
        const auto path = Write(c.file);
        const LoggerListOpened opened = OpenLoggerList(path, list, "ttyUSB3");
        EXPECT_EQ(opened.opened, c.opened) << c.what;
        if (c.message != 0) {
            ASSERT_EQ(broker.Asked().size(), 1u) << c.what;
            EXPECT_EQ(broker.Asked()[0].As<LoggerListMessageRequest>().messageId, c.message) << c.what;
            EXPECT_EQ(broker.Asked()[0].As<LoggerListMessageRequest>().path, path.string()) << c.what;
        } else {
            EXPECT_TRUE(broker.Asked().empty()) << c.what;
        }
        if (!c.opened) {
            ASSERT_EQ(list.GetCount(), 1u) << c.what;
            EXPECT_EQ(list.GetLogger(0).GetDataFolder(), "/kept") << c.what;
            continue;
        }
        EXPECT_TRUE(list.IsModified()) << c.what;
        EXPECT_EQ(list.Header().GetVersion(), 302) << c.what;
        ASSERT_EQ(list.GetCount(), 2u) << c.what;
        EXPECT_EQ(list.GetLogger(0).GetSerial(), "AB1");
        const bool converted = c.answer.has_value();
        // Converted: types from their one-byte copies, the direct entry on the program's port.
        EXPECT_EQ(list.GetLogger(0).GetConnectType(), converted ? 1 : 0) << c.what;
        EXPECT_EQ(list.GetLogger(0).GetComPort(), converted ? "ttyUSB3" : "COM2") << c.what;
        EXPECT_EQ(list.GetLogger(0).GetPhoneOrAddress(), converted ? "" : "555-0100") << c.what;
        EXPECT_EQ(list.GetLogger(1).GetConnectType(), converted ? 3 : 0) << c.what;
        EXPECT_EQ(list.GetLogger(1).GetPhoneOrAddress(), "555-0100") << c.what;
        // Written again as a list of version 302 with the widened records.
        LoggerListContent again;
        ASSERT_EQ(ReadLoggerList(WriteLoggerList(list.Header(), list.Entries()), kKivo, again),
                  LoggerListRead::kOk);
        EXPECT_EQ(again.entries, list.Entries());
    }
}

TEST_F(LoggerListFileTest, DamagedFilesAreRefusedWithNothingKept) {
    const Bytes one = ListHeader(Hex("2E 01")) + Hex("02 00") + FirstTag() + Kivo32Entry() + Hex("01 80");
    const Bytes cases[] = {
        one + Kivo32Entry(),                                                // a whole list, cut below
        ListHeader(Hex("2E 01")) + Hex("01 00") + FirstTag() + Zeros(461),  // truncated record
        one,                                                                // cut between entries
        ListHeader(Hex("2E 01")) + Hex("FF FF FF FF FF 0F") + FirstTag() + Kivo32Entry(),  // huge count
        ListHeader(Hex("2E 01")) + Hex("00 00"),                                           // no entry
        ListHeader(Hex("2E 01")) + Hex("01 00") + Hex("FF FF 01 00 07 00") +
            Bytes{'C', 'L', 'o', 'g', 'g', 'e', 'x'} + Kivo32Entry(),  // another class
        ListHeader(Hex("2E 01")) + Hex("02 00") + FirstTag() + Kivo32Entry() + Hex("02 80") + Kivo32Entry(),
        Zeros(41),
    };
    for (std::size_t index = 1; index < std::size(cases); ++index) {
        testsupport::ScriptedUiBroker broker;
        broker.AnswerRequest<LoggerListMessageRequest>(IDOK);
        CLoggerList list(kKivo);
        list.NewList("/kept");
        EXPECT_FALSE(OpenLoggerList(Write(cases[index]), list, "ttyS0").opened) << index;
        ASSERT_EQ(broker.Asked().size(), 1u) << index;
        EXPECT_EQ(broker.Asked()[0].As<LoggerListMessageRequest>().messageId, IDS_LIST_DAMAGED) << index;
        ASSERT_EQ(list.GetCount(), 1u) << index;
        EXPECT_EQ(list.GetLogger(0).GetDataFolder(), "/kept") << index;
    }
    CLoggerList whole(kKivo);
    EXPECT_TRUE(OpenLoggerList(Write(cases[0]), whole, "ttyS0").opened);
}

TEST_F(LoggerListFileTest, HeldListOpensReadOnlyAndIsNotSavedOver) {
    CLoggerList list(kKivo);
    list.NewList("/d");
    const auto path = folder_ / "held.lst";
    ASSERT_TRUE(SaveLoggerList(path, list));
    const Bytes saved = FileBytes(path);

    auto hold = LoggerListHold::Take(path);
    ASSERT_TRUE(hold.has_value());
    broker_.AnswerRequest<LoggerListMessageRequest>(IDOK);
    broker_.AnswerRequest<LoggerListMessageRequest>(IDOK);
    CLoggerList opened(kKivo);
    const LoggerListOpened result = OpenLoggerList(path, opened, "ttyS0");
    EXPECT_TRUE(result.opened);
    EXPECT_TRUE(result.readOnly);
    opened.GetLogger(0).SetSerial("changed");
    EXPECT_FALSE(SaveLoggerList(path, opened));
    EXPECT_EQ(FileBytes(path), saved);
    ASSERT_EQ(broker_.Asked().size(), 2u);
    for (const auto& asked : broker_.Asked()) {
        EXPECT_EQ(asked.As<LoggerListMessageRequest>().messageId, IDS_LIST_READ_ONLY);
    }

    hold.reset();
    EXPECT_TRUE(SaveLoggerList(path, opened));
    EXPECT_NE(FileBytes(path), saved);
}

}  // namespace
