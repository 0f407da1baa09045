// The look of every data graph and its attribute file.
#include "kivo32/views/graph_object_attributes.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <system_error>
#include <vector>

#include "kivo32/views/views_ids.h"
#include "platform/base/string_format.h"
#include "platform/base/windows1252.h"
#include "shared/common/message_box.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/user_data_folder.h"

namespace {

constexpr const char* kComment = "# Kivo Graphical Object Attributes -";
constexpr const char* kDefaultFont = "Arial";
constexpr std::array<std::uint32_t, 16> kDefaultPlotColors{
    0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFF000000, 0xFF800000,
    0xFF008000, 0xFF0064FF, 0xFF000080, 0xFFAFAFAF, 0xFF0000DC, 0xFFFF64FF, 0xFF9B6464, 0xFFFFAA64};
constexpr std::uint32_t kDefaultGraphBackground = 0xFFFFFFFF;
constexpr std::uint32_t kDefaultDeskBackground = 0xFF000001;
constexpr int kDefaultLegendFontSize = 8;
constexpr int kDefaultLegendStyle = 0;
constexpr std::array<int, 3> kDefaultFontAttributes{1, 1, 0};

// Whole numbers as the runtime library reads them: blanks, a sign, digits; no number gives 0 and a
// number too large for an int is held at its limit.
int ReadInt(std::string_view text) {
    const std::string copy(text);
    const long value = std::strtol(copy.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

// Up to `values.size()` blank-separated whole numbers into `values`; those missing keep their value.
template <std::size_t N>
void ReadInts(std::string_view text, std::array<int, N>& values) {
    const std::string copy(text);
    const char* position = copy.c_str();
    for (int& value : values) {
        char* end = nullptr;
        const long number = std::strtol(position, &end, 10);
        if (end == position) {
            return;
        }
        value = static_cast<int>(std::clamp<long>(number, INT_MIN, INT_MAX));
        position = end;
    }
}

// Four numbers, the colour's bytes from the most significant; each is held to its byte.
void ReadColor(std::string_view text, std::uint32_t& color) {
    std::array<int, 4> bytes{static_cast<int>(color >> 24), static_cast<int>((color >> 16) & 0xFF),
                             static_cast<int>((color >> 8) & 0xFF), static_cast<int>(color & 0xFF)};
    ReadInts(text, bytes);
    color = 0;
    for (const int byte : bytes) {
        color = (color << 8) | (static_cast<std::uint32_t>(byte) & 0xFF);
    }
}

void ReadHexColor(std::string_view text, std::uint32_t& color) {
    const std::string copy(text);
    char* end = nullptr;
    const unsigned long long value = std::strtoull(copy.c_str(), &end, 16);
    if (end != copy.c_str()) {
        color = static_cast<std::uint32_t>(value);
    }
}

std::string ColorText(std::uint32_t color) {
    return platform::StringPrintf("%u %u %u %u", color >> 24, (color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

template <std::size_t N>
std::string IntsText(const std::array<int, N>& values) {
    std::string text;
    for (const int value : values) {
        text += (text.empty() ? "" : " ") + std::to_string(value);
    }
    return text;
}

// An annotation that names a version of the program ("KIVO " and a number from 1) names the running
// one: only "KIVO " and the version number are replaced, then every " [DEBUG]" goes.
std::string CurrentAnnotation(std::string text, const std::string& productText) {
    static constexpr std::string_view kProduct = "KIVO ";
    const auto start = text.find(kProduct);
    if (start != std::string::npos && start + kProduct.size() < text.size() && text[start + kProduct.size()] == '1') {
        auto end = start + kProduct.size();
        while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.')) {
            ++end;
        }
        text.replace(start, end - start, productText);
    }
    static constexpr std::string_view kDebug = " [DEBUG]";
    for (auto debug = text.find(kDebug); debug != std::string::npos; debug = text.find(kDebug)) {
        text.erase(debug, kDebug.size());
    }
    return text;
}

// One key of the file: how its value is read and written.
struct AttributeKey {
    std::string key;
    std::function<void(CGraphObjectAttributes&, std::string_view value, bool acceptUseDefault)> read;
    std::function<std::string(const CGraphObjectAttributes&)> write;
};

template <class Member>
AttributeKey IntKey(const char* key, Member member) {
    return {key, [member](CGraphObjectAttributes& a, std::string_view value, bool) { a.*member = ReadInt(value); },
            [member](const CGraphObjectAttributes& a) { return std::to_string(a.*member); }};
}

template <class Member>
AttributeKey IntsKey(const char* key, Member member) {
    return {key, [member](CGraphObjectAttributes& a, std::string_view value, bool) { ReadInts(value, a.*member); },
            [member](const CGraphObjectAttributes& a) { return IntsText(a.*member); }};
}

template <class Member>
AttributeKey ColorKey(const char* key, Member member) {
    return {key, [member](CGraphObjectAttributes& a, std::string_view value, bool) { ReadColor(value, a.*member); },
            [member](const CGraphObjectAttributes& a) { return ColorText(a.*member); }};
}

// The two keys of a font: "<name>Font" and "<name>Attributes".
template <class Member>
void AddFontKeys(std::vector<AttributeKey>& keys, const char* name, Member member) {
    const std::string key(name);
    keys.push_back({key + "Font",
                    [member](CGraphObjectAttributes& a, std::string_view value, bool) { (a.*member).name = value; },
                    [member](const CGraphObjectAttributes& a) { return (a.*member).name; }});
    keys.push_back({key + "Attributes",
                    [member](CGraphObjectAttributes& a, std::string_view value, bool) { ReadInts(value, (a.*member).attributes); },
                    [member](const CGraphObjectAttributes& a) { return IntsText((a.*member).attributes); }});
}

// The keys in the order of the file.
const std::vector<AttributeKey>& AttributeKeys() {
    static const std::vector<AttributeKey> keys = [] {
        using A = CGraphObjectAttributes;
        std::vector<AttributeKey> list;
        list.push_back(ColorKey("GraphBackgndColor", &A::graphBackgroundColor));
        list.push_back(ColorKey("GraphForegndColor", &A::graphForegroundColor));
        list.push_back(ColorKey("DeskBackgndColor", &A::deskBackgroundColor));
        list.push_back(ColorKey("DeskForegndColor", &A::deskForegroundColor));
        list.push_back(IntKey("BorderType", &A::borderType));
        list.push_back(IntsKey("QuickStyle", &A::quickStyle));
        list.push_back(IntKey("ViewingStyle", &A::viewingStyle));
        list.push_back(IntKey("GraphFontSize", &A::graphFontSize));
        list.push_back({"PlottingMethod",
                        [](A& a, std::string_view value, bool) {
                            a.plottingMethod = ReadInt(value);
                            a.defaultPlottingMethod = 0;
                        },
                        [](const A& a) { return std::to_string(a.plottingMethod); }});
        list.push_back(IntsKey("GridAttributes", &A::gridAttributes));
        list.push_back(IntKey("IncludeDataLabels", &A::includeDataLabels));
        AddFontKeys(list, "MainTitle", &A::mainTitleFont);
        AddFontKeys(list, "SubTitle", &A::subtitleFont);
        AddFontKeys(list, "SubsetPointAxisLabels", &A::axisLabelsFont);
        list.push_back({"LegendFont", [](A& a, std::string_view value, bool) { a.legendFont = value; },
                        [](const A& a) { return a.legendFont; }});
        list.push_back(IntKey("LegendFontSize", &A::legendFontSize));
        list.push_back(IntKey("LegendStyle", &A::legendStyle));
        list.push_back(IntKey("ShowDataCursor", &A::showDataCursor));
        list.push_back(IntKey("ShowDataPoints", &A::showDataPoints));
        list.push_back(IntKey("ShowAnalysisValues", &A::showAnalysisValues));
        list.push_back({"UseDefaultAttributes",
                        [](A& a, std::string_view value, bool accept) {
                            if (accept) {
                                a.useDefaultAttributes = ReadInt(value);
                            }
                        },
                        [](const A& a) { return std::to_string(a.useDefaultAttributes); }});
        list.push_back({"Annotation",
                        [](A& a, std::string_view value, bool) {
                            a.annotation = CurrentAnnotation(std::string(value), a.ProductText());
                        },
                        [](const A& a) { return a.annotation; }});
        list.push_back(IntKey("NumericPrecision", &A::numericPrecision));
        for (std::size_t n = 0; n < A::kPlotCount; ++n) {
            const std::string plot = platform::StringPrintf("Plot%02zu", n + 1);
            list.push_back({plot + "Color",
                            [n](A& a, std::string_view value, bool) { ReadHexColor(value, a.plotColors[n]); },
                            [n](const A& a) { return platform::StringPrintf("%x", a.plotColors[n]); }});
            list.push_back({plot + "LineType",
                            [n](A& a, std::string_view value, bool) { a.plotLineTypes[n] = ReadInt(value); },
                            [n](const A& a) { return std::to_string(a.plotLineTypes[n]); }});
            list.push_back({plot + "PointType",
                            [n](A& a, std::string_view value, bool) { a.plotPointTypes[n] = ReadInt(value); },
                            [n](const A& a) { return std::to_string(a.plotPointTypes[n]); }});
        }
        return list;
    }();
    return keys;
}

void ShowPathMessage(unsigned id, const std::filesystem::path& path) {
    ShowMessageBox(platform::FormatLoadedText(id, {platform::Utf8ToWindows1252(path.string())}),
                   MB_OK | MB_ICONEXCLAMATION, true);
}

}  // namespace

struct CGraphObjectAttributes::Snapshot {
    std::uint32_t graphBackgroundColor;
    std::uint32_t deskBackgroundColor;
    CGraphFontAttributes mainTitleFont;
    CGraphFontAttributes subtitleFont;
    CGraphFontAttributes axisLabelsFont;
    std::string legendFont;
    int legendFontSize;
    int legendStyle;
    std::string annotation;
    std::array<std::uint32_t, kPlotCount> plotColors;
    std::array<int, kPlotCount> plotLineTypes;
    std::array<int, kPlotCount> plotPointTypes;
};

CGraphObjectAttributes::CGraphObjectAttributes(std::string productText) : product_text_(std::move(productText)) {}

CGraphObjectAttributes::~CGraphObjectAttributes() = default;

void CGraphObjectAttributes::SetDefaultAttributes(bool setUseDefault, bool resetShowDataCursor,
                                                  bool resetShowDataPoints, bool setShowAnalysisValues) {
    if (setUseDefault) {
        useDefaultAttributes = 1;
    }
    if (resetShowDataCursor) {
        showDataCursor = 0;
    }
    if (resetShowDataPoints) {
        showDataPoints = 0;
    }
    if (setShowAnalysisValues) {
        showAnalysisValues = 1;
    }
    borderType = 3;
    quickStyle = {1, 1};
    viewingStyle = 0;
    graphFontSize = 1;
    gridAttributes = {3, 0, 0, 0};
    includeDataLabels = 0;
    numericPrecision = 1;
    graphForegroundColor = 0xFF000000;
    graphBackgroundColor = kDefaultGraphBackground;
    deskForegroundColor = 0xFF000000;
    deskBackgroundColor = kDefaultDeskBackground;
    for (CGraphFontAttributes* font : {&mainTitleFont, &subtitleFont, &axisLabelsFont}) {
        *font = {kDefaultFont, kDefaultFontAttributes};
    }
    legendFont = kDefaultFont;
    legendFontSize = kDefaultLegendFontSize;
    legendStyle = kDefaultLegendStyle;
    std::copy(kDefaultPlotColors.begin(), kDefaultPlotColors.end(), plotColors.begin());
    plotLineTypes.fill(0);
    plotPointTypes.fill(3);
    annotation = kDefaultAnnotation;
}

void CGraphObjectAttributes::LoadGOAttributes(bool acceptUseDefault, bool takeShowDataCursor,
                                              bool takeShowDataPoints, bool takeShowAnalysisValues) {
    const int keptDataCursor = showDataCursor;
    const int keptDataPoints = showDataPoints;
    const int keptAnalysisValues = showAnalysisValues;
    SetDefaultAttributes(acceptUseDefault, takeShowDataCursor, takeShowDataPoints, takeShowAnalysisValues);
    file_path_ = UserDataFolder() / kFileName;

    std::error_code error;
    if (std::filesystem::exists(file_path_, error)) {
        std::ifstream file(file_path_, std::ios::binary);
        if (!file) {
            ShowPathMessage(IDS_GRAPH_ATTRIBUTES_NOT_OPENED, file_path_);
            return;
        }
        std::string line;
        while (std::getline(file, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            ParseGOAttributeLine(acceptUseDefault, line);
        }
    }
    if (!takeShowDataCursor) {
        showDataCursor = keptDataCursor;
    }
    if (!takeShowDataPoints) {
        showDataPoints = keptDataPoints;
    }
    if (!takeShowAnalysisValues) {
        showAnalysisValues = keptAnalysisValues;
    }
}

bool CGraphObjectAttributes::ParseGOAttributeLine(bool acceptUseDefault, std::string_view line) {
    if (line.starts_with('#')) {
        return false;
    }
    for (const AttributeKey& key : AttributeKeys()) {
        // A key counts only at the start of its line, followed by a colon and a blank.
        if (line.size() >= key.key.size() + 2 && line.starts_with(key.key) &&
            line.substr(key.key.size(), 2) == ": ") {
            key.read(*this, line.substr(key.key.size() + 2), acceptUseDefault);
            return true;
        }
    }
    return false;
}

std::string CGraphObjectAttributes::FileText() const {
    std::string text(kComment);
    text += '\n';
    for (const AttributeKey& key : AttributeKeys()) {
        text += key.key + ": " + key.write(*this) + "\n";
    }
    return text;
}

bool CGraphObjectAttributes::SaveGOAttributes() const {
    if (file_path_.empty()) {
        ShowMessageBox("SaveGOAttributes() Error: m_strGOAttribIniFileName.GetLength() == 0", MB_OK, true);
        return false;
    }
    // Written beside the file and renamed over it, so a failed save leaves the old file whole.
    std::filesystem::path temporary = file_path_;
    temporary += ".new";
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) {
        ShowPathMessage(IDS_GRAPH_ATTRIBUTES_NOT_CREATED, file_path_);
        return false;
    }
    std::string text = FileText();
    for (auto newline = text.find('\n'); newline != std::string::npos; newline = text.find('\n', newline + 2)) {
        text.insert(newline, 1, '\r');
    }
    file << text;
    file.close();
    std::error_code error;
    if (!file || (std::filesystem::rename(temporary, file_path_, error), error)) {
        std::filesystem::remove(temporary, error);
        ShowPathMessage(IDS_GRAPH_ATTRIBUTES_NOT_WRITTEN, file_path_);
        return false;
    }
    return true;
}

void CGraphObjectAttributes::TakeSnapshot() {
    snapshot_ = std::make_unique<Snapshot>(Snapshot{graphBackgroundColor, deskBackgroundColor, mainTitleFont,
                                                    subtitleFont, axisLabelsFont, legendFont, legendFontSize,
                                                    legendStyle, annotation, plotColors, plotLineTypes,
                                                    plotPointTypes});
}

void CGraphObjectAttributes::RestoreSnapshot() {
    if (!snapshot_) {
        return;
    }
    const Snapshot& kept = *snapshot_;
    const auto restore = [](auto& member, const auto& value, const auto& unchanged) {
        if (value != unchanged) {
            member = value;
        }
    };
    restore(graphBackgroundColor, kept.graphBackgroundColor, kDefaultGraphBackground);
    restore(deskBackgroundColor, kept.deskBackgroundColor, kDefaultDeskBackground);
    for (auto [member, value] : {std::pair{&mainTitleFont, &kept.mainTitleFont},
                                 std::pair{&subtitleFont, &kept.subtitleFont},
                                 std::pair{&axisLabelsFont, &kept.axisLabelsFont}}) {
        restore(member->name, value->name, std::string(kDefaultFont));
        for (std::size_t i = 0; i < 3; ++i) {
            restore(member->attributes[i], value->attributes[i], kDefaultFontAttributes[i]);
        }
    }
    restore(legendFont, kept.legendFont, std::string(kDefaultFont));
    restore(legendFontSize, kept.legendFontSize, kDefaultLegendFontSize);
    restore(legendStyle, kept.legendStyle, kDefaultLegendStyle);
    restore(annotation, kept.annotation, std::string(kDefaultAnnotation));
    snapshot_.reset();
}
