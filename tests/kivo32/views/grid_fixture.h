// A data-file document opened through the data-grid template in a main window offscreen, for the grid
// view's tests.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPrinter>
#include <filesystem>
#include <memory>

#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_template.h"
#include "kivo32/views/raw_data_view.h"
#include "platform/base/program_texts.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/printer_page_painter.h"
#include "platform/ui/resource_texts.h"
#include "tests/kivo32/analysis/cells_fixture.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/qt_test_application.h"

namespace gridtest {

class GridFixture : public testing::Test {
protected:
    void SetUp() override {
        testsupport::EnsureQtApplication();
        SetProgramTexts(platform::EnglishTexts());
        CRawDataDoc::SetWorkFolder(folder_.path());
        main_ = std::make_unique<platform::MainFrame>(&documents_);
        main_->resize(900, 600);
        documents_.AddDocTemplate(MakeRawDataTemplate());
    }

    void TearDown() override {
        main_.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetProgramTexts(platform::EnglishTexts());
        EXPECT_EQ(broker_.UnusedAnswers(), 0u);
    }

    // Writes `records` of `setup` as a data file and opens it in the grid.
    CRawDataView* OpenGrid(const std::string& name, const CSetupTable& setup,
                           const std::vector<datafiletest::Bytes>& records) {
        const std::filesystem::path path = folder_ / name;
        datafiletest::WriteDataFile(path, setup, records);
        auto* document = static_cast<CRawDataDoc*>(documents_.OpenDocumentFile(path));
        if (document == nullptr) {
            ADD_FAILURE() << "cannot open " << name;
            return nullptr;
        }
        auto* view = dynamic_cast<CRawDataView*>(document->Views().front());
        main_->show();
        QApplication::processEvents();
        return view;
    }

    // Prints every page of the view into a PDF file; false when the printer failed.
    static bool PrintToPdf(CRawDataView& view, const std::filesystem::path& pdf) {
        QPrinter printer(QPrinter::HighResolution);
        platform::SetPdfOutput(printer, pdf);
        platform::PrinterPagePainter painter(printer);
        platform::PrintInfo info;
        return painter.Begin() && view.OnPreparePrinting(info) && view.PrintPages(painter, info) && painter.End();
    }

    testsupport::TempFolder folder_;
    testsupport::FakeAppContext context_;
    testsupport::ScriptedUiBroker broker_;
    platform::DocManager documents_;
    std::unique_ptr<platform::MainFrame> main_;
};

// A grid of three channels (columns 3 to 5 after the date and the time) and 20 records, worked with the
// mouse.
class MouseGridFixture : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        view_ = OpenGrid("site.kivo", ChannelsSetup(3), Records(20, 3, 900, [](int i, int c) { return float(i + c); }));
        ASSERT_NE(view_, nullptr);
    }

    void Click(int row, int column, unsigned flags = 0) {
        view_->Grid().MouseDown(row, column, flags);
        view_->Grid().MouseUp(row, column, flags);
    }
    void Drag(int fromRow, int fromColumn, int toRow, int toColumn) {
        view_->Grid().MouseDown(fromRow, fromColumn, 0);
        view_->Grid().MouseMove(toRow, toColumn);
        view_->Grid().MouseUp(toRow, toColumn, 0);
    }
    bool Selected(int row, int column) const { return view_->Grid().Selection().IsSelected(row, column); }

    CRawDataView* view_ = nullptr;
};

}  // namespace gridtest
