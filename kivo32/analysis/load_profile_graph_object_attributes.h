// CLoadProfileGraphObjectAttributes: the look of the load-profile graph (colours, border, styles, fonts,
// grid, precision, the one plotted line), kept between runs in "KIVOLoadProfileGOAttrib.ini".
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "kivo32/analysis/graph_attribute_look.h"

class CLoadProfileGraphObjectAttributes : public GraphAttributeLook {
public:
    static constexpr const char* kFileName = "KIVOLoadProfileGOAttrib.ini";

    // The defaults, then the file at `path` (normally the user data folder's kFileName).
    explicit CLoadProfileGraphObjectAttributes(std::filesystem::path path);
    virtual ~CLoadProfileGraphObjectAttributes() = default;

    // The defaults, then each line of the file when it exists; tells the user when it exists but cannot
    // be read.
    void LoadGOAttributes(bool forceUseDefault, bool resetShowCursor, bool resetShowDataPoints);
    // The defaults; the use-default flag is set only when forced, the show flags cleared only when
    // asked, the annotation kept.
    void SetDefaultAttributes(bool forceUseDefault, bool resetShowCursor, bool resetShowDataPoints);
    // One line: true for a comment or a line that begins with a known key.
    bool ParseLine(std::string_view line);
    // The file's 25 lines, each ending in "\n".
    std::string FileText() const;
    // Writes the file beside its place and renames it there; false after telling the user.
    bool SaveGOAttributes() const;

    const std::filesystem::path& FilePath() const { return file_path_; }

    int showCursor = 0;
    int showDataPoints = 0;
    int useDefault = 0;
    std::uint32_t plotColor = 0;
    int plotLineType = 0;
    int plotPointType = 0;
    int plottingMethod = 0;
    std::string annotation;

private:
    std::filesystem::path file_path_;
};
