// A data-file document opened through the data-grid template in a main window offscreen, for the grid
// view's tests.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <memory>

#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_template.h"
#include "kivo32/views/raw_data_view.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/resource_texts.h"
#include "shared/common/program_texts.h"
#include "shared/controls/qt_message_box_presenter.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/ui/scripted_ui_broker.h"

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

    testsupport::TempFolder folder_;
    testsupport::FakeAppContext context_;
    testsupport::ScriptedUiBroker broker_;
    CQtMessageBoxPresenter message_boxes_;
    platform::DocManager documents_;
    std::unique_ptr<platform::MainFrame> main_;
};

}  // namespace gridtest
