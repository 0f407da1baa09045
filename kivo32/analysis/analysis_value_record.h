// AnalysisValueRecord: what the analysis-values window shows of one selected column: the file, the
// column, the span of the selection and the column's analysis values.
#pragma once

#include <string>

#include "kivo32/analysis/column_analysis.h"

struct AnalysisValueRecord {
    // 1-5: which of the analysis commands asked, for the window's labels.
    int kind = 0;
    std::string file;
    std::string columns;
    // The date and time of the first selected record, and the start of the last selected interval.
    std::string firstTime;
    std::string lastTime;
    ColumnAnalysis values;
};
