// The event-log lines of each download result.
#include "teldrin/core/download_report.h"

#include <gtest/gtest.h>

#include "shared/logger/download_result.h"

namespace {

struct ResultCase {
    int result;
    bool readAll;
    std::vector<std::string> lines;
};

TEST(DownloadResultLinesTest, EachResultHasItsLines) {
    const std::string failed =
        "Erreur: Erreur apparue \xE0 la lecture des donn\xE9"
        "es\n";
    const std::vector<ResultCase> cases{
        {kReadDataDone, false, {}},
        {kReadDataKept, true, {}},
        {kReadDataNothingToRead,
         true,
         {"Pas de donn\xE9"
          "e dans le Logger"}},
        {kReadDataNothingToRead,
         false,
         {"Le Logger n'a pas de nouvelle donn\xE9"
          "e \xE0 ajouter"}},
        {kReadDataAssemblyFailed, true, {failed, "SN7: Conversion of logger data to data file failed\n"}},
        {kReadDataNothingReceived, false, {failed, "SN7: Read of Logger data failed\n"}},
        {kReadDataSetupBlocksFailed, true, {failed, "SN7: Could not read the Logger's Setup Table RAM\n"}},
        {kReadDataCancelled, true, {failed, "SN7: Logger protocol control failed\n"}},
        // Results the logger's table does not name: only that reading failed.
        {-3, true, {failed}},
        {kReadDataTryAgain, false, {failed}},
        {kReadDataRecoveryCancelled, true, {failed}},
    };
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(c.result);
        EXPECT_EQ(teldrin::DownloadResultLines(c.result, c.readAll, "SN7"), c.lines);
    }
}

}  // namespace
