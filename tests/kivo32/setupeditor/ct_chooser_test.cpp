// The CT catalogue chooser: one click on a row chooses it, each row shows its own picture or none, and
// a missing or empty catalogue gives no choice.
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <fstream>

#include "kivo32/setupeditor/ct_chooser.h"
#include "kivo32/setupeditor/setupeditor_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "tests/kivo32/setupeditor/setup_document_fixture.h"

namespace {

using CTChooserTest = setupeditortest::SetupDocumentTest;

struct Choice {
    std::string name, kind, rated, second;
};

std::optional<Choice> ChoiceOf(const CCTChooser& chooser) {
    Choice choice;
    if (!chooser.GetChoice(choice.name, choice.kind, choice.rated, choice.second)) {
        return std::nullopt;
    }
    return choice;
}

void WritePicture(const std::filesystem::path& path) {
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    QPainter painter(&picture);
    painter.fillRect(8, 8, 16, 16, Qt::black);
    painter.end();
    ASSERT_TRUE(picture.save(platform::PathToQString(path)));
}

TEST_F(CTChooserTest, OneClickChoosesARowThatShowsItsOwnPicture) {
    const auto catalogue = folder_ / "CT Values.csv";
    std::ofstream(catalogue) << "Name,Output,Rated,Second,Picture\n"
                                "Clamp 600,MV,600,0.85,\n"
                                "\n"
                                "Coil 3000,RC,3000,0,coil.png\n"
                                "Clamp 100,MV,100,1.10,missing.png\n";
    WritePicture(folder_ / "coil.png");
    CCTChooser chooser(nullptr, catalogue, folder_.path());
    chooser.show();
    auto* list = platform::FindControlAs<QTreeWidget>(&chooser, IDC_CT_CHOOSER_LIST);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_TRUE(list->topLevelItem(0)->icon(0).isNull());
    EXPECT_FALSE(list->topLevelItem(1)->icon(0).isNull());
    EXPECT_TRUE(list->topLevelItem(2)->icon(0).isNull());
    // The picture's magenta is transparent.
    const QImage shown = list->topLevelItem(1)->icon(0).pixmap(64, 64).toImage();
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(32, 32)), 255);

    QTreeWidgetItem* coil = list->topLevelItem(1);
    list->setCurrentItem(coil);
    emit list->itemClicked(coil, 1);
    EXPECT_FALSE(chooser.isVisible());
    const std::optional<Choice> choice = ChoiceOf(chooser);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->name, "Coil 3000");
    EXPECT_EQ(choice->kind, "RC");
    EXPECT_EQ(choice->rated, "3000");
    EXPECT_EQ(choice->second, "0");
}

TEST_F(CTChooserTest, TheListShowsEveryColumnWholeAndSeveralRows) {
    const auto catalogue = folder_ / "CT Values.csv";
    const std::string longName = "Flexible Rogowski coil 3000 A with 600 mm loop and 1 m lead";
    std::ofstream(catalogue) << "Name,Output,Rated,Second,Picture\n"
                             << longName << ",RC,3000,0.00,\nClamp CT 100 A,MV,100,1.10,\n";
    CCTChooser chooser(nullptr, catalogue, folder_.path());
    chooser.show();
    auto* list = platform::FindControlAs<QTreeWidget>(&chooser, IDC_CT_CHOOSER_LIST);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_GE(list->columnWidth(1), list->fontMetrics().horizontalAdvance(platform::ToQString(longName)));
    // No column is cut at the right edge.
    EXPECT_GE(list->viewport()->width(), list->header()->length());
    EXPECT_GE(list->viewport()->height(), 4 * list->sizeHintForRow(0));
}

TEST_F(CTChooserTest, TheListAndBothButtonsCarryTheirOwnTips) {
    CCTChooser chooser(nullptr, folder_ / "CT Values.csv", folder_.path());
    const QString tips[] = {platform::FindControlAs<QTreeWidget>(&chooser, IDC_CT_CHOOSER_LIST)->toolTip(),
                            platform::FindControlAs<QPushButton>(&chooser, IDOK)->toolTip(),
                            platform::FindControlAs<QPushButton>(&chooser, IDCANCEL)->toolTip()};
    EXPECT_EQ(tips[1].toStdString(), "Use the current register/object address");
    EXPECT_EQ(tips[2].toStdString(), "Leave dialog without choosing a register");
    EXPECT_FALSE(tips[0].isEmpty());
    const QWidget* cancel = platform::FindControlAs<QPushButton>(&chooser, IDCANCEL);
    EXPECT_EQ(cancel->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, cancel),
              CCTChooser::kToolTipDelayMs);
}

TEST_F(CTChooserTest, AnEmptyOrMissingCatalogueGivesNoChoice) {
    const auto catalogue = folder_ / "CT Values.csv";
    std::ofstream(catalogue) << "Name,Output,Rated,Second,Picture\n";
    {
        CCTChooser chooser(nullptr, catalogue, folder_.path());
        chooser.show();
        EXPECT_EQ(platform::FindControlAs<QTreeWidget>(&chooser, IDC_CT_CHOOSER_LIST)->topLevelItemCount(),
                  0);
        chooser.accept();
        EXPECT_FALSE(ChoiceOf(chooser));
    }
    broker_.AnswerMessageBox(IDOK);
    CCTChooser missing(nullptr, folder_ / "none.csv", folder_.path());
    EXPECT_EQ(missing.DoModal(), IDCANCEL);
    EXPECT_FALSE(ChoiceOf(missing));
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].text.find("none.csv"), std::string::npos);
    EXPECT_NE(asked[0].caption.find("none.csv"), std::string::npos);
}

}  // namespace
