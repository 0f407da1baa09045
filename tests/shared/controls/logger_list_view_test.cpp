// The logger-list grid driven by its widgets: add, delete, clear, copy and paste, move, sort, the
// configure caption's colour and the connect button.
#include "shared/controls/logger_list_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>

#include "platform/base/message_box_flags.h"
#include "shared/controls/logger_list_clipboard.h"
#include "shared/controls/logger_list_doc.h"
#include "shared/controls/logger_list_ids.h"
#include "shared/controls/logger_list_model.h"
#include "shared/loggerlist/logger_list_io.h"
#include "tests/shared/controls/fake_logger_list_host.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/ui/recording_desktop_services.h"

namespace {

using Button = CLoggerListView::Button;

// A list document of `count` entries with serial numbers "S0", "S1"... in a view.
class LoggerListViewTest : public testsupport::QtTest {
protected:
    LoggerListViewTest() { QGuiApplication::clipboard()->clear(); }

    struct Shown {
        std::unique_ptr<CLoggerListDoc> document;
        std::unique_ptr<CLoggerListView> view;
    };

    Shown Show(int count) {
        Shown shown{std::make_unique<CLoggerListDoc>(host_), std::make_unique<CLoggerListView>()};
        shown.document->OnNewDocument();
        for (int index = 1; index < count; ++index) {
            shown.document->InsertNewLogger(-1);
        }
        for (int index = 0; index < count; ++index) {
            shown.document->GetLogger(static_cast<std::size_t>(index)).SetSerial("S" + std::to_string(index));
        }
        shown.document->SetModifiedFlag(false);
        shown.view->AttachDocument(shown.document.get());
        shown.view->OnInitialUpdate();
        shown.view->resize(800, 400);
        return shown;
    }

    static std::vector<std::string> Serials(CLoggerListDoc& document) {
        std::vector<std::string> serials;
        for (std::size_t index = 0; index < document.GetCount(); ++index) {
            serials.push_back(document.GetLogger(index).GetSerial());
        }
        return serials;
    }

    static void Select(CLoggerListView& view, std::initializer_list<int> rows) {
        view.Grid()->clearSelection();
        for (const int row : rows) {
            view.Grid()->selectionModel()->select(view.Grid()->model()->index(row, 0),
                                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }

    static void Click(CLoggerListView& view, Button button) { view.SideButton(button)->click(); }

    testsupport::FakeLoggerListHost host_;
    testsupport::ScriptedUiBroker broker_{IDOK};
    testsupport::RecordingDesktopServices desktop_;
};

TEST_F(LoggerListViewTest, AddsUpToAThousandEntries) {
    Shown shown = Show(998);
    Click(*shown.view, Button::kAddButton);
    EXPECT_TRUE(shown.document->IsModified());
    Click(*shown.view, Button::kAddButton);
    ASSERT_EQ(shown.document->GetCount(), 1000u);
    EXPECT_EQ(shown.view->Grid()->model()->rowCount(), 1000);
    const CLogger& added = shown.document->GetLogger(999);
    EXPECT_EQ(added.GetConnectType(), kConnectNetwork);
    EXPECT_EQ(added.GetDataFolder(), "/home/me/Data");
    EXPECT_TRUE(broker_.Boxes().empty());

    Click(*shown.view, Button::kAddButton);
    EXPECT_EQ(shown.document->GetCount(), 1000u);
    ASSERT_EQ(broker_.Boxes().size(), 1u);
    EXPECT_EQ(broker_.Boxes()[0].ids.promptId, IDS_LIST_FULL);
}

TEST_F(LoggerListViewTest, AViewGivenAnotherDocumentActsOncePerClick) {
    Shown shown = Show(2);
    CLoggerListDoc next(host_);
    next.OnNewDocument();
    shown.view->AttachDocument(&next);
    shown.view->OnInitialUpdate();
    Click(*shown.view, Button::kAddButton);
    EXPECT_EQ(next.GetCount(), 2u);
}

TEST_F(LoggerListViewTest, DeletesOneSeveralAndAllRows) {
    struct Case {
        std::initializer_list<int> rows;
        std::vector<std::string> left;
    };
    const Case cases[] = {
        {{1}, {"S0", "S2", "S3"}},
        {{0, 2, 3}, {"S1"}},
        {{0, 1, 2, 3}, {""}},  // one entry stays, with its defaults
        {{}, {"S0", "S1", "S2", "S3"}},
    };
    for (const Case& c : cases) {
        Shown shown = Show(4);
        Select(*shown.view, c.rows);
        Click(*shown.view, Button::kDeleteButton);
        EXPECT_EQ(Serials(*shown.document), c.left);
        EXPECT_EQ(shown.view->Grid()->model()->rowCount(), static_cast<int>(c.left.size()));
    }
    Shown last = Show(4);
    Select(*last.view, {0, 1, 2, 3});
    Click(*last.view, Button::kDeleteButton);
    EXPECT_EQ(last.document->GetLogger(0), CLogger(host_.EntryDefaults()));
}

TEST_F(LoggerListViewTest, ClearKeepsTheScheduleAndItsSwitch) {
    Shown shown = Show(2);
    CLogger& entry = shown.document->GetLogger(1);
    CLogger::ScheduleBlock block = entry.GetScheduleBlock();
    block[0] = 4;
    entry.SetScheduleBlock(block);
    entry.SetScheduleOn(true);
    entry.SetPhoneOrAddress("10.1.1.1");
    Select(*shown.view, {1});
    ASSERT_TRUE(shown.view->OnCommand(host_.CommandIds().clear));
    EXPECT_EQ(entry.GetSerial(), "");
    EXPECT_EQ(entry.GetPhoneOrAddress(), "");
    EXPECT_EQ(entry.GetCallInterval(), 4);
    EXPECT_TRUE(entry.IsScheduleOn());
    EXPECT_EQ(shown.document->GetLogger(0).GetSerial(), "S0");
}

TEST_F(LoggerListViewTest, CopyAndPasteWithinAListAndIntoAnother) {
    Shown first = Show(3);
    EXPECT_FALSE(first.view->SideButton(Button::kPasteButton)->isEnabled());
    Select(*first.view, {2});
    Click(*first.view, Button::kCopyButton);
    EXPECT_TRUE(first.view->SideButton(Button::kPasteButton)->isEnabled());
    Select(*first.view, {0});
    Click(*first.view, Button::kPasteButton);
    EXPECT_EQ(Serials(*first.document), (std::vector<std::string>{"S2", "S0", "S1", "S2"}));

    Shown second = Show(1);
    second.document->GetLogger(0).SetSerial("B");
    Select(*second.view, {0});
    ASSERT_TRUE(second.view->SideButton(Button::kPasteButton)->isEnabled());
    Click(*second.view, Button::kPasteButton);
    EXPECT_EQ(Serials(*second.document), (std::vector<std::string>{"S2", "B"}));
    EXPECT_EQ(second.document->GetLogger(0), first.document->GetLogger(3));
    EXPECT_EQ(desktop_.Beeps(), 0);

    // Copy needs exactly one row.
    Select(*first.view, {0, 1});
    Click(*first.view, Button::kCopyButton);
    EXPECT_EQ(desktop_.Beeps(), 1);
}

TEST_F(LoggerListViewTest, PasteWithoutAnEntryOnTheClipboardAddsNothing) {
    Shown shown = Show(2);
    const auto pasteOnce = [&] {
        Select(*shown.view, {1});
        shown.view->OnCommand(host_.CommandIds().paste);
        EXPECT_EQ(shown.document->GetCount(), 2u);
    };
    pasteOnce();
    auto* other = new QMimeData;
    other->setData(kLoggerEntryMimeType, QByteArray("KIVO\0short", 10));
    QGuiApplication::clipboard()->setMimeData(other);
    pasteOnce();
    EXPECT_EQ(desktop_.Beeps(), 2);
    EXPECT_FALSE(shown.document->IsModified());
}

TEST_F(LoggerListViewTest, MovesAndBeepsAtBothEnds) {
    Shown shown = Show(3);
    Select(*shown.view, {0});
    EXPECT_FALSE(shown.view->SideButton(Button::kUpButton)->isEnabled());
    shown.view->OnCommand(host_.CommandIds().moveUp);
    EXPECT_EQ(desktop_.Beeps(), 1);
    Click(*shown.view, Button::kDownButton);
    Click(*shown.view, Button::kDownButton);
    EXPECT_EQ(Serials(*shown.document), (std::vector<std::string>{"S1", "S2", "S0"}));
    EXPECT_EQ(shown.view->SelectedRows(), std::vector<int>{2});
    shown.view->OnCommand(host_.CommandIds().moveDown);
    EXPECT_EQ(desktop_.Beeps(), 2);
    Click(*shown.view, Button::kUpButton);
    EXPECT_EQ(Serials(*shown.document), (std::vector<std::string>{"S1", "S0", "S2"}));
}

TEST_F(LoggerListViewTest, SortsOnTheSerialHeaderAscendingThenDescending) {
    Shown shown = Show(4);
    const std::pair<const char*, const char*> entries[] = {
        {"AB", "z"}, {"ABC", "a"}, {"AB", "b"}, {"A|", "x"}};
    for (std::size_t index = 0; index < 4; ++index) {
        shown.document->GetLogger(index).SetSerial(entries[index].first);
        shown.document->GetLogger(index).SetDescription(entries[index].second);
    }
    QHeaderView* header = shown.view->Grid()->horizontalHeader();
    const auto clickSerialHeader = [&] { emit header->sectionClicked(CLoggerListModel::kSerialColumn); };
    const auto order = [&] {
        std::vector<std::string> keys;
        for (std::size_t index = 0; index < 4; ++index) {
            keys.push_back(shown.document->GetLogger(index).GetSerial() + "/" +
                           shown.document->GetLogger(index).GetDescription());
        }
        return keys;
    };
    clickSerialHeader();
    EXPECT_EQ(order(), (std::vector<std::string>{"AB/b", "AB/z", "ABC/a", "A|/x"}));
    clickSerialHeader();
    EXPECT_EQ(order(), (std::vector<std::string>{"A|/x", "ABC/a", "AB/z", "AB/b"}));
    EXPECT_TRUE(shown.document->IsModified());
}

TEST_F(LoggerListViewTest, ConfigureCaptionIsGreenWhileScheduled) {
    Shown shown = Show(2);
    shown.document->GetLogger(1).SetScheduleOn(true);
    const QAbstractItemModel* model = shown.view->Grid()->model();
    EXPECT_FALSE(model->index(0, CLoggerListModel::kConfigureColumn).data(Qt::ForegroundRole).isValid());
    EXPECT_EQ(
        model->index(1, CLoggerListModel::kConfigureColumn).data(Qt::ForegroundRole).value<QBrush>().color(),
        QColor(0, 255, 0));
}

TEST_F(LoggerListViewTest, ConnectsByTheEntrysType) {
    Shown shown = Show(4);
    CLogger& direct = shown.document->GetLogger(0);
    direct.SetConnectType(kConnectDirect);
    direct.SetComPort("ttyUSB1");
    direct.SetBaudRate(9600);
    CLogger& modem = shown.document->GetLogger(1);
    modem.SetConnectType(kConnectModem);
    modem.SetPhoneOrAddress("5550100");
    CLogger& network = shown.document->GetLogger(2);
    network.SetPhoneOrAddress("127.0.0.1");
    network.SetNetPort("42400");
    shown.document->GetLogger(3).SetConnectType(0);
    for (int row = 0; row < 4; ++row) {
        shown.view->OnClickedButton(row, CLoggerListModel::kConnectColumn);
    }
    EXPECT_EQ(host_.connections, (std::vector<std::string>{"direct ttyUSB1 9600", "modem 5550100 57600",
                                                           "network 127.0.0.1 42400"}));
    EXPECT_EQ(desktop_.Beeps(), 1);  // type 0

    host_.sessionRunning = true;
    shown.view->OnClickedButton(0, CLoggerListModel::kConnectColumn);
    EXPECT_EQ(host_.connections.size(), 3u);
    ASSERT_EQ(broker_.Boxes().size(), 1u);
    EXPECT_EQ(broker_.Boxes()[0].ids.promptId, IDS_LIST_SESSION_RUNNING);
}

TEST_F(LoggerListViewTest, EditsRefuseCharactersTheRecordCannotHold) {
    Shown shown = Show(1);
    QAbstractItemModel* model = shown.view->Grid()->model();
    const QModelIndex serial = model->index(0, CLoggerListModel::kSerialColumn);
    EXPECT_TRUE(model->setData(serial, QString::fromUtf8("Caf\u00e9 \u20ac"), Qt::EditRole));
    EXPECT_EQ(shown.document->GetLogger(0).GetSerial(), "Caf\xe9 \x80");
    EXPECT_FALSE(model->setData(serial, QString::fromUtf8("\u4e2d"), Qt::EditRole));
    EXPECT_EQ(shown.document->GetLogger(0).GetSerial(), "Caf\xe9 \x80");
    EXPECT_TRUE(model->setData(model->index(0, CLoggerListModel::kDescriptionColumn), QString(40, 'd'),
                               Qt::EditRole));
    EXPECT_EQ(shown.document->GetLogger(0).GetDescription(), std::string(20, 'd'));
}

TEST_F(LoggerListViewTest, SaveStoresTheCellBeingEdited) {
    testsupport::TempFolder folder;
    Shown shown = Show(2);
    shown.view->show();
    const QModelIndex serial = shown.view->Grid()->model()->index(1, CLoggerListModel::kSerialColumn);
    shown.view->Grid()->setCurrentIndex(serial);
    shown.view->Grid()->edit(serial);
    auto* editor = shown.view->Grid()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("TYPED");
    ASSERT_TRUE(shown.document->OnSaveDocument(folder / "list.lst"));
    EXPECT_EQ(shown.document->GetLogger(1).GetSerial(), "TYPED");
    CLoggerList saved({57600, 2});
    ASSERT_TRUE(OpenLoggerList(folder / "list.lst", saved, "ttyS0").opened);
    EXPECT_EQ(saved.GetLogger(1).GetSerial(), "TYPED");
}

}  // namespace
