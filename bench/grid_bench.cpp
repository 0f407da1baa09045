// Benchmark (not a test): a data file of ten million records opened as a document in the grid
// offscreen: the open, the first paint, a scroll to the last record and paging back, with the peak
// memory. The file is made once in the temporary folder and kept. Usage: grid_bench [records].
#include <QApplication>
#include <QScrollBar>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "bench/bench_data_file.h"
#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_template.h"
#include "kivo32/views/raw_data_view.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/resource_texts.h"
#include "platform/base/program_texts.h"


int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    const long records = argc > 1 ? std::atol(argv[1]) : 10'000'000;
    QApplication qt(argc, argv);
    SetProgramTexts(platform::EnglishTexts());

    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("grid_bench_" + std::to_string(records) + ".kivo");
    if (!std::filesystem::exists(path)) {
        std::printf("making %s\n", path.c_str());
        bench::PrintingSink sink;
        if (!bench::WriteDataFile(path, bench::BenchSetup(), records, sink)) {
            std::printf("cannot make the file\n");
            return 1;
        }
    }
    std::printf("%ld records, peak memory before opening %ld MB\n", records, bench::PeakMegabytes());

    platform::DocManager documents;
    documents.AddDocTemplate(MakeRawDataTemplate());
    platform::MainFrame main(&documents);
    main.resize(1200, 800);
    main.show();
    QApplication::processEvents();

    CRawDataView* view = nullptr;
    std::printf("%-34s %8.3f s\n", "open as a document", bench::Seconds([&] {
                    auto* document = static_cast<CRawDataDoc*>(documents.OpenDocumentFile(path));
                    view = document != nullptr ? dynamic_cast<CRawDataView*>(document->Views().front()) : nullptr;
                }));
    if (view == nullptr || view->GetRowCount() != records) {
        std::printf("cannot open the file\n");
        return 1;
    }
    platform::GridView& grid = view->Grid();
    std::printf("grid %dx%d, visible %d\n", grid.width(), grid.height(), grid.isVisible() ? 1 : 0);
    std::printf("%-34s %8.3f s\n", "first paint", bench::Seconds([&] { grid.grab(); }));
    std::printf("%-34s %8.3f s\n", "scroll to the last record", bench::Seconds([&] {
                    grid.scrollToBottom();
                    grid.grab();
                }));
    constexpr int kPages = 100;
    std::printf("%-34s %8.3f s\n", "page back 100 times", bench::Seconds([&] {
                    for (int page = 0; page < kPages; ++page) {
                        grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
                        grid.grab();
                    }
                }));
    std::printf("%-34s %8.3f s\n", "find the records of the last day", bench::Seconds([&] {
                    std::optional<double> first;
                    std::optional<double> last;
                    view->GetDataDateRange(first, last);
                    long firstRecord = 0;
                    long lastRecord = 0;
                    view->FindRecordRange(last.value_or(0) - 1.0, last.value_or(0), firstRecord, lastRecord);
                }));
    std::printf("%-34s %8.3f s\n", "record-time check after the open", bench::Seconds([&] {
                    while (!view->GetDocument()->RecordTimeCheckFinished()) {
                        QApplication::processEvents(QEventLoop::AllEvents, 10);
                    }
                }));
    std::printf("peak memory %ld MB\n", bench::PeakMegabytes());
    return 0;
}
