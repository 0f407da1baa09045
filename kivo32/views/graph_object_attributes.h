// The look of every data graph, kept between runs in "KivoGOAttrib.ini" in the user data folder: show
// switches, colours, fonts, styles, per-plot colours, line and point types, the annotation.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "kivo32/analysis/graph_attribute_look.h"

class CGraphObjectAttributes : public GraphAttributeLook {
public:
    static constexpr int kPlotCount = 17;
    static constexpr const char* kFileName = "KivoGOAttrib.ini";
    static constexpr const char* kDefaultAnnotation = "TARV Instruments KIVO 15";

    // `productText` is the program's name and version ("KIVO 15") that a loaded annotation takes.
    explicit CGraphObjectAttributes(std::string productText);
    virtual ~CGraphObjectAttributes();
    CGraphObjectAttributes(const CGraphObjectAttributes&) = delete;
    CGraphObjectAttributes& operator=(const CGraphObjectAttributes&) = delete;

    // Each flag sets its member (use-default 1, data cursor 0, data points 0, analysis values 1); every
    // other member takes its default, except the plotting methods and plot colour 17.
    void SetDefaultAttributes(bool setUseDefault, bool resetShowDataCursor, bool resetShowDataPoints,
                              bool setShowAnalysisValues);
    // Defaults, then the file's lines; each take-flag that is false keeps that show switch as it was.
    void LoadGOAttributes(bool acceptUseDefault, bool takeShowDataCursor, bool takeShowDataPoints,
                          bool takeShowAnalysisValues);
    // One line of the file: false, changing nothing, when it starts with no known key.
    bool ParseGOAttributeLine(bool acceptUseDefault, std::string_view line);
    // The whole file: false after the user was told why it could not be written.
    bool SaveGOAttributes() const;
    // The file's text, one line each ending in "\n".
    std::string FileText() const;

    // The snapshot keeps the user-visible look; a restore copies back each value that differs from
    // its default, so a run on default attributes writes back only what it changed.
    void TakeSnapshot();
    void RestoreSnapshot();
    bool HasSnapshot() const { return snapshot_ != nullptr; }

    const std::filesystem::path& FilePath() const { return file_path_; }
    const std::string& ProductText() const { return product_text_; }

    int showDataCursor = 0;
    int showDataPoints = 0;
    int showAnalysisValues = 0;
    int useDefaultAttributes = 0;
    int defaultPlottingMethod = 0;
    int plottingMethod = 0;
    std::string legendFont;
    int legendFontSize = 0;
    int legendStyle = 0;
    std::array<std::uint32_t, kPlotCount> plotColors{};
    std::array<int, kPlotCount> plotLineTypes{};
    std::array<int, kPlotCount> plotPointTypes{};
    std::string annotation;

private:
    struct Snapshot;

    std::string product_text_;
    std::filesystem::path file_path_;
    std::unique_ptr<Snapshot> snapshot_;
};
