// CParametersForView: the settings of one load-profile window: its presentation, period, day filter and
// the block of the data grid it was opened on.
#pragma once

#include "kivo32/analysis/load_profile.h"

class CParametersForView {
public:
    // Period types and day filter types as the dialog bar offers them.
    static constexpr int kDaily = 0;
    static constexpr int kWeekly = 1;
    static constexpr int kAllDays = 0;
    static constexpr int kWeekdays = 1;
    static constexpr int kWeekendDays = 2;

    virtual ~CParametersForView() = default;

    // The bucket table's period and day filter of the types; 0 for a type outside them.
    int ProfilePeriod() const {
        return m_nPeriodType == kDaily ? kProfileDaily : m_nPeriodType == kWeekly ? kProfileWeekly : 0;
    }
    int ProfileDayFilter() const {
        return m_nDayFilterType >= kAllDays && m_nDayFilterType <= kWeekendDays ? m_nDayFilterType + 1 : 0;
    }

    // The command of the presentation: the table or the graph.
    unsigned m_nViewKind = 0;
    int m_nPeriodType = kDaily;
    int m_nDayFilterType = kAllDays;
    unsigned long m_nTopRow = 0;
    unsigned long m_nLeftColumn = 0;
    unsigned long m_nBottomRow = 0;
    unsigned long m_nRightColumn = 0;
};
