// Printing a view: the pages asked for go through the page painter, and a real print-out reaches a PDF file.
#include <gtest/gtest.h>

#include <QPrinter>
#include <fstream>

#include "platform/ui/printer_page_painter.h"
#include "platform/ui/view.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/ui/recording_page_painter.h"

namespace {

// Three pages, each with a heading in a bold font and a ruled line under it.
class ThreePageView : public platform::View {
public:
    std::vector<int> begun;

    bool OnPreparePrinting(platform::PrintInfo& info) override {
        info.SetMaxPage(3);
        return true;
    }
    void OnBeginPrinting(platform::PagePainter&, platform::PrintInfo& info) override {
        begun.push_back(info.maxPage);
    }
    void OnPrint(platform::PagePainter& painter, platform::PrintInfo& info) override {
        const platform::PrintFont previous = painter.SelectFont({"Arial", 12, true, false, true});
        const int x = 4 * painter.AverageCharWidth();
        const int y = painter.TextHeight();
        painter.TextOut(x, y, "Page " + std::to_string(info.currentPage) + " \xB5");
        painter.SelectFont(previous);
        painter.Line(x, 2 * y, painter.DrawingRect().right, 2 * y);
    }
};

class PrintingTest : public testing::Test {
protected:
    void SetUp() override { testsupport::EnsureQtApplication(); }
};

TEST_F(PrintingTest, TheChosenPagesArePrintedInOrderEachBetweenStartAndEnd) {
    ThreePageView view;
    platform::PrintInfo info;
    ASSERT_TRUE(view.OnPreparePrinting(info));
    info.fromPage = 2;
    testsupport::RecordingPagePainter painter;
    ASSERT_TRUE(view.PrintPages(painter, info));

    EXPECT_EQ(painter.PagesStarted(), 2);
    EXPECT_TRUE(painter.Balanced());
    EXPECT_EQ(painter.TextLines(), (std::vector<std::string>{"Page 2 \xB5", "Page 3 \xB5"}));
    ASSERT_EQ(painter.Texts().size(), 2u);
    EXPECT_EQ(painter.Texts()[0].x, 4 * 12);
    EXPECT_EQ(painter.Texts()[0].y, 24);
    EXPECT_TRUE(painter.Texts()[0].font.bold);
    EXPECT_EQ(painter.Lines().size(), 2u);
}

TEST_F(PrintingTest, APrintOutToAPdfFileWritesEveryPage) {
    testsupport::TempFolder folder;
    const auto path = folder / "print.pdf";
    QPrinter printer(QPrinter::HighResolution);
    platform::SetPdfOutput(printer, path);
    platform::PrinterPagePainter painter(printer);
    ASSERT_TRUE(painter.Begin());
    EXPECT_GT(painter.DrawingRect().Width(), 0);
    EXPECT_GT(painter.TextWidth("WWWW"), painter.TextWidth("W"));

    ThreePageView view;
    platform::PrintInfo info;
    view.OnPreparePrinting(info);
    ASSERT_TRUE(view.PrintPages(painter, info));
    ASSERT_TRUE(painter.End());

    std::ifstream file(path, std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content.rfind("%PDF", 0), 0u);
    EXPECT_NE(content.find("/Count 3"), std::string::npos);
}

}  // namespace
