// Text ids of the load profiles and of the analysis-values window and report; fixed numbers: never
// renumber.
#pragma once

// The graph attribute file could not be read, created or renamed into place ("%s" the path).
inline constexpr unsigned IDS_LP_ATTRIBUTES_NOT_OPENED = 12459;
inline constexpr unsigned IDS_LP_ATTRIBUTES_NOT_CREATED = 8201;
inline constexpr unsigned IDS_LP_ATTRIBUTES_NOT_WRITTEN = 8195;

// The analysis-values window: its title ("%s" the file, "%s" the kind's caption), the captions of
// kinds 1-5, the report labels of kinds 1 and 3-5 (kind 2 is labelled by its caption), the headings
// over two or more ranked values ("%d" their number), and the first line of a new report file.
inline constexpr unsigned IDS_ANALYSIS_TITLE = 12492;
inline constexpr unsigned IDS_ANALYSIS_CAPTION_AVERAGE = 12493;
inline constexpr unsigned IDS_ANALYSIS_CAPTION_PEAK_TO_AVERAGE = 12494;
inline constexpr unsigned IDS_ANALYSIS_CAPTION_LOWEST = 12495;
inline constexpr unsigned IDS_ANALYSIS_CAPTION_HIGHEST = 12496;
inline constexpr unsigned IDS_ANALYSIS_CAPTION_TOTAL = 12497;
inline constexpr unsigned IDS_ANALYSIS_LABEL_AVERAGE = 9295;
inline constexpr unsigned IDS_ANALYSIS_LABEL_LOWEST = 9296;
inline constexpr unsigned IDS_ANALYSIS_LABEL_HIGHEST = 9297;
inline constexpr unsigned IDS_ANALYSIS_LABEL_TOTAL = 9298;
inline constexpr unsigned IDS_ANALYSIS_HEADING_HIGHEST = 12515;
inline constexpr unsigned IDS_ANALYSIS_HEADING_LOWEST = 12516;
inline constexpr unsigned IDS_ANALYSIS_REPORT_HEADING = 9294;
