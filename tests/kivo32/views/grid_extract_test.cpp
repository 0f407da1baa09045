// Extracting a range of a data file: the record and date dialogs' refusals, the dialogs run from the
// application's commands, a date range inside a gap of the records, and the refusal to extract from an
// extract.
#include <gtest/gtest.h>

#include <algorithm>

#include <QPushButton>

#include "kivo32/views/data_grid_commands.h"
#include "kivo32/views/dialog_extract_data_by_date.h"
#include "kivo32/views/dialog_extract_data_by_record.h"
#include "kivo32/views/views_ids.h"
#include "platform/ui/control_id.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "tests/kivo32/views/grid_fixture.h"
#include "tests/support/ui/modal_driver.h"

namespace {

using platform::FindControlAs;

TEST(ExtractDialogsTest, RecordRangeRefusals) {
    struct Case {
        int from;
        int to;
        unsigned refusal;
    };
    const Case cases[] = {
        {1, 10, 0},
        {5, 5, IDS_EXTRACT_RECORD_SAME},
        {0, 10, IDS_EXTRACT_RECORD_NOT_POSITIVE},
        {3, -1, IDS_EXTRACT_RECORD_NOT_POSITIVE},
        {10, 5, IDS_EXTRACT_RECORD_REVERSED},
        {2, 11, IDS_EXTRACT_RECORD_BEYOND_END},
        // Counts beyond 16 bits are ranges like any other.
        {70000, 100000, IDS_EXTRACT_RECORD_BEYOND_END},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CDialogExtractDataByRecord::CheckRange(c.from, c.to, 10), c.refusal) << c.from << ".." << c.to;
    }
    EXPECT_EQ(CDialogExtractDataByRecord::CheckRange(70000, 100000, 200000), 0u);

    // The spins hold a count beyond 16 bits whole.
    testsupport::EnsureQtApplication();
    CDialogExtractDataByRecord dialog(200000);
    dialog.UpdateData(false);
    auto* to = FindControlAs<QSpinBox>(&dialog, IDC_EXTRACT_TO_RECORD);
    ASSERT_NE(to, nullptr);
    EXPECT_EQ(to->maximum(), 200000);
    EXPECT_EQ(to->value(), 200000);
}

TEST(ExtractDialogsTest, DateFieldsAndRangeRefusals) {
    const auto at = [](int hour, int minute, int second) {
        return CDialogExtractDataByDate::FieldsToDate(2024, 3, 15, hour, minute, second);
    };
    EXPECT_EQ(CDialogExtractDataByDate::FieldsToDate(69, 1, 1, 0, 0, 0),
              CDialogExtractDataByDate::FieldsToDate(2069, 1, 1, 0, 0, 0));
    EXPECT_EQ(CDialogExtractDataByDate::FieldsToDate(70, 1, 1, 0, 0, 0),
              CDialogExtractDataByDate::FieldsToDate(1970, 1, 1, 0, 0, 0));
    EXPECT_FALSE(CDialogExtractDataByDate::FieldsToDate(2023, 2, 29, 0, 0, 0));
    EXPECT_FALSE(CDialogExtractDataByDate::FieldsToDate(2024, 13, 1, 0, 0, 0));
    EXPECT_FALSE(CDialogExtractDataByDate::FieldsToDate(2024, 1, 1, 24, 0, 0));

    const double first = *at(10, 0, 0);
    const double last = *at(12, 0, 0);
    struct Case {
        const char* name;
        std::optional<double> from;
        std::optional<double> to;
        unsigned refusal;
    };
    const Case cases[] = {
        {"inside", at(10, 30, 0), at(11, 0, 0), 0},
        {"from invalid", std::nullopt, at(11, 0, 0), IDS_EXTRACT_FROM_INVALID},
        {"to invalid", at(10, 30, 0), std::nullopt, IDS_EXTRACT_TO_INVALID},
        {"from after to", at(11, 30, 0), at(11, 0, 0), IDS_EXTRACT_FROM_NOT_BEFORE_TO},
        {"from equals to", at(11, 0, 0), at(11, 0, 0), IDS_EXTRACT_FROM_NOT_BEFORE_TO},
        {"before the first", at(9, 59, 59), at(11, 0, 0), IDS_EXTRACT_FROM_TOO_EARLY},
        {"after the last", at(10, 30, 0), at(12, 0, 1), IDS_EXTRACT_TO_TOO_LATE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CDialogExtractDataByDate::CheckRange(c.from, c.to, first, last), c.refusal) << c.name;
    }
}

class GridExtractTest : public gridtest::GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        view_ = OpenGrid("site.kivo", gridtest::ChannelsSetup(1),
                         gridtest::Records(96, 1, 900, [](int i, int) { return float(i); }));
        ASSERT_NE(view_, nullptr);
    }
    static void SetText(QWidget* dialog, int id, const char* text) {
        auto* edit = FindControlAs<QLineEdit>(dialog, id);
        ASSERT_NE(edit, nullptr) << id;
        edit->setText(text);
    }

    CRawDataView* view_ = nullptr;
};

TEST_F(GridExtractTest, ExtractByRecordRefusesInPlaceThenMakesTheExtract) {
    testsupport::OnNextModal([&](QWidget* window) {
        auto* dialog = qobject_cast<CDialogExtractDataByRecord*>(window);
        ASSERT_NE(dialog, nullptr);
        auto* from = FindControlAs<QSpinBox>(dialog, IDC_EXTRACT_FROM_RECORD);
        auto* to = FindControlAs<QSpinBox>(dialog, IDC_EXTRACT_TO_RECORD);
        EXPECT_EQ(to->value(), 96);
        EXPECT_EQ(to->maximum(), 96);
        from->setValue(20);
        to->setValue(20);
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        to->setValue(30);
        dialog->accept();
    });
    broker_.AnswerMessageBox(IDOK);
    broker_.AnswerMessageBox(IDOK);
    CRawDataDoc* extract = ExtractDataByRecord(*view_);
    ASSERT_NE(extract, nullptr);
    EXPECT_EQ(extract->GetRawData().GetRecordCount(), 11);
    EXPECT_EQ(broker_.Asked().front().text, LoadText(IDS_EXTRACT_RECORD_SAME));

    // An extract is not extracted from again.
    auto* extractView = dynamic_cast<CRawDataView*>(extract->Views().front());
    broker_.AnswerMessageBox(IDOK);
    EXPECT_EQ(ExtractDataRange(*extractView, 1, 5), nullptr);
    EXPECT_EQ(broker_.Asked().back().caption, "KIVO - " + extract->Title());
}

TEST_F(GridExtractTest, ExtractByDateTakesADay) {
    testsupport::OnNextModal([&](QWidget* window) {
        auto* dialog = qobject_cast<CDialogExtractDataByDate*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(FindControlAs<QLineEdit>(dialog, IDC_EXTRACT_FIRST_TIME)->text(), "03/15/2024 10:00:00");
        EXPECT_EQ(FindControlAs<QLineEdit>(dialog, IDC_EXTRACT_TO_HOUR)->text(), "9");
        EXPECT_EQ(FindControlAs<QLineEdit>(dialog, IDC_EXTRACT_TO_DAY)->text(), "16");
        // The button sets the start's time only.
        SetText(dialog, IDC_EXTRACT_FROM_DAY, "16");
        FindControlAs<QPushButton>(dialog, IDC_EXTRACT_FROM_DAY_START)->click();
        EXPECT_EQ(FindControlAs<QLineEdit>(dialog, IDC_EXTRACT_FROM_SECOND)->text(), "01");
        EXPECT_EQ(FindControlAs<QLineEdit>(dialog, IDC_EXTRACT_TO_HOUR)->text(), "9");
        SetText(dialog, IDC_EXTRACT_TO_HOUR, "8");
        dialog->accept();
    });
    broker_.AnswerMessageBox(IDOK);
    CRawDataDoc* extract = ExtractDataByDate(*view_);
    ASSERT_NE(extract, nullptr);
    // From 00:15 to 08:45 on the 16th: 35 records.
    EXPECT_EQ(extract->GetRawData().GetRecordCount(), 35);
}

TEST_F(GridExtractTest, ExtractByDateInsideAGapSaysThatTheRangeHoldsNoRecord) {
    // Records every 15 minutes from 10:00, none from 15:00 to 19:45.
    std::vector<datafiletest::Bytes> records =
        gridtest::Records(96, 1, 900, [](int i, int) { return float(i); });
    records.erase(records.begin() + 20, records.begin() + 40);
    // The gap is also told when the file opens, from the record-time check's worker.
    broker_.SetDefaultAnswer(IDOK);
    CRawDataView* view = OpenGrid("gap.kivo", gridtest::ChannelsSetup(1), records);
    ASSERT_NE(view, nullptr);
    testsupport::OnNextModal([&](QWidget* window) {
        auto* dialog = qobject_cast<CDialogExtractDataByDate*>(window);
        ASSERT_NE(dialog, nullptr);
        SetText(dialog, IDC_EXTRACT_FROM_HOUR, "16");
        SetText(dialog, IDC_EXTRACT_TO_DAY, "15");
        SetText(dialog, IDC_EXTRACT_TO_HOUR, "17");
        SetText(dialog, IDC_EXTRACT_TO_MINUTE, "30");
        dialog->accept();
    });
    EXPECT_EQ(ExtractDataByDate(*view), nullptr);
    const auto asked = broker_.Asked();
    EXPECT_TRUE(std::any_of(asked.begin(), asked.end(), [](const auto& question) {
        return question.text == LoadText(IDS_EXTRACT_NO_RECORDS_IN_RANGE);
    }));
    EXPECT_EQ(documents_.Templates().front()->Documents().size(), 2u);
}

}  // namespace
