// A data-file document opened through the data-grid template in a main window offscreen, for the grid
// view's tests.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPrinter>
#include <filesystem>
#include <memory>

#include "kivo32/analysis/grid_walk_progress.h"
#include "kivo32/views/raw_data_doc.h"
#include "kivo32/analysis/raw_data_grid.h"
#include "kivo32/views/raw_data_template.h"
#include "kivo32/views/raw_data_view.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/printer_page_painter.h"
#include "platform/ui/resource_texts.h"
#include "platform/base/program_texts.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/scripted_ui_broker.h"

namespace gridtest {

// A setup of `model` logging the average kW of the first `channels` hardware channels: grid columns 3
// and up, one per channel.
inline CSetupTable ChannelsSetup(int channels, int model = 0, std::uint8_t intervalCode = 2) {
    CSetupTable setup = datafiletest::OneValueSetup(model, intervalCode);
    for (int channel = 1; channel < channels; ++channel) {
        setup.GetHardwareChannel(channel).SetType(kChannelPower);
    }
    return setup;
}

// Records on 2024-03-15 from 10:00 every `stepSeconds`; channel c of record i holds value(i, c).
template <typename ValueOf>
std::vector<datafiletest::Bytes> Records(int count, int channels, int stepSeconds, ValueOf value) {
    std::vector<datafiletest::Bytes> records;
    for (int i = 0; i < count; ++i) {
        const int seconds = 10 * 3600 + i * stepSeconds;
        std::vector<float> values;
        for (int channel = 0; channel < channels; ++channel) {
            values.push_back(value(i, channel));
        }
        records.push_back(datafiletest::RecordBytes({24, 3, 15 + seconds / 86400},
                                                    {seconds / 3600 % 24, seconds / 60 % 60, seconds % 60},
                                                    values));
    }
    return records;
}

// The lines of a text whose lines end in CR LF.
inline std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

// The cells of a data file written and opened without a window, for the tests of the walks.
class CellsFixture : public testing::Test {
protected:
    CellsFixture() { SetProgramTexts(platform::EnglishTexts()); }

    // Writes `records` of `setup` and opens them; the cells stay until the next call.
    const CRawDataGrid& Open(const CSetupTable& setup, const std::vector<datafiletest::Bytes>& records,
                             CDataInfo info = {}) {
        cells_.reset();
        file_.reset();
        datafiletest::WriteDataFile(path_, setup, records, info);
        file_ = std::make_unique<datafiletest::OpenedFile>(path_);
        EXPECT_TRUE(file_->prepared);
        cells_ = std::make_unique<CRawDataGrid>(file_->data);
        return *cells_;
    }

    testsupport::TempFolder folder_;
    std::filesystem::path path_ = folder_ / "site.kivo";
    testsupport::FakeAppContext context_;
    std::unique_ptr<datafiletest::OpenedFile> file_;
    std::unique_ptr<CRawDataGrid> cells_;
    GridWalkProgress progress_;
};

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
