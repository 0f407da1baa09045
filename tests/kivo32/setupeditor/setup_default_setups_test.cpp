// Default setups loaded into the form: the edited model stays, every hardware channel takes the
// transformers the user gives, each passes the wiring check without a question, and a cancelled
// question or an unreadable file changes nothing. The CT kind's catalogue choices.
#include <QLineEdit>
#include <QPushButton>

#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setuprules/default_setups.h"
#include "platform/base/byte_order.h"
#include "platform/base/message_box_flags.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table_file.h"
#include "tests/kivo32/setupeditor/setup_form_fixture.h"

namespace {

// The form with the user's answers to the transformer question and the catalogue scripted.
class ScriptedSetupView : public CSetupTableView {
public:
    static inline std::optional<DefaultCTs> transformers;
    static inline std::optional<CTChoice> catalogue;

protected:
    std::optional<DefaultCTs> AskDefaultCTs() override { return transformers; }
    std::optional<CTChoice> ChooseCatalogueCT() override { return catalogue; }
};

std::vector<std::uint8_t> TableBytes(const CSetupTable& table) {
    std::vector<std::uint8_t> bytes;
    platform::ByteWriter writer(bytes, platform::ByteOrder::Little);
    table.Write(writer, true, true);
    return bytes;
}

class SetupDefaultsTest : public setupeditortest::SetupFormTest {
protected:
    platform::View* MakeView() override { return new ScriptedSetupView; }
    void SetUp() override {
        SetupFormTest::SetUp();
        ScriptedSetupView::transformers = CSetupTableView::DefaultCTs{};
        ScriptedSetupView::catalogue.reset();
    }

    std::filesystem::path WriteDefault(DefaultWiring wiring, bool quarven) {
        const auto path = folder_ / DefaultSetupFileName(wiring, quarven);
        CFileHeader header;
        header.SetKind(CFileHeader::kKindSetupTable);
        CPSTFileException error;
        EXPECT_EQ(WriteSetupTableFile(path, header, MakeDefaultSetup(wiring, quarven), error),
                  SetupFileResult::kOk);
        return path;
    }
    QWidget* Cell(CSetupTableView* view, int channel, int column) {
        const int model = view->GetDocument()->GetSetupTable().GetModelCode();
        return Find<QWidget>(view,
                             PageCells(model, view->GetControlIdTables()).GetValueControlId(channel, column));
    }
};

TEST_F(SetupDefaultsTest, EveryDefaultLoadsIntoModels2And13And14WithTheGivenTransformers) {
    // The line frequency the program proposes is the files' own.
    context_.defaultSUTLineFreq = "60";
    struct Case {
        int model;
        bool fixed;
    };
    for (const Case& c : {Case{2, false}, Case{13, false}, Case{13, true}, Case{14, true}}) {
        const bool quarven = c.model >= 13;
        for (const DefaultWiring wiring : kDefaultWirings) {
            SCOPED_TRACE(testing::Message() << "model " << c.model << " wiring " << static_cast<int>(wiring)
                                            << " fixed " << c.fixed);
            ScriptedSetupView::transformers =
                CSetupTableView::DefaultCTs{c.fixed, c.fixed ? 5000.0f : 250.0f, c.fixed ? 0.0f : 1.5f};
            CSetupTableView* view = Open(setupeditortest::SetupOf(c.model), 160);
            ASSERT_NE(view, nullptr);
            CSUTDoc* document = view->GetDocument();
            document->SetModifiedFlag(false);
            EXPECT_EQ(view->GetLastDefaultCommand(), 0u);
            auto* picture = Find<QPushButton>(view, ID_SUT_WIRING_PICTURE);
            EXPECT_FALSE(picture->isVisibleTo(view));
            view->OnCommand(ID_SUT_WIRING_PICTURE);  // nothing loaded yet: no picture
            view->LoadDefaultSetup(WriteDefault(wiring, quarven), DefaultSetupCommand(wiring));
            EXPECT_TRUE(picture->isVisibleTo(view));
            broker_.AnswerDialog("CPictureDlg", IDOK);
            view->OnCommand(ID_SUT_WIRING_PICTURE);
            const CSetupTable& table = document->GetSetupTable();
            EXPECT_EQ(table.GetModelCode(), c.model);
            EXPECT_EQ(table.GetHeader().GetFirmwareVersion(), 160);
            EXPECT_EQ(view->GetLastDefaultCommand(), DefaultSetupCommand(wiring));
            EXPECT_TRUE(document->IsModified());
            const CSetupTable made = MakeDefaultSetup(wiring, quarven);
            for (int channel = 0; channel < 4; ++channel) {
                const CSUTChannelHardware& record = table.GetHardwareChannel(channel);
                EXPECT_EQ(record.GetType(), made.GetHardwareChannel(channel).GetType());
                EXPECT_EQ(view->GetChannelState(channel).type, record.GetType());
                EXPECT_EQ(record.GetCTSize(), ScriptedSetupView::transformers->rating);
                if (quarven) {
                    EXPECT_EQ(record.GetCTType(), c.fixed ? 1 : 0);
                    EXPECT_EQ(record.GetPhaseShift(), c.fixed ? 0.0f : 1.5f);
                }
                if (quarven && record.GetType() == kChannelPower) {
                    EXPECT_EQ(Cell(view, channel, kColumnCTRating)->isEnabled(), !c.fixed);
                    EXPECT_EQ(Cell(view, channel, kColumnSecondCT)->isEnabled(), !c.fixed);
                }
            }
            // Sound wiring: saved without a question, the form's values unchanged by the transfer.
            const std::vector<std::uint8_t> loaded = TableBytes(table);
            ASSERT_TRUE(view->ValidateSetup(false, true));
            if (!c.fixed) {
                EXPECT_EQ(TableBytes(table), loaded);
            }
            // The loading is over: a later edit marks the document modified.
            document->SetModifiedFlag(false);
            auto* name = Find<QLineEdit>(view, IDC_FORM_SETUP_NAME);
            EXPECT_EQ(name->text().toStdString(), kDefaultSetupName);
            auto* interval = Find<QComboBox>(view, IDC_FORM_INTERVAL);
            interval->setCurrentIndex(interval->findData(0));
            emit interval->activated(interval->currentIndex());
            EXPECT_TRUE(document->IsModified());
            document->SetModifiedFlag(false);
            ASSERT_TRUE(CloseFrameOf(document));
        }
    }
    // Only the wiring pictures were shown.
    for (const auto& asked : broker_.Asked()) {
        EXPECT_EQ(asked.kind, "CPictureDlg");
    }
}

TEST_F(SetupDefaultsTest, ACancelledQuestionOrAnUnreadableFileChangesNothing) {
    CSetupTableView* view = Open(setupeditortest::SetupOf(2), 160);
    ASSERT_NE(view, nullptr);
    CSUTDoc* document = view->GetDocument();
    document->SetModifiedFlag(false);
    const std::vector<std::uint8_t> before = TableBytes(document->GetSetupTable());
    const auto path = WriteDefault(DefaultWiring::k3P4W, false);

    ScriptedSetupView::transformers.reset();
    view->LoadDefaultSetup(path, DefaultSetupCommand(DefaultWiring::k3P4W));
    EXPECT_EQ(TableBytes(document->GetSetupTable()), before);

    ScriptedSetupView::transformers = CSetupTableView::DefaultCTs{};
    std::filesystem::resize_file(path, 100);
    broker_.AnswerMessageBox(IDOK);
    view->LoadDefaultSetup(path, DefaultSetupCommand(DefaultWiring::k3P4W));
    EXPECT_EQ(TableBytes(document->GetSetupTable()), before);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(view->GetLastDefaultCommand(), 0u);
    // Other toggle buttons do nothing.
    view->OnDefaultSetupCommand(32884);
    view->OnDefaultSetupCommand(32889);
    EXPECT_EQ(TableBytes(document->GetSetupTable()), before);
}

TEST_F(SetupDefaultsTest, ACatalogueCTTakesItsValuesByItsOutputKind) {
    CSetupTableView* view = Open(setupeditortest::SetupOf(13));
    ASSERT_NE(view, nullptr);
    auto* kind = static_cast<QComboBox*>(Cell(view, 0, kColumnCTKind));
    auto* rating = static_cast<QLineEdit*>(Cell(view, 0, kColumnCTRating));
    auto* second = static_cast<QLineEdit*>(Cell(view, 0, kColumnSecondCT));
    ScriptedSetupView::catalogue = CTChoice{"Clamp 600", "MV", "600", "0.85"};
    kind->setCurrentIndex(0);
    emit kind->activated(0);
    EXPECT_EQ(kind->currentIndex(), 1);
    EXPECT_EQ(rating->text(), "600");
    EXPECT_EQ(second->text(), "0.85");
    EXPECT_TRUE(rating->isEnabled());
    ASSERT_TRUE(view->ValidateSetup(false, false));
    EXPECT_EQ(view->GetDocument()->GetSetupTable().GetHardwareChannel(0).GetCTSize(), 600.0f);

    ScriptedSetupView::catalogue = CTChoice{"Coil 3000", "RC", "3000", "0"};
    kind->setCurrentIndex(0);
    emit kind->activated(0);
    EXPECT_EQ(kind->currentIndex(), 2);
    EXPECT_EQ(rating->text(), "5000.0");
    EXPECT_EQ(second->text(), "0.00");
    EXPECT_FALSE(second->isEnabled());
}

}  // namespace
